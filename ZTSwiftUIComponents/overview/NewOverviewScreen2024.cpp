#include "NewOverviewScreen2024.h"

#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/overview/AccountsCardView.h"
#include "ZTSwiftUIComponents/overview/BankingAvailabilityCard.h"
#include "ZTSwiftUIComponents/overview/DailyLimitCardView.h"
#include "ZTSwiftUIComponents/overview/DaysUntilCardView.h"
#include "ZTSwiftUIComponents/overview/GoalCardView.h"
#include "ZTSwiftUIComponents/overview/NetWorthCardView.h"
#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "ZTSwiftUIComponents/overview/QuickEntryCardView.h"
#include "ZTSwiftUIComponents/overview/RemainingForPeriodCardView.h"
#include "ZTSwiftUIComponents/overview/ReusableInfoCardView.h"
#include "ZTSwiftUIComponents/overview/ReusableSummaryCardView.h"
#include "ZTSwiftUIComponents/overview/ShortcutsCardView.h"
#include "ZTSwiftUIComponents/overview/TopCategoriesCardView.h"
#include "ZTSwiftUIComponents/overview/UpcomingBillsCardView.h"
#include "ZTSwiftUIComponents/overview/UpcomingBillsScreen.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/LocaleNames.h"
#include "platform/MainQueue.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

struct NewOverviewScreen2024::State {
    bool viewAllUpcomingBillsPressed = false;
    bool viewAllShortcutsPressed = false;
    bool shortcutsChooserOpen = false;
    bool accountsChooserOpen = false;
    // Made when opened, so their own state survives redraws.
    std::optional<UpcomingBillsScreen> billsScreen;
    std::optional<BankingAvailabilityCard> bankingCard;
};

namespace {

std::optional<SummaryCardItemType> summaryType(OverviewItemType card) {
    switch (card) {
    case OverviewItemType::customPeriodSummary:
        return SummaryCardItemType::customPeriod;
    case OverviewItemType::weekSummary:
        return SummaryCardItemType::week;
    case OverviewItemType::monthSummary:
        return SummaryCardItemType::month;
    case OverviewItemType::yearSummary:
        return SummaryCardItemType::year;
    default:
        return std::nullopt;
    }
}

// The daily-limit card draws its own figures; in incognito mode they are blanked by their ids.
void hideDailyLimitAmounts(ui::View& view) {
    if (auto* t = view.as<ui::Text>()) {
        const auto& id = view.identifier();
        if (id == "remainingAmount" || id == "overspentAmount" || id == "spentAmount")
            t->content = std::string(hiddenAmountText);
        else if (id == "limit")
            t->content = L("Limit: ") + std::string(hiddenAmountText);
    }
    for (auto& child : view.children())
        hideDailyLimitAmounts(child);
}

} // namespace

NewOverviewScreen2024::NewOverviewScreen2024(std::shared_ptr<NewOverviewDataStore> store,
                                             std::shared_ptr<OverviewDatabase> database,
                                             std::shared_ptr<SyncManagerConformable> syncManager,
                                             NavigationRouter& router,
                                             std::shared_ptr<NavigationPath> navigationPath,
                                             std::vector<UnfinishedLinkItem> unfinishedLinks)
    : store_(std::move(store)), database_(std::move(database)), syncManager_(std::move(syncManager)),
      router_(&router),
      navigationPath_(navigationPath ? std::move(navigationPath) : std::make_shared<NavigationPath>()),
      unfinishedLinks_(std::move(unfinishedLinks)), state_(std::make_shared<State>()) {}

bool NewOverviewScreen2024::isViewAllUpcomingBillsPressed() const {
    return state_->viewAllUpcomingBillsPressed;
}
bool NewOverviewScreen2024::isViewAllShortcutsPressed() const {
    return state_->viewAllShortcutsPressed;
}
bool NewOverviewScreen2024::isShortcutsChooserOpen() const {
    return state_->shortcutsChooserOpen;
}
bool NewOverviewScreen2024::isAccountsChooserOpen() const {
    return state_->accountsChooserOpen;
}

void NewOverviewScreen2024::open(OverviewItemType card) const {
    if (card == OverviewItemType::voteNextFeature) {
        router_->present(ModalDestination::voteNextFeature);
        return;
    }
    if (card == OverviewItemType::newsletter) {
        router_->present(ModalDestination::newsletter);
        return;
    }
    store_->selection.set(card);
    auto path = navigationPath_->get();
    path.push_back(card);
    navigationPath_->set(std::move(path));
}

bool NewOverviewScreen2024::isHighlighted(OverviewItemType card) const {
    const auto& selection = store_->selection();
    return store_->highlightCardOnSelection() && selection && rawValue(*selection) == rawValue(card);
}

void NewOverviewScreen2024::handle(const ShortcutListAction& action) const {
    switch (action.kind) {
    case ShortcutListAction::Kind::deleteShortcut:
        if (action.shortcut)
            database_->deleteShortcut(*action.shortcut);
        break;
    case ShortcutListAction::Kind::makeDynamic:
        // The same entry switches the flag on and off.
        if (action.shortcut)
            database_->toggle(!action.shortcut->isDynamic, *action.shortcut);
        break;
    case ShortcutListAction::Kind::newShortcut:
        router_->present(ModalDestination::newShortcut);
        break;
    }
}

void NewOverviewScreen2024::refresh(std::function<void()> completion) const {
    syncManager_->sync([completion = std::move(completion)] {
        if (completion)
            completion();
    });
}

std::optional<ui::View> NewOverviewScreen2024::cardContent(OverviewItemType card, bool isIncognito) const {
    const auto self = *this;
    const auto store = store_;
    const auto state = state_;
    const auto& formatter = store_->formatter();
    NavigationRouter* router = router_;
    const ShortcutHandlers shortcutHandlers{[self](const ShortcutListAction& a) { self.handle(a); },
                                            [store](const Shortcut& s) { store->shortcutSelection.set(s); }};
    switch (card) {
    case OverviewItemType::quickEntry:
        return QuickEntryCardView{}.body();
    case OverviewItemType::shortcuts:
        return ShortcutsCardView{database_->shortcuts(),
                                 database_->visibleShortcutsInShortcutCard(),
                                 formatter,
                                 isIncognito,
                                 shortcutHandlers,
                                 [state] { state->viewAllShortcutsPressed = true; },
                                 [state] { state->shortcutsChooserOpen = true; }}
            .body();
    case OverviewItemType::daysUntilPayday:
        return DaysUntilCardView(
                   store_->payDate(), [router] { router->perform(OverviewModalAction::paydaySettings); },
                   isIncognito)
            .body();
    case OverviewItemType::remainingForPeriod: {
        const auto& items = store_->summaryCardItems();
        const auto it = items.find(SummaryCardItemType::remainingForPeriod);
        return RemainingForPeriodCardView(it != items.end() ? std::optional(it->second) : std::nullopt,
                                          store_->formattedPeriod(), isIncognito)
            .body();
    }
    case OverviewItemType::dailyLimit: {
        const auto& vm = store_->dailyLimitViewModel();
        if (!vm)
            return std::nullopt;
        auto view = DailyLimitCardView(vm).body();
        if (isIncognito)
            hideDailyLimitAmounts(view);
        return view;
    }
    case OverviewItemType::topCategories:
        return TopCategoriesCardView(store_->topCategories(), store_->formattedPeriod(), formatter,
                                     isIncognito)
            .body();
    case OverviewItemType::customPeriodSummary:
    case OverviewItemType::weekSummary:
    case OverviewItemType::monthSummary:
    case OverviewItemType::yearSummary: {
        const auto& items = store_->summaryCardItems();
        const auto it = items.find(*summaryType(card));
        if (it == items.end())
            return std::nullopt;
        return ReusableSummaryCardView{it->second, isIncognito}.body();
    }
    case OverviewItemType::netWorth:
        return NetWorthCardView{database_->netWorth(), formatter, isIncognito,
                                [router] { router->perform(OverviewModalAction::netWorthFilter); },
                                [router] { router->present(ModalDestination::newAccount); }}
            .body();
    case OverviewItemType::accounts:
        return AccountsCardView{store_->accounts(),
                                database_->visibleAccountsInAccountCard(),
                                database_->syncingAccountIds(),
                                formatter,
                                isIncognito,
                                store_->selectedAccountId(),
                                [store](const std::string& id) { store->selectedAccountId.set(id); },
                                [router] { router->present(ModalDestination::newAccount); },
                                [store] { store->isImportingCSVModal.set(true); },
                                [state] { state->accountsChooserOpen = true; }}
            .body();
    case OverviewItemType::academy:
    case OverviewItemType::voteNextFeature:
    case OverviewItemType::tutorials:
    case OverviewItemType::newsletter:
        return ReusableInfoCardView::forKind(card)->body();
    case OverviewItemType::goals:
        return GoalCardView{store_->goals(),
                            formatter,
                            isIncognito,
                            [store](const std::string& id) { store->selectedGoalId.set(id); },
                            [self] { self.open(OverviewItemType::goals); },
                            [router] { router->present(ModalDestination::newGoal); }}
            .body();
    case OverviewItemType::upcomingBills: {
        UpcomingBillsCardView view(database_->bills(), store_->formattedCurrentMonth(), formatter,
                                   isIncognito);
        view.onSelectBill = [store](const UpcomingBill& bill) { store->billSelection.set(bill); };
        view.onViewAll = [self, isIncognito] {
            auto& s = *self.state_;
            s.billsScreen.emplace(self.database_->bills(), self.store_->formatter(), isIncognito);
            s.billsScreen->onOpenGuide = self.onOpenGuide;
            s.billsScreen->onSelectBill = [store = self.store_](const UpcomingBill& bill) {
                store->billSelection.set(bill);
            };
            s.viewAllUpcomingBillsPressed = true;
        };
        return view.body();
    }
    }
    return std::nullopt;
}

ui::View NewOverviewScreen2024::sheets(bool isIncognito) const {
    const auto state = state_;
    const auto self = *this;
    const auto database = database_;
    std::vector<ui::View> out;

    std::vector<ui::View> bills;
    if (state->viewAllUpcomingBillsPressed && state->billsScreen)
        bills.push_back(state->billsScreen->body());
    out.push_back(ui::sheet(
                      L("Upcoming Bills"), state->viewAllUpcomingBillsPressed,
                      [state](bool on) { state->viewAllUpcomingBillsPressed = on; }, std::move(bills))
                      .id("upcomingBillsSheet"));

    std::vector<ui::View> shortcuts;
    if (state->viewAllShortcutsPressed)
        shortcuts.push_back(ShortcutListView{
            database_->shortcuts(),
            store_->formatter(),
            isIncognito,
            {[self](const ShortcutListAction& a) { self.handle(a); },
             [store = store_](const Shortcut& s) {
                 store->shortcutSelection.set(s);
             }}}.body());
    out.push_back(ui::sheet(
                      L("Shorcuts", "Title of the list of all shortcuts"), state->viewAllShortcutsPressed,
                      [state](bool on) { state->viewAllShortcutsPressed = on; }, std::move(shortcuts))
                      .id("shortcutsSheet"));

    out.push_back(ui::sheet(L("Visible shortcuts"), state->shortcutsChooserOpen,
                            [state](bool on) { state->shortcutsChooserOpen = on; },
                            {ShortcutsCardVisibilityPickerView{
                                database_->visibleShortcutsInShortcutCard(),
                                [database](int n) { database->setVisibleShortcutsInShortcutCard(n); }}
                                 .body()})
                      .id("shortcutsChooser"));

    out.push_back(
        ui::sheet(L("Visible Accounts"), state->accountsChooserOpen,
                  [state](bool on) { state->accountsChooserOpen = on; },
                  {AccountsCardVisibilityPickerView{
                      static_cast<int>(store_->accounts().size()), database_->visibleAccountsInAccountCard(),
                      [database](int n) { database->setVisibleAccountsInAccountCard(n); }}
                       .body()})
            .id("accountsChooser"));
    return ui::group(std::move(out));
}

ui::View NewOverviewScreen2024::body() const {
    const auto self = *this;
    NavigationRouter* router = router_;
    const bool isIncognito = router_->incognitomodeActive();
    std::vector<ui::View> column;

    if (!unfinishedLinks_.empty())
        column.push_back(UnfinishedLinksCard(unfinishedLinks_, onConnectLink).body());

    if (store_->onlineAccounts().empty() && !BankingAvailabilityCard::isDismissed() &&
        BankingAvailabilityCard::isAvailable(Environment::current().localeIdentifier())) {
        if (!state_->bankingCard)
            state_->bankingCard.emplace([router] { router->perform(OverviewModalAction::connectBank); },
                                        [f = onBankingCardDismiss] {
                                            if (f)
                                                f();
                                        });
        column.push_back(state_->bankingCard->body());
    }

    if (const int toReview = database_->transactionsNeedingReviewCount(); toReview > 0)
        column.push_back(
            ui::button(format(L("Review Transactions (%lld)", "Number of transactions to review"),
                              static_cast<long long>(toReview)),
                       "questionmark.circle.fill",
                       [router] { router->perform(OverviewModalAction::reviewTransactions); })
                .id("reviewTransactions"));

    for (const auto card : store_->visibleCards())
        column.push_back(overviewCardFrame(card, cardContent(card, isIncognito), isHighlighted(card),
                                           [self, card] { self.open(card); }));

    if (syncManager_->isSyncing())
        column.push_back(
            ui::hstack({ui::progressRing(syncManager_->progress()),
                        ui::text(syncManager_->refreshMessage()).font(ui::Font::caption).secondary()})
                .id("refreshIndicator"));

    column.push_back(
        ui::text(LocaleNames::capitalized(L("Overview Cards: ", "Followed by visible/all card counts") +
                                          std::to_string(store_->visibleCards().size()) + "/" +
                                          std::to_string(store_->totalNrOverviewCards())))
            .font(ui::Font::caption)
            .secondary()
            .id("cardCount"));
    column.push_back(ui::text(L("Accounts: ", "Followed by overview/all account counts") +
                              std::to_string(store_->accountsInOverview().size()) + "/" +
                              std::to_string(store_->accounts().size()))
                         .font(ui::Font::caption)
                         .secondary()
                         .id("accountCount"));

    // Built by moving: an initialiser list would copy the whole column.
    std::vector<ui::View> screen;
    screen.push_back(ui::list(std::move(column)).id("overviewList"));
    screen.push_back(ui::toolbarItem("feedback", ui::button(L("Feedback"), "envelope", [router] {
                                         router->present(ModalDestination::feedback);
                                     })));
    screen.push_back(ui::toolbarItem("settings", ui::button(L("Settings"), "gearshape", [router] {
                                         router->present(ModalDestination::settings);
                                     })));
    screen.push_back(ui::toolbarItem(
        "edit", ui::button(L("Edit"), [router] { router->perform(OverviewModalAction::editCards); })));
    screen.push_back(ui::toolbarItem(
        "incognito", ui::hstack({ui::image(isIncognito ? "eyeglasses.slash" : "eyeglasses"),
                                 ui::toggle(L("Incognito Mode"), isIncognito,
                                            [router](bool on) { router->incognitomodeActive.set(on); })})));
    screen.push_back(ui::button(L("New Transaction"), "plus", [router] {
                         router->present(ModalDestination::newTransaction);
                     }).id("floatingActionButton"));
    screen.push_back(sheets(isIncognito));
    return ui::navigationTitle(L("Overview"), std::move(screen));
}

NewOverviewScreen2024 makeLoadedOverviewScreen(std::shared_ptr<OverviewDatabase> database,
                                               std::shared_ptr<SyncManagerConformable> syncManager,
                                               ManualMainQueue& queue, NavigationRouter& router) {
    const auto calendar = Calendar::current();
    const Date now = Environment::current().now();
    const auto cards = allCases<OverviewItemType>();
    auto store =
        NewOverviewDataStore::create(database, std::vector<OverviewItemType>(cards.begin(), cards.end()), now,
                                     DateInterval{startOfMonth(now, calendar), endOfMonth(now, calendar)},
                                     static_cast<int>(cards.size()), makeAppBasedCurrencyFormatter());
    while (store->isLoading() && queue.runUntilIdle() > 0) {
    }
    return NewOverviewScreen2024(std::move(store), std::move(database), std::move(syncManager), router,
                                 std::make_shared<NewOverviewScreen2024::NavigationPath>());
}

} // namespace zt
