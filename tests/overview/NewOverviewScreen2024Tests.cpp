#include "OverviewScreenTestDatabase.h"
#include "ZTSwiftUIComponents/overview/NewOverviewScreen2024.h"
#include "mocks/LoadedOverview.h"
#include "mocks/MockSyncManager.h"
#include "platform/Calendar.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using ::testing::ElementsAre;

namespace {

const std::vector<OverviewItemType> everyCard = [] {
    const auto all = allCases<OverviewItemType>();
    return std::vector<OverviewItemType>(all.begin(), all.end());
}();

class NewOverviewScreen2024Test : public ::testing::Test {
protected:
    test::PinnedEnvironment pinned{
        {.timeZone = "America/New_York", .now = test::at(2025, 5, 10, 14, 0, 0, "America/New_York")}};
    std::shared_ptr<ManualMainQueue> queue = pinned.queue;
    std::shared_ptr<InMemoryUserDefaults> defaults = pinned.defaults;
    ConsoleCapture console;
    std::shared_ptr<overviewtest::OverviewScreenTestDatabase> db =
        std::make_shared<overviewtest::OverviewScreenTestDatabase>();
    std::shared_ptr<MockSyncManager> sync = std::make_shared<MockSyncManager>();
    NavigationRouter router;
    std::shared_ptr<NewOverviewScreen2024::NavigationPath> path =
        std::make_shared<NewOverviewScreen2024::NavigationPath>();

    NewOverviewScreen2024 make(std::vector<OverviewItemType> cards = everyCard) {
        const auto calendar = Calendar::current();
        const Date now = Environment::current().now();
        auto store = NewOverviewDataStore::create(
            db, std::move(cards), now,
            DateInterval{*calendar.date(2025, 5, 1), *calendar.date(2025, 5, 31, 23)}, 18,
            NumberFormatter::currency("en_US", "USD"));
        queue->drain();
        return NewOverviewScreen2024(store, db, sync, router, path);
    }
    static bool isEmptySlot(const ui::View& body, OverviewItemType card) {
        const auto& slot = ui::find(body, ui::byId(std::string(rawValue(card))));
        return slot.is<ui::Group>() && slot.children().empty();
    }
};

} // namespace

TEST_F(NewOverviewScreen2024Test, CardsFollowVisibleCardsAndMissingDataKeepsAnEmptySlot) {
    db->makesDailyLimit = false;
    db->summaries =
        SummaryCardItems{{SummaryCardItemType::month, {"Month", "May", "$1", "$2", "5%", 0.5, {}, "$3"}}};
    const auto screen =
        make({OverviewItemType::netWorth, OverviewItemType::dailyLimit, OverviewItemType::weekSummary,
              OverviewItemType::monthSummary, OverviewItemType::remainingForPeriod});
    const auto body = screen.body();
    std::vector<std::string> order;
    for (const auto& child : ui::find(body, ui::byId("overviewList")).children())
        if (!child.identifier().empty())
            order.push_back(child.identifier());
    EXPECT_THAT(order, ElementsAre("bankingAvailability", "netWorth", "dailyLimit", "weekSummary",
                                   "monthSummary", "remainingForPeriod", "cardCount", "accountCount"));
    EXPECT_TRUE(isEmptySlot(body, OverviewItemType::dailyLimit));
    EXPECT_TRUE(isEmptySlot(body, OverviewItemType::weekSummary));
    EXPECT_FALSE(isEmptySlot(body, OverviewItemType::monthSummary));
    EXPECT_TRUE(ui::exists(body, "no data for remainingForPeriod"));
    EXPECT_TRUE(ui::exists(body, "Overview Cards: 5/18"));
    EXPECT_TRUE(ui::exists(body, "Accounts: 2/" + std::to_string(db->accountList.size())));
}

TEST_F(NewOverviewScreen2024Test, IncognitoModeHidesEveryAmountOnEveryCard) {
    for (int i = 0; i < 5; ++i)
        db->billList.push_back(UpcomingBill{"b" + std::to_string(i),
                                            "Bill",
                                            10.0 + i,
                                            Environment::current().now() + 86400.0 * i,
                                            "",
                                            "",
                                            "",
                                            {}});
    db->goalList = WidgetGoal::demoGoals();
    const auto screen = make();
    const auto hasAmount = [](const ui::View& body) {
        for (const auto& t : ui::visibleTexts(body))
            if (t.find('$') != std::string::npos || t.find("€") != std::string::npos ||
                t.find("£") != std::string::npos)
                return true;
        return false;
    };
    ASSERT_TRUE(hasAmount(screen.body()));
    ASSERT_TRUE(ui::exists(screen.body(), ui::byId("spentAmount")));

    ui::flip(screen.body(), ui::byId("incognito"));
    EXPECT_TRUE(router.incognitomodeActive());
    const auto hidden = screen.body();
    EXPECT_FALSE(hasAmount(hidden));
    EXPECT_EQ(ui::find(hidden, ui::byId("netWorth")).children().size(), 1u); // the card still draws
    EXPECT_EQ(ui::findAs<ui::Image>(hidden, ui::byId("incognito")).symbol, "eyeglasses.slash");

    // The bills screen opened from the card hides them too.
    ui::press(hidden, ui::byId("viewAllBills"));
    EXPECT_FALSE(hasAmount(screen.body()));
    ui::flip(screen.body(), ui::byId("incognito"));
    EXPECT_TRUE(hasAmount(screen.body()));
}

TEST_F(NewOverviewScreen2024Test, ShortcutActionsReachTheDatabase) {
    const auto screen = make({OverviewItemType::shortcuts});
    auto body = screen.body();
    // Coffee is dynamic, groceries is not: the same entry switches the flag either way.
    ui::press(ui::find(body, ui::byId("shortcut-coffee")), "Make Dynamic");
    ui::press(ui::find(body, ui::byId("shortcut-groceries")), "Make Dynamic");
    ui::press(ui::find(body, ui::byId("shortcut-fuel")), "Delete");
    EXPECT_THAT(db->calls, ElementsAre("toggle off shortcut-coffee", "toggle on shortcut-groceries",
                                       "delete shortcut-fuel"));

    // The full list acts the same, on shortcuts the grid does not show.
    ui::press(body, ui::byId("viewAllShortcuts"));
    EXPECT_TRUE(screen.isViewAllShortcutsPressed());
    body = screen.body();
    EXPECT_TRUE(ui::exists(body, "Shorcuts"));
    ui::press(ui::find(ui::find(body, ui::byId("shortcutsSheet")), ui::byId("shortcut-salary")), "Delete");
    EXPECT_EQ(db->calls.back(), "delete shortcut-salary");
    ui::press(body, "New Shortcut");
    EXPECT_EQ(router.modalDestination(), ModalDestination::newShortcut);

    ui::press(body, ui::byId("chooseVisibleShortcuts"));
    ui::choose(screen.body(), ui::byId("visibleShortcutsPicker"), "6");
    EXPECT_EQ(db->visibleShortcutsInShortcutCard(), 6);

    db->shortcutList.clear();
    router.dismissModal();
    ui::press(make({OverviewItemType::shortcuts}).body(), "Create Shortcut");
    EXPECT_EQ(router.modalDestination(), ModalDestination::newShortcut);
}

TEST_F(NewOverviewScreen2024Test, TappingACardSelectsAndNavigatesExceptTheModalOnes) {
    const auto screen = make();
    ui::press(screen.body(), ui::byId("topCategories"));
    ui::press(screen.body(), ui::byId("goals"));
    EXPECT_THAT(path->get(), ElementsAre(OverviewItemType::topCategories, OverviewItemType::goals));
    EXPECT_EQ(screen.store()->selection(), OverviewItemType::goals);
    EXPECT_FALSE(ui::findAs<ui::Card>(screen.body(), ui::byId("goals")).highlighted);
    screen.store()->highlightCardOnSelection.set(true);
    EXPECT_TRUE(ui::findAs<ui::Card>(screen.body(), ui::byId("goals")).highlighted);
    EXPECT_FALSE(ui::findAs<ui::Card>(screen.body(), ui::byId("topCategories")).highlighted);

    ui::press(screen.body(), ui::byId("voteNextFeature"));
    EXPECT_EQ(router.modalDestination(), ModalDestination::voteNextFeature);
    ui::press(screen.body(), ui::byId("newsletter"));
    EXPECT_EQ(router.modalDestination(), ModalDestination::newsletter);
    EXPECT_EQ(path->get().size(), 2u);
    EXPECT_EQ(screen.store()->selection(), OverviewItemType::goals);
}

TEST_F(NewOverviewScreen2024Test, AccountsCardSelectionsImportAndChooser) {
    db->syncing = {db->accountList[0].id};
    const auto screen = make({OverviewItemType::accounts});
    auto body = screen.body();
    ui::press(body, ui::byId(db->accountList[1].id));
    EXPECT_EQ(screen.store()->selectedAccountId(), db->accountList[1].id);
    ui::press(body, ui::byId("importCSV"));
    EXPECT_TRUE(screen.store()->isImportingCSVModal());
    EXPECT_EQ(ui::findAll(body, ui::byAccessibilityLabel("Syncing")).size(), 1u);
    ui::press(body, ui::byId("chooseVisibleAccounts"));
    EXPECT_TRUE(screen.isAccountsChooserOpen());
    ui::choose(screen.body(), ui::byId("visibleAccountsPicker"), "2");
    EXPECT_EQ(db->visibleAccountsInAccountCard(), 2);
    EXPECT_EQ(defaults->integer("visibleAccountsInAccountCard"), 2);
}

TEST_F(NewOverviewScreen2024Test, BankCardUntilDismissedAndOnlyWithoutOnlineAccounts) {
    auto screen = make({});
    int dismissed = 0;
    screen.onBankingCardDismiss = [&] { ++dismissed; };
    auto body = screen.body();
    EXPECT_FALSE(ui::exists(body, "Read-only access to transactions"));
    ui::press(body, "Learn More");
    body = screen.body();
    EXPECT_TRUE(ui::exists(body, "Read-only access to transactions"));
    EXPECT_TRUE(ui::exists(body, "Show Less"));
    ui::press(body, "Connect Bank");
    EXPECT_EQ(router.overviewModalAction(), OverviewModalAction::connectBank);
    ui::press(body, ui::byId("dismissBankingCard"));
    EXPECT_EQ(dismissed, 1);
    EXPECT_TRUE(defaults->boolean("bankingAvailabilityCardDismissed"));
    EXPECT_FALSE(ui::exists(screen.body(), "Connect your bank"));

    defaults->removeObject("bankingAvailabilityCardDismissed");
    db->accountList.push_back(WidgetAccount::onlineBankingDemo());
    EXPECT_FALSE(ui::exists(make({}).body(), "Connect your bank"));
}

TEST_F(NewOverviewScreen2024Test, ToolbarLinksPullToRefreshAndReviewCount) {
    std::vector<std::string> connected;
    auto screen =
        NewOverviewScreen2024(make({}).store(), db, sync, router, path, {{"link-1", Date{0}, "First Bank"}});
    screen.onConnectLink = [&](const std::string& id) { connected.push_back(id); };
    ui::press(ui::find(screen.body(), ui::byId("link-1")), "Connect");
    EXPECT_THAT(connected, ElementsAre("link-1"));

    ui::press(screen.body(), ui::byId("floatingActionButton"));
    EXPECT_EQ(router.modalDestination(), ModalDestination::newTransaction);
    ui::press(screen.body(), "Settings");
    EXPECT_EQ(router.modalDestination(), ModalDestination::settings);
    ui::press(screen.body(), "Edit");
    EXPECT_EQ(router.overviewModalAction(), OverviewModalAction::editCards);
    EXPECT_FALSE(ui::exists(screen.body(), ui::byId("reviewTransactions")));
    db->reviewCount = 3;
    ui::press(screen.body(), "Review Transactions (3)");
    EXPECT_EQ(router.overviewModalAction(), OverviewModalAction::reviewTransactions);

    bool finished = false;
    screen.refresh([&] { finished = true; });
    queue->runUntilIdle();
    EXPECT_TRUE(ui::exists(screen.body(), ui::byId("refreshIndicator")));
    EXPECT_TRUE(ui::exists(screen.body(), ui::byTextContaining("Syncing...")));
    queue->drain();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(ui::exists(screen.body(), ui::byId("refreshIndicator")));
}

TEST_F(NewOverviewScreen2024Test, PreviewBuildsTheLoadedDemoOverviewInGerman) {
    const Environment::Override german({.locale = "de_DE"});
    const auto screen =
        makeLoadedOverviewScreen(std::make_shared<MockOverviewDatabase>(), sync, *queue, router);
    EXPECT_FALSE(screen.store()->isLoading());
    const auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, "Übersicht"));
    EXPECT_TRUE(ui::exists(body, "Schnelleingabe"));
    EXPECT_FALSE(ui::find(body, ui::byId("dailyLimit")).children().empty());
}
