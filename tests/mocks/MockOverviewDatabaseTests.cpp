#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/overview/NewOverviewDataStore.h"
#include "mocks/MockDailyLimitCalculator.h"
#include "mocks/MockDailyLimitStorage.h"
#include "mocks/MockOverviewDatabase.h"
#include "platform/Calendar.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class MockOverviewDatabaseTest : public ::testing::Test {
protected:
    std::shared_ptr<ManualMainQueue> queue = std::make_shared<ManualMainQueue>();
    std::shared_ptr<InMemoryUserDefaults> defaults = std::make_shared<InMemoryUserDefaults>();
    Environment::Override environment{{.locale = "en_US",
                                       .timeZone = "America/New_York",
                                       .now = Date::fromUnixSeconds(1747310400), // 2025-05-15 12:00 UTC
                                       .mainQueue = queue,
                                       .userDefaults = defaults}};
    ConsoleCapture console;
};

} // namespace

TEST_F(MockOverviewDatabaseTest, CardCountsComeFromUserDefaultsAndAreWrittenBack) {
    MockOverviewDatabase fresh;
    EXPECT_EQ(fresh.visibleAccountsInAccountCard(), 5);
    EXPECT_EQ(fresh.visibleShortcutsInShortcutCard(), 4);
    EXPECT_FALSE(defaults->contains("visibleAccountsInAccountCard"));

    int changes = 0;
    auto sub = fresh.objectDidChange.observe([&] { ++changes; });
    fresh.setVisibleAccountsInAccountCard(7);
    fresh.setVisibleShortcutsInShortcutCard(8);
    EXPECT_EQ(defaults->integer("visibleAccountsInAccountCard"), 7);
    EXPECT_EQ(defaults->integer("visibleShortcutsInShortcutCard"), 8);
    EXPECT_EQ(changes, 2);

    const MockOverviewDatabase later;
    EXPECT_EQ(later.visibleAccountsInAccountCard(), 7);
    EXPECT_EQ(later.visibleShortcutsInShortcutCard(), 8);

    // Zero is a stored value, not a missing one.
    defaults->set("visibleShortcutsInShortcutCard", 0);
    EXPECT_EQ(MockOverviewDatabase().visibleShortcutsInShortcutCard(), 0);
}

TEST_F(MockOverviewDatabaseTest, FetchesAnswerOnTheMainQueueWithTheDemoRecords) {
    MockOverviewDatabase db;
    std::optional<std::vector<WidgetAccount>> all, inOverview;
    std::optional<ReportTransactionList> today;
    db.fetchAccounts([&](auto accounts) { all = std::move(accounts); });
    db.fetchAccountsInOverview([&](auto accounts) { inOverview = std::move(accounts); });
    db.fetchTodayTransactions({"no-such-account"},
                              [&](auto transactions) { today = std::move(transactions); });
    EXPECT_FALSE(all || inOverview || today); // never synchronously
    queue->runUntilIdle();

    ASSERT_TRUE(all && inOverview && today);
    EXPECT_EQ(*all, WidgetAccount::demo());
    ASSERT_EQ(inOverview->size(), 2u);
    EXPECT_EQ((*inOverview)[0], (*all)[0]);
    EXPECT_EQ((*inOverview)[1], (*all)[1]);

    const auto transactions = db.fetchTransactions();
    ASSERT_GE(transactions.size(), 2u);
    ASSERT_EQ(today->size(), 2u); // whatever the ids
    EXPECT_EQ((*today)[0], transactions[0]);
    EXPECT_EQ((*today)[1], transactions[1]);
    EXPECT_EQ(db.transactionsNeedingReviewCount(), static_cast<int>(transactions.size()));

    double sum = 0;
    for (const auto& t : transactions)
        sum += t->amount();
    EXPECT_DOUBLE_EQ(db.netWorth(), sum);
    db.calculateNetWorth();
    EXPECT_DOUBLE_EQ(db.netWorth(), sum);
    EXPECT_THAT(db.syncingAccountIds(), IsEmpty());
    EXPECT_EQ(db.shortcuts(), Shortcut::demo());
    EXPECT_EQ(db.bills(), UpcomingBill::demoBills());
}

TEST_F(MockOverviewDatabaseTest, TopCategoriesAndSummaryCards) {
    MockOverviewDatabase db;
    std::vector<TopCategory> categories;
    SummaryCardItems summaries;
    db.fetchTopCategories([&](auto c) { categories = std::move(c); });
    db.reloadSummaryCardItems([&](auto s) { summaries = std::move(s); });
    queue->runUntilIdle();

    std::vector<std::string> names;
    std::vector<double> amounts;
    for (const auto& c : categories) {
        names.push_back(c.name);
        amounts.push_back(c.amountSpent);
    }
    EXPECT_THAT(names, ElementsAre("Groceries", "Entertainment", "Utilities", "Transport"));
    EXPECT_THAT(amounts, ElementsAre(150, 100, 75, 50));

    ASSERT_EQ(summaries.size(), 5u);
    const std::vector<std::pair<SummaryCardItemType, std::string>> expected{
        {SummaryCardItemType::week, "Week"},
        {SummaryCardItemType::month, "Month"},
        {SummaryCardItemType::year, "Year"},
        {SummaryCardItemType::remainingForPeriod, "remaingForPeriod"},
        {SummaryCardItemType::customPeriod, "customPeriodSummary"}};
    for (const auto& [key, title] : expected) {
        ASSERT_TRUE(summaries.count(key)) << title;
        const auto& item = summaries.at(key);
        EXPECT_EQ(item.title, title);
        EXPECT_EQ(item.period, title);
        EXPECT_EQ(item.expense, "$200");
        EXPECT_EQ(item.income, "$0");
        EXPECT_EQ(item.percentage, "200%");
        EXPECT_DOUBLE_EQ(item.progress, 2.0);
        EXPECT_FALSE(item.difference.empty());
    }

    Environment::Override german({.locale = "de_DE"});
    EXPECT_EQ(MockOverviewDatabase::demoSummaryCardItems().at(SummaryCardItemType::week).percentage,
              "200\u00a0%");
}

TEST_F(MockOverviewDatabaseTest, DailyLimitViewModelIsACustomHundredOverTheDemoCalculator) {
    MockOverviewDatabase db;
    const auto today = db.fetchTransactions();
    const auto vm = db.makeDailyLimitViewModel({}, {today[0], today[1]});
    ASSERT_NE(vm, nullptr);
    EXPECT_DOUBLE_EQ(vm->dailyLimit(), 100);
    EXPECT_EQ(vm->calculationType(), DailyLimitCalculationType::custom);
    EXPECT_DOUBLE_EQ(vm->calculator().dailyBudget(), 200);
    EXPECT_EQ(vm->items().size(), 2u);
    EXPECT_EQ(vm->currencyFormatter().currencyCode(), appCurrencyCode());
    EXPECT_THAT(console.lines(), ElementsAre("updateAmount(_:)"));
    EXPECT_DOUBLE_EQ(vm->automaticDailyBudget(), 100);
}

TEST_F(MockOverviewDatabaseTest, AStoreOverTheDemoDatabaseLoadsEverything) {
    const Calendar calendar = Calendar::current();
    const DateInterval may{*calendar.date(2025, 5, 1), *calendar.date(2025, 5, 31, 23, 59, 59)};
    auto db = std::make_shared<MockOverviewDatabase>();
    const auto store =
        NewOverviewDataStore::create(db, {OverviewItemType::dailyLimit}, Environment::current().now(), may,
                                     18, makeAppBasedCurrencyFormatter());
    queue->runUntilIdle();
    EXPECT_FALSE(store->isLoading());
    EXPECT_EQ(store->accounts(), WidgetAccount::demo());
    EXPECT_EQ(store->accountsInOverview().size(), 2u);
    EXPECT_EQ(store->goals(), WidgetGoal::demoGoals());
    EXPECT_EQ(store->topCategories().size(), 4u);
    EXPECT_EQ(store->summaryCardItems().size(), 5u);
    ASSERT_NE(store->dailyLimitViewModel(), nullptr);
    EXPECT_DOUBLE_EQ(store->dailyLimitViewModel()->dailyLimit(), 100);
    EXPECT_EQ(store->payDate(), *calendar.date(2025, 6, 1, 23, 59, 59));
    EXPECT_EQ(store->formattedPeriod(), "May 2025");
    EXPECT_THAT(console.lines(), ElementsAre("Accounts inside NewOverviewDataStore reload(database:) = " +
                                                 std::to_string(WidgetAccount::demo().size()),
                                             "updateAmount(_:)"));
    // The demo never calls its change callbacks, but the store has installed them.
    EXPECT_TRUE(db->onDataChanged);
    EXPECT_TRUE(db->onSettingsChanged);
}

TEST_F(MockOverviewDatabaseTest, DemoDailyLimitCalculatorAndStorage) {
    MockDailyLimitCalculator calculator;
    EXPECT_DOUBLE_EQ(calculator.dailyBudget(), 200);
    calculator.setDailyBudget(35);
    EXPECT_DOUBLE_EQ(calculator.dailyBudget(), 35);
    EXPECT_DOUBLE_EQ(calculator.remainingBudget(Date{0}), 100);
    calculator.updateExpenses(500, Date{0});
    EXPECT_DOUBLE_EQ(calculator.remainingBudget(Date{1e9}), 100);

    MockDailyLimitStorage storage;
    storage.updateDailyLimitCalculationType(DailyLimitCalculationType::automatic);
    storage.updateAmount(12);
    EXPECT_THAT(console.lines(), ElementsAre("updateDailyLimitCalculationType(_:)", "updateAmount(_:)"));
}
