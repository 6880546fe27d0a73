#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/overview/NewOverviewDataStore.h"
#include "mocks/MockOverviewDatabase.h"
#include "platform/Calendar.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using ::testing::ElementsAre;

namespace {

class MockOverviewDatabaseTest : public ::testing::Test {
protected:
    std::shared_ptr<ManualMainQueue> queue = std::make_shared<ManualMainQueue>();
    std::shared_ptr<InMemoryUserDefaults> defaults = std::make_shared<InMemoryUserDefaults>();
    Environment::Override environment{{.locale = "en_US",
                                       .timeZone = "America/New_York",
                                       .now = Date::fromUnixSeconds(1747310400), // 15 May 2025
                                       .mainQueue = queue,
                                       .userDefaults = defaults}};
    ConsoleCapture console;
};

} // namespace

TEST_F(MockOverviewDatabaseTest, CardCountsComeFromUserDefaultsAndAreWrittenBack) {
    MockOverviewDatabase db;
    EXPECT_EQ(db.visibleAccountsInAccountCard(), 5);
    EXPECT_EQ(db.visibleShortcutsInShortcutCard(), 4);
    db.setVisibleAccountsInAccountCard(7);
    db.setVisibleShortcutsInShortcutCard(0);
    EXPECT_EQ(defaults->integer("visibleAccountsInAccountCard"), 7);
    const MockOverviewDatabase later;
    EXPECT_EQ(later.visibleAccountsInAccountCard(), 7);
    EXPECT_EQ(later.visibleShortcutsInShortcutCard(), 0); // a stored 0 is not a missing value
}

TEST_F(MockOverviewDatabaseTest, FetchesAnswerLaterOnTheMainQueueWithTheDemoRecords) {
    MockOverviewDatabase db;
    std::vector<WidgetAccount> inOverview;
    ReportTransactionList today;
    std::vector<TopCategory> top;
    SummaryCardItems summaries;
    db.fetchAccountsInOverview([&](auto a) { inOverview = a; });
    db.fetchTodayTransactions({"no-such-account"}, [&](auto t) { today = t; });
    db.fetchTopCategories([&](auto c) { top = c; });
    db.reloadSummaryCardItems([&](auto s) { summaries = s; });
    EXPECT_TRUE(inOverview.empty() && today.empty() && top.empty()); // never synchronously
    queue->runUntilIdle();

    const auto accounts = WidgetAccount::demo();
    EXPECT_EQ(inOverview, std::vector(accounts.begin(), accounts.begin() + 2));
    const auto all = db.fetchTransactions();
    EXPECT_EQ(today, ReportTransactionList(all.begin(), all.begin() + 2));
    // Only the last seven days wait for review, not the whole demo year.
    const Date weekAgo = Calendar::current().startOfDay(Environment::current().now() - 6 * 86400.0);
    const auto lastWeek = std::ranges::count_if(all, [&](const auto& t) {
        return t->date() >= weekAgo && t->date() <= Environment::current().now();
    });
    EXPECT_EQ(db.transactionsNeedingReviewCount(), static_cast<int>(lastWeek));
    EXPECT_GT(lastWeek, 0);
    EXPECT_LT(db.transactionsNeedingReviewCount(), static_cast<int>(all.size()) / 4);
    ASSERT_EQ(top.size(), 4u);
    EXPECT_EQ(top[0], (TopCategory{"Groceries", 150, top[0].color}));
    EXPECT_EQ(top[3].name + std::to_string(int(top[3].amountSpent)), "Transport50");

    ASSERT_EQ(summaries.size(), 5u);
    EXPECT_EQ(summaries.at(SummaryCardItemType::remainingForPeriod).title, "remaingForPeriod");
    EXPECT_EQ(summaries.at(SummaryCardItemType::customPeriod).period, "customPeriodSummary");
    const auto& week = summaries.at(SummaryCardItemType::week);
    EXPECT_EQ(week.title + week.expense + week.income + week.percentage, "Week$200$0200%");
    EXPECT_DOUBLE_EQ(week.progress, 2.0);
}

TEST_F(MockOverviewDatabaseTest, AStoreOverTheDemoDatabaseLoadsEverything) {
    const Calendar calendar = Calendar::current();
    auto db = std::make_shared<MockOverviewDatabase>();
    const auto store =
        NewOverviewDataStore::create(db, {OverviewItemType::dailyLimit}, Environment::current().now(),
                                     {*calendar.date(2025, 5, 1), *calendar.date(2025, 5, 31, 23, 59, 59)},
                                     18, makeAppBasedCurrencyFormatter());
    queue->runUntilIdle();
    EXPECT_FALSE(store->isLoading());
    EXPECT_EQ(store->accounts(), WidgetAccount::demo());
    EXPECT_EQ(store->goals(), WidgetGoal::demoGoals());
    const auto& vm = store->dailyLimitViewModel();
    ASSERT_NE(vm, nullptr);
    EXPECT_DOUBLE_EQ(vm->dailyLimit(), 100);
    EXPECT_EQ(vm->calculationType(), DailyLimitCalculationType::custom);
    EXPECT_DOUBLE_EQ(vm->calculator().dailyBudget(), 200);
    EXPECT_DOUBLE_EQ(vm->automaticDailyBudget(), 100);
    EXPECT_EQ(vm->items().size(), 2u);
    EXPECT_EQ(vm->currencyFormatter().currencyCode(), appCurrencyCode());
    // The view model (and so the storage's line) is made before the load is announced.
    EXPECT_THAT(console.lines(),
                ElementsAre("updateAmount(_:)", "Accounts inside NewOverviewDataStore reload(database:) = " +
                                                    std::to_string(WidgetAccount::demo().size())));
    vm->updateDailyLimit(std::nullopt);
    EXPECT_EQ(console.lines().back(), "updateAmount(_:)");
    EXPECT_EQ(console.lines()[2], "updateDailyLimitCalculationType(_:)");
}

TEST_F(MockOverviewDatabaseTest, AddedTransactionsCountInTodayTheMonthsFiguresAndTheNetWorth) {
    MockOverviewDatabase db;
    const Date now = Environment::current().now();
    const auto added = [](std::string id, double amount, bool expense, bool transfer, Date date,
                          std::string category) {
        return std::make_shared<ReportTransaction>(
            id, amount, std::nullopt, std::nullopt, category, "cart", "c", std::nullopt, std::nullopt,
            expense, transfer, date, "acc", "Checking", std::nullopt, std::nullopt, false, false, false);
    };
    std::vector<std::string> heard;
    double lastSeen = db.netWorth();
    db.onDataChanged = [&] {
        heard.push_back("data");
        lastSeen = db.netWorth();
    };
    const auto s = db.objectWillChange.observe([&] {
        heard.push_back("object");
        EXPECT_EQ(db.netWorth(), lastSeen) << "announced before the change";
    });
    const double netWorth = db.netWorth();

    db.add(added("lunch", 15.5, true, false, now, "Groceries"));
    db.add(added("gift", 40, true, false, now - 86400, "Gifts"));
    db.add(added("salary", 20, false, false, now, "Salary"));
    db.add(added("move", 500, true, true, now, "Transfer"));
    db.add(added("april", 999, true, false, now - 40 * 86400, "Groceries"));
    EXPECT_EQ(heard.size(), 10u);
    EXPECT_EQ(heard[0], "object");
    EXPECT_EQ(heard[1], "data");
    EXPECT_DOUBLE_EQ(db.netWorth(), netWorth - 15.5 - 40 + 20 - 999);
    EXPECT_EQ(db.fetchTransactions().front()->identifier(), "april");

    ReportTransactionList today;
    std::vector<TopCategory> top;
    SummaryCardItems summary;
    db.fetchTodayTransactions({}, [&](ReportTransactionList t) { today = std::move(t); });
    db.fetchTopCategories([&](std::vector<TopCategory> t) { top = std::move(t); });
    db.reloadSummaryCardItems([&](SummaryCardItems s) { summary = std::move(s); });
    queue->runUntilIdle();
    ASSERT_EQ(today.size(), 5u); // the two demo ones, then today's lunch, salary and transfer
    EXPECT_EQ(today[2]->identifier(), "lunch");
    ASSERT_EQ(top.size(), 5u);
    EXPECT_EQ(top[0].name, "Groceries");
    EXPECT_DOUBLE_EQ(top[0].amountSpent, 165.5);
    EXPECT_EQ(top[4].name, "Gifts"); // a new category takes its place by amount
    EXPECT_EQ(summary.at(SummaryCardItemType::remainingForPeriod).difference, "$64.50");
    EXPECT_EQ(summary.at(SummaryCardItemType::week).difference, "+$100");
}
