#include "NewOverviewScreen2024.h"

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
    std::shared_ptr<NewOverviewDataStore> store;
    std::shared_ptr<OverviewDatabase> database;
    NavigationRouter* router;
    std::shared_ptr<NavigationPath> navigationPath;

    bool viewAllUpcomingBillsPressed = false;
    bool viewAllShortcutsPressed = false;
    bool shortcutsChooserOpen = false;
    bool accountsChooserOpen = false;
    // Made when opened, so their own state survives redraws.
    std::optional<UpcomingBillsScreen> billsScreen{};
    std::optional<BankingAvailabilityCard> bankingCard{};

    void open(OverviewItemType card) {
        if (card == OverviewItemType::voteNextFeature)
            return router->present(ModalDestination::voteNextFeature);
        if (card == OverviewItemType::newsletter)
            return router->present(ModalDestination::newsletter);
        store->selection.set(card);
        auto path = navigationPath->get();
        path.push_back(card);
        navigationPath->set(std::move(path));
    }

    void handle(const ShortcutListAction& action) {
        switch (action.kind) {
        case ShortcutListAction::Kind::deleteShortcut:
            if (action.shortcut)
                database->deleteShortcut(*action.shortcut);
            break;
        case ShortcutListAction::Kind::makeDynamic:
            // The same entry switches the flag on and off.
            if (action.shortcut)
                database->toggle(!action.shortcut->isDynamic, *action.shortcut);
            break;
        case ShortcutListAction::Kind::newShortcut:
            router->present(ModalDestination::newShortcut);
            break;
        }
    }
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

} // namespace

NewOverviewScreen2024::NewOverviewScreen2024(std::shared_ptr<NewOverviewDataStore> store,
                                             std::shared_ptr<OverviewDatabase> database,
                                             std::shared_ptr<SyncManagerConformable> syncManager,
                                             NavigationRouter& router,
                                             std::shared_ptr<NavigationPath> navigationPath,
                                             std::vector<UnfinishedLinkItem> unfinishedLinks)
    : syncManager_(std::move(syncManager)), unfinishedLinks_(std::move(unfinishedLinks)),
      state_(State{.store = std::move(store),
                   .database = std::move(database),
                   .router = &router,
                   .navigationPath =
                       navigationPath ? std::move(navigationPath) : std::make_shared<NavigationPath>()}) {}

const std::shared_ptr<NewOverviewDataStore>& NewOverviewScreen2024::store() const {
    return state_->store;
}

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
    state_->open(card);
}

bool NewOverviewScreen2024::isHighlighted(OverviewItemType card) const {
    const auto& store = *state_->store;
    const auto& selection = store.selection();
    return store.highlightCardOnSelection() && selection && rawValue(*selection) == rawValue(card);
}

void NewOverviewScreen2024::handle(const ShortcutListAction& action) const {
    state_->handle(action);
}

void NewOverviewScreen2024::refresh(std::function<void()> completion) const {
    syncManager_->sync([completion = std::move(completion)] {
        if (completion)
            completion();
    });
}

std::optional<ui::View> NewOverviewScreen2024::cardContent(OverviewItemType card, bool isIncognito) const {
    const State& state = *state_;
    const NewOverviewDataStore& store = *state.store;
    const OverviewDatabase& database = *state.database;
    const auto& formatter = store.formatter();
    NavigationRouter* router = state.router;
    const ShortcutHandlers shortcutHandlers{
        state_.action([](State& s, const ShortcutListAction& a) { s.handle(a); }),
        state_.action([](State& s, const Shortcut& shortcut) { s.store->shortcutSelection.set(shortcut); })};
    switch (card) {
    case OverviewItemType::quickEntry:
        return QuickEntryCardView{}.body();
    case OverviewItemType::shortcuts:
        return ShortcutsCardView{database.shortcuts(),
                                 database.visibleShortcutsInShortcutCard(),
                                 formatter,
                                 isIncognito,
                                 shortcutHandlers,
                                 state_.setter(&State::viewAllShortcutsPressed, true),
                                 state_.setter(&State::shortcutsChooserOpen, true)}
            .body();
    case OverviewItemType::daysUntilPayday:
        return DaysUntilCardView(
                   store.payDate(), [router] { router->perform(OverviewModalAction::paydaySettings); },
                   isIncognito)
            .body();
    case OverviewItemType::remainingForPeriod: {
        const auto& items = store.summaryCardItems();
        const auto it = items.find(SummaryCardItemType::remainingForPeriod);
        return RemainingForPeriodCardView(it != items.end() ? std::optional(it->second) : std::nullopt,
                                          store.formattedPeriod(), isIncognito)
            .body();
    }
    case OverviewItemType::dailyLimit: {
        const auto& vm = store.dailyLimitViewModel();
        if (!vm)
            return std::nullopt;
        return DailyLimitCardView(vm, isIncognito).body();
    }
    case OverviewItemType::topCategories:
        return TopCategoriesCardView(store.topCategories(), store.formattedPeriod(), formatter, isIncognito)
            .body();
    case OverviewItemType::customPeriodSummary:
    case OverviewItemType::weekSummary:
    case OverviewItemType::monthSummary:
    case OverviewItemType::yearSummary: {
        const auto& items = store.summaryCardItems();
        const auto it = items.find(*summaryType(card));
        if (it == items.end())
            return std::nullopt;
        return ReusableSummaryCardView{it->second, isIncognito}.body();
    }
    case OverviewItemType::netWorth:
        return NetWorthCardView{database.netWorth(), formatter, isIncognito,
                                [router] { router->perform(OverviewModalAction::netWorthFilter); },
                                [router] { router->present(ModalDestination::newAccount); }}
            .body();
    case OverviewItemType::accounts:
        return AccountsCardView{
            store.accounts(),
            database.visibleAccountsInAccountCard(),
            database.syncingAccountIds(),
            formatter,
            isIncognito,
            store.selectedAccountId(),
            state_.action([](State& s, const std::string& id) { s.store->selectedAccountId.set(id); }),
            [router] { router->present(ModalDestination::newAccount); },
            state_.action([](State& s) { s.store->isImportingCSVModal.set(true); }),
            state_.setter(&State::accountsChooserOpen, true)}
            .body();
    case OverviewItemType::academy:
    case OverviewItemType::voteNextFeature:
    case OverviewItemType::tutorials:
    case OverviewItemType::newsletter:
        return ReusableInfoCardView::forKind(card)->body();
    case OverviewItemType::goals:
        return GoalCardView{
            store.goals(),
            formatter,
            isIncognito,
            state_.action([](State& s, const std::string& id) { s.store->selectedGoalId.set(id); }),
            state_.action([](State& s) { s.open(OverviewItemType::goals); }),
            [router] { router->present(ModalDestination::newGoal); }}
            .body();
    case OverviewItemType::upcomingBills: {
        UpcomingBillsCardView view(database.bills(), store.formattedCurrentMonth(), formatter, isIncognito);
        const auto selectBill =
            state_.action([](State& s, const UpcomingBill& bill) { s.store->billSelection.set(bill); });
        view.onSelectBill = selectBill;
        view.onViewAll = state_.action([isIncognito, selectBill, onOpenGuide = onOpenGuide](State& s) {
            s.billsScreen.emplace(s.database->bills(), s.store->formatter(), isIncognito);
            s.billsScreen->onOpenGuide = onOpenGuide;
            s.billsScreen->onSelectBill = selectBill;
            s.viewAllUpcomingBillsPressed = true;
        });
        return view.body();
    }
    }
    return std::nullopt;
}

ui::View NewOverviewScreen2024::sheets(bool isIncognito) const {
    const State& state = *state_;
    std::vector<ui::View> out;

    std::vector<ui::View> bills;
    if (state.viewAllUpcomingBillsPressed && state.billsScreen)
        bills.push_back(state.billsScreen->body());
    out.push_back(ui::sheet(L("Upcoming Bills"), state.viewAllUpcomingBillsPressed,
                            state_.binding(&State::viewAllUpcomingBillsPressed), std::move(bills))
                      .id("upcomingBillsSheet"));

    std::vector<ui::View> shortcuts;
    if (state.viewAllShortcutsPressed)
        shortcuts.push_back(ShortcutListView{
            state.database->shortcuts(),
            state.store->formatter(),
            isIncognito,
            {state_.action([](State& s, const ShortcutListAction& a) { s.handle(a); }),
             state_.action([](State& s, const Shortcut& shortcut) {
                 s.store->shortcutSelection.set(shortcut);
             })}}.body());
    out.push_back(ui::sheet(L("Shorcuts", "Title of the list of all shortcuts"),
                            state.viewAllShortcutsPressed, state_.binding(&State::viewAllShortcutsPressed),
                            std::move(shortcuts))
                      .id("shortcutsSheet"));

    out.push_back(
        ui::sheet(L("Visible shortcuts"), state.shortcutsChooserOpen,
                  state_.binding(&State::shortcutsChooserOpen),
                  {ShortcutsCardVisibilityPickerView{state.database->visibleShortcutsInShortcutCard(),
                                                     state_.action([](State& s, int n) {
                                                         s.database->setVisibleShortcutsInShortcutCard(n);
                                                     })}
                       .body()})
            .id("shortcutsChooser"));

    out.push_back(
        ui::sheet(L("Visible Accounts"), state.accountsChooserOpen,
                  state_.binding(&State::accountsChooserOpen),
                  {AccountsCardVisibilityPickerView{
                      static_cast<int>(state.store->accounts().size()),
                      state.database->visibleAccountsInAccountCard(),
                      state_.action([](State& s, int n) { s.database->setVisibleAccountsInAccountCard(n); })}
                       .body()})
            .id("accountsChooser"));
    return ui::group(std::move(out));
}

ui::View NewOverviewScreen2024::body() const {
    const State& state = *state_;
    const NewOverviewDataStore& store = *state.store;
    NavigationRouter* router = state.router;
    const bool isIncognito = router->incognitomodeActive();
    std::vector<ui::View> column;

    if (!unfinishedLinks_.empty())
        column.push_back(UnfinishedLinksCard(unfinishedLinks_, onConnectLink).body());

    if (store.onlineAccounts().empty() && !BankingAvailabilityCard::isDismissed() &&
        BankingAvailabilityCard::isAvailable(Environment::current().localeIdentifier())) {
        if (!state.bankingCard)
            state_->bankingCard.emplace([router] { router->perform(OverviewModalAction::connectBank); },
                                        onBankingCardDismiss);
        column.push_back(state.bankingCard->body());
    }

    if (const int toReview = state.database->transactionsNeedingReviewCount(); toReview > 0)
        column.push_back(
            ui::button(format(L("Review Transactions (%lld)", "Number of transactions to review"),
                              static_cast<long long>(toReview)),
                       "questionmark.circle.fill",
                       [router] { router->perform(OverviewModalAction::reviewTransactions); })
                .id("reviewTransactions"));

    for (const auto card : store.visibleCards())
        column.push_back(overviewCardFrame(card, cardContent(card, isIncognito), isHighlighted(card),
                                           state_.action([card](State& s) { s.open(card); })));

    if (syncManager_->isSyncing())
        column.push_back(
            ui::hstack({ui::progressRing(syncManager_->progress()),
                        ui::text(syncManager_->refreshMessage()).font(ui::Font::caption).secondary()})
                .id("refreshIndicator"));

    column.push_back(
        ui::text(LocaleNames::capitalized(L("Overview Cards: ", "Followed by visible/all card counts") +
                                          std::to_string(store.visibleCards().size()) + "/" +
                                          std::to_string(store.totalNrOverviewCards())))
            .font(ui::Font::caption)
            .secondary()
            .id("cardCount"));
    column.push_back(ui::text(L("Accounts: ", "Followed by overview/all account counts") +
                              std::to_string(store.accountsInOverview().size()) + "/" +
                              std::to_string(store.accounts().size()))
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

} // namespace zt
