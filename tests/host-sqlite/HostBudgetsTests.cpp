#include "ZTSwiftUIComponents/budgets/BudgetsScreen2025.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryErrorManager.h"
#include "host-sqlite/HostBudgetPeriod.h"
#include "host-sqlite/HostBudgetsStore.h"
#include "host-sqlite/HostOverviewDatabase.h"
#include "host-sqlite/HostSeeder.h"
#include "host-sqlite/HostTransactionEntryViewModel.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zt {
namespace {

using test::at;
using ::testing::ElementsAre;
using State = HostBudgetPeriod::State;

class HostBudgetPeriodTest : public test::PinnedTest {
protected:
    Calendar berlin{"Europe/Berlin"};

    HostBudgetPeriod period(BudgetInterval interval, Date start, Date now, std::optional<Date> end = {}) {
        return hostBudgetPeriod(interval, start, end, now, berlin);
    }
};

TEST_F(HostBudgetPeriodTest, MonthsCountFromAMonthEndStartWithoutCreeping) {
    const Date start = at(2024, 1, 31, 15); // the time of day does not matter
    EXPECT_EQ(period(BudgetInterval::month, start, at(2024, 2, 28)),
              (HostBudgetPeriod{at(2024, 1, 31, 0), at(2024, 2, 29, 0), State::running}))
        << "leap year";
    EXPECT_EQ(period(BudgetInterval::month, start, at(2024, 2, 29, 0)).start, at(2024, 2, 29, 0));
    EXPECT_EQ(period(BudgetInterval::month, start, at(2024, 3, 30)),
              (HostBudgetPeriod{at(2024, 2, 29, 0), at(2024, 3, 31, 0), State::running}))
        << "the next boundary is 31 March again, not 29";
    EXPECT_EQ(period(BudgetInterval::month, at(2025, 1, 31), at(2025, 3, 1)),
              (HostBudgetPeriod{at(2025, 2, 28, 0), at(2025, 3, 31, 0), State::running}));
    EXPECT_EQ(period(BudgetInterval::threeMonths, start, at(2025, 5, 15)),
              (HostBudgetPeriod{at(2025, 4, 30, 0), at(2025, 7, 31, 0), State::running}));
    EXPECT_EQ(period(BudgetInterval::year, at(2024, 2, 29), at(2025, 5, 15)),
              (HostBudgetPeriod{at(2025, 2, 28, 0), at(2026, 2, 28, 0), State::running}));
}

TEST_F(HostBudgetPeriodTest, DaysAndWeeksStayOnMidnightAcrossDaylightSavingChanges) {
    // Clocks go forward on 30 March 2025 and back on 26 October 2025 in Berlin.
    const auto week = period(BudgetInterval::week, at(2025, 3, 24), at(2025, 3, 31, 0, 30));
    EXPECT_EQ(week, (HostBudgetPeriod{at(2025, 3, 31, 0), at(2025, 4, 7, 0), State::running}));
    EXPECT_EQ(period(BudgetInterval::week, at(2025, 3, 24), at(2025, 3, 30, 23, 59)).start,
              at(2025, 3, 24, 0))
        << "the short week ends after 167 hours";
    EXPECT_EQ(week.remainingDays(at(2025, 3, 31, 0, 30), berlin), 7);
    EXPECT_EQ(week.remainingDays(at(2025, 4, 6, 23, 59), berlin), 1) << "the last day counts";

    const auto longDay = period(BudgetInterval::day, at(2025, 10, 1), at(2025, 10, 26, 23, 30));
    EXPECT_EQ(longDay, (HostBudgetPeriod{at(2025, 10, 26, 0), at(2025, 10, 27, 0), State::running}));
    EXPECT_EQ(longDay.end->secondsSinceReferenceDate - longDay.start.secondsSinceReferenceDate, 25 * 3600);
    EXPECT_EQ(period(BudgetInterval::twoWeeks, at(2025, 10, 20), at(2025, 11, 3, 0)).start,
              at(2025, 11, 3, 0));

    // The same instant is another day in another zone.
    const Calendar newYork("America/New_York");
    EXPECT_EQ(hostBudgetPeriod(BudgetInterval::day, at(2025, 5, 1), std::nullopt, at(2025, 5, 15, 3), newYork)
                  .start,
              at(2025, 5, 14, 0, 0, 0, "America/New_York"));
}

TEST_F(HostBudgetPeriodTest, UpcomingEndedAndOneOffBudgets) {
    const auto upcoming = period(BudgetInterval::month, at(2025, 6, 10), at(2025, 5, 15));
    EXPECT_EQ(upcoming, (HostBudgetPeriod{at(2025, 6, 10, 0), at(2025, 7, 10, 0), State::upcoming}));
    EXPECT_EQ(upcoming.remainingDays(at(2025, 5, 15), berlin), std::nullopt);

    // Ended on 20 April: the last period is cut at the end of that day.
    const auto ended = period(BudgetInterval::month, at(2025, 1, 10), at(2025, 5, 15), at(2025, 4, 20, 8));
    EXPECT_EQ(ended, (HostBudgetPeriod{at(2025, 4, 10, 0), at(2025, 4, 21, 0), State::ended}));
    EXPECT_EQ(ended.remainingDays(at(2025, 5, 15), berlin), 0);
    EXPECT_EQ(period(BudgetInterval::month, at(2025, 1, 10), at(2025, 4, 20, 23, 59), at(2025, 4, 20)).state,
              State::running)
        << "the end date's whole day belongs to the budget";

    const auto once = period(BudgetInterval::once, at(2025, 5, 1), at(2025, 5, 15), at(2025, 5, 31));
    EXPECT_EQ(once, (HostBudgetPeriod{at(2025, 5, 1, 0), at(2025, 6, 1, 0), State::running}));
    EXPECT_EQ(once.remainingDays(at(2025, 5, 15), berlin), 17);
    const auto forever = period(BudgetInterval::once, at(2025, 5, 1), at(2030, 1, 1));
    EXPECT_EQ(forever.end, std::nullopt);
    EXPECT_EQ(forever.remainingDays(at(2030, 1, 1), berlin), std::nullopt);
}

// The budgets of a seeded file (now is 15 May 2025 12:00 in Berlin), through the budgets screen,
// and again from a fresh connection to the file.
class HostBudgetsTest : public test::PinnedTest {
protected:
    test::TemporaryDirectory folder{"zt-host-budgets"};
    std::string file = (folder / "host.sqlite").string();
    std::shared_ptr<HostDatabase> database;
    std::shared_ptr<HostBudgetsStore> store;

    void SetUp() override {
        TransactionEntryErrorManager::resetShared();
        database = std::make_shared<HostDatabase>(file);
        ASSERT_TRUE(seedDemoData(*database));
        // Budgets of categories the demo leaves alone in May, so every figure below is known.
        database->connection().execute(
            "DELETE FROM transactions WHERE category_id IN ('cat-health', 'cat-travel')");
        store = std::make_shared<HostBudgetsStore>(database);
        // The tests below start without budgets; the seeded ones are kept for the first.
        store->load();
        seeded = store->budgets();
        database->connection().execute("DELETE FROM budgets");
        store->load();
    }

    std::vector<WidgetBudget> seeded;

    void reopen() {
        store.reset();
        database.reset();
        database = std::make_shared<HostDatabase>(file);
        store = std::make_shared<HostBudgetsStore>(database);
    }

    int expenses = 0;
    void expense(const std::string& category, std::optional<std::string> subcategory, double amount,
                 Date date, bool transfer = false, bool excluded = false, bool isExpense = true) {
        HostTransaction t;
        t.id = "test-" + std::to_string(++expenses);
        t.accountId = "acc-wallet";
        t.categoryId = category;
        t.subcategoryId = std::move(subcategory);
        t.amount = t.amountInAppCurrency = amount;
        t.date = date;
        t.isTransfer = transfer;
        t.isExcludedFromCalculations = excluded;
        t.isExpense = isExpense;
        database->insertTransaction(t);
    }

    NewBudget budget(std::string category, BudgetInterval interval, Date start, double limit = 100) {
        NewBudget b;
        b.name = "Test";
        b.limit = limit;
        b.interval = interval;
        b.startDate = start;
        b.categories.category.id = std::move(category);
        return b;
    }

    const WidgetBudget& only() {
        EXPECT_EQ(store->budgets().size(), 1u);
        return store->budgets().at(0);
    }

    static const std::string& textOf(const ui::View& body, const std::string& id) {
        return ui::findAs<ui::Text>(body, ui::byId(id)).content;
    }
};

TEST_F(HostBudgetsTest, TheSeededBudgetsSpendWhatTheOverviewShowsForTheMonth) {
    ASSERT_EQ(seeded.size(), WidgetBudget::demoBudgets().size());
    HostOverviewDatabase overview(database);
    std::vector<TopCategory> top;
    overview.fetchTopCategories([&](std::vector<TopCategory> categories) { top = std::move(categories); });
    queue().drain();
    const auto& groceries = seeded.at(0);
    EXPECT_EQ(groceries.name, "Groceries");
    EXPECT_EQ(groceries.remainingDays, 17) << "the calendar month: 15 to 31 May";
    const auto shown =
        std::find_if(top.begin(), top.end(), [](const auto& c) { return c.name == "Groceries"; });
    ASSERT_NE(shown, top.end());
    EXPECT_GT(groceries.spent, 0);
    EXPECT_NEAR(groceries.spent, shown->amountSpent, 1e-9);
}

TEST_F(HostBudgetsTest, ABudgetMadeOnTheScreenShowsANewExpenseAfterReopening) {
    {
        const BudgetsScreen2025 screen(store);
        ui::press(screen.body(), ui::byAccessibilityLabel("New Budget"));
        ui::press(screen.body(), ui::byId("selectCategory"));
        ui::press(screen.body(), ui::byId("select-cat-health"));
        ui::press(screen.body(), "Confirm");
        ui::typeText(screen.body(), ui::byId("budgetAmount"), "300");
        ui::press(screen.body(), "Done");
        ASSERT_EQ(store->budgets().size(), 1u);
        EXPECT_EQ(only().spent, 0);

        auto overview = std::make_shared<HostOverviewDatabase>(database);
        HostTransactionEntryViewModel entry(overview);
        for (const auto& account : entry.accounts())
            if (account.id == "acc-wallet")
                entry.setSelectedAccount(account);
        entry.selectedCategoryName.set("Health");
        entry.amountText.set("45.50");
        entry.date.set(at(2025, 5, 15, 9));
        ASSERT_TRUE(entry.save());
    }
    reopen();
    const BudgetsScreen2025 screen(store);
    auto body = screen.body();
    EXPECT_EQ(textOf(body, "amounts"), "$254.50 of $300.00");
    EXPECT_EQ(textOf(body, "remainingDays"), "31 days left") << "the form starts a monthly budget today";
    ui::press(body, "Health");
    body = screen.body();
    EXPECT_EQ(textOf(body, "spent"), "$45.50");
    EXPECT_EQ(textOf(body, "remaining"), "$254.50");
    EXPECT_EQ(textOf(body, "dailyBudget"), "$8.21"); // 254.50 over the 31 days to 14 June
    EXPECT_THAT(ui::visibleTexts(ui::find(body, "Latest Transactions")), ::testing::Contains("Health"));
}

TEST_F(HostBudgetsTest, SpentCountsTheCurrentPeriodsExpensesOnly) {
    store->save(budget("cat-travel", BudgetInterval::week, at(2025, 5, 5))); // Mondays
    expense("cat-travel", {}, 10, at(2025, 5, 12, 0));                       // the period's first instant
    expense("cat-travel", {}, 20, at(2025, 5, 11, 23, 59));                  // the week before
    expense("cat-travel", {}, 40, at(2025, 5, 18, 23, 59));                  // the period's last minute
    expense("cat-travel", {}, 80, at(2025, 5, 19, 0));                       // next week
    expense("cat-travel", {}, 160, at(2025, 5, 13), true);                   // a transfer
    expense("cat-travel", {}, 320, at(2025, 5, 13), false, true);            // excluded
    expense("cat-travel", {}, 640, at(2025, 5, 13), false, false, false);    // income
    expense("cat-health", {}, 1280, at(2025, 5, 13));                        // another category
    reopen();
    store->load();
    EXPECT_EQ(only().spent, 50);
    EXPECT_EQ(only().remaining, 50);
    EXPECT_EQ(only().remainingDays, 4);
    EXPECT_EQ(only().dailyBudget, 12.5);

    // Over budget: nothing left per day.
    expense("cat-travel", {}, 70, at(2025, 5, 14));
    store->load();
    EXPECT_EQ(only().remaining, -20);
    EXPECT_EQ(only().dailyBudget, 0);

    // The budget's transactions in a range: covered expenses only, newest first.
    const auto listed = store->transactions(only(), at(2025, 5, 11, 0), at(2025, 5, 18, 23, 59));
    std::vector<double> amounts;
    for (const auto& t : listed)
        amounts.push_back(t->amount());
    EXPECT_THAT(amounts, ElementsAre(40, 70, 10, 20));
}

TEST_F(HostBudgetsTest, ChosenSubcategoriesLimitWhatTheirCategoryCounts) {
    auto custom = budget("cat-health", BudgetInterval::month, at(2025, 5, 1), 500);
    custom.budgetType = BudgetType::custom;
    custom.categories.category.id = "cat-restaurants";
    custom.categories.additionalCategories.push_back({"cat-travel", "Travel", "", 0, 0, {}});
    custom.categories.selectedSubcategories = {"sub-lunch", "sub-dinner"};
    custom.subcategoryBudgets = {{"sub-lunch", 100}, {"sub-dinner", 50}};
    database->connection().execute("DELETE FROM transactions WHERE category_id = 'cat-restaurants'");
    expense("cat-restaurants", "sub-lunch", 1, at(2025, 5, 3));
    expense("cat-restaurants", "sub-dinner", 2, at(2025, 5, 3));
    expense("cat-restaurants", "sub-coffee", 4, at(2025, 5, 3)); // not chosen
    expense("cat-restaurants", {}, 8, at(2025, 5, 3));           // no subcategory
    expense("cat-travel", {}, 16, at(2025, 5, 3));               // a whole category
    store->save(custom);
    reopen();
    store->load();
    EXPECT_EQ(only().spent, 19);
    EXPECT_THAT(only().categoryIds, ElementsAre("cat-restaurants", "cat-travel"));
    const auto stored = store->budgetForEditing(only());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->subcategoryBudgets, custom.subcategoryBudgets);
    EXPECT_EQ(stored->categories.selectedSubcategories, custom.categories.selectedSubcategories);
    EXPECT_EQ(stored->budgetType, BudgetType::custom);
}

TEST_F(HostBudgetsTest, EditingFromTheDetailsKeepsTheIdAndWhatTheFormDidNotChange) {
    auto weekly = budget("cat-restaurants", BudgetInterval::twoWeeks, at(2025, 4, 28), 150);
    weekly.name = "Eating Out";
    weekly.isRollover = true;
    weekly.endDate = at(2025, 12, 31);
    weekly.categories.selectedSubcategories = {"sub-lunch"};
    weekly.subcategoryBudgets = {{"sub-lunch", 90}};
    store->save(weekly);
    store->save(budget("cat-travel", BudgetInterval::month, at(2025, 5, 1)));
    const auto id = store->budgets().front().id;
    {
        const BudgetsScreen2025 screen(store);
        ui::press(screen.body(), "Eating Out");
        ui::press(screen.body(), "Edit");
        EXPECT_EQ(ui::findAs<ui::Picker>(screen.body(), ui::byId("period")).selectedOption()->title,
                  "2 Weeks");
        ui::typeText(screen.body(), ui::byId("budgetAmount"), "175");
        ui::press(screen.body(), "Done");
    }
    reopen();
    store->load();
    ASSERT_EQ(store->budgets().size(), 2u);
    EXPECT_EQ(store->budgets().front().id, id) << "same budget, same place";
    EXPECT_EQ(store->budgets().front().limit, 175);
    auto expected = weekly;
    expected.id = id;
    expected.limit = 175;
    const auto stored = store->budgetForEditing(store->budgets().front());
    ASSERT_TRUE(stored);
    expected.categories = stored->categories; // the chooser's full records of the same ids
    EXPECT_EQ(*stored, expected);
    EXPECT_EQ(stored->categories.category.id, "cat-restaurants");
}

TEST_F(HostBudgetsTest, RemovalOnTheScreenDeletesTheBudgetAndItsCoverage) {
    auto withSubcategory = budget("cat-restaurants", BudgetInterval::month, at(2025, 5, 1));
    withSubcategory.id = "budget-test";
    withSubcategory.categories.selectedSubcategories = {"sub-lunch"};
    store->save(withSubcategory);
    const auto before = store->budgets().size();
    int announced = 0;
    auto subscription = store->objectWillChange.observe([&] { ++announced; });
    const BudgetsScreen2025 screen(store);
    ui::press(screen.body(), ui::byId("delete-budget-test"));
    EXPECT_GE(announced, 1);
    reopen();
    store->load();
    EXPECT_EQ(store->budgets().size(), before - 1);
    auto& sql = database->connection();
    EXPECT_EQ(sql.integer("SELECT count(*) FROM budget_categories WHERE budget_id = 'budget-test'"), 0);
    EXPECT_EQ(sql.integer("SELECT count(*) FROM budget_subcategories WHERE budget_id = 'budget-test'"), 0);
}

TEST_F(HostBudgetsTest, AmountsThatCannotBeStoredLeaveTheFileUnchanged) {
    auto stored = budget("cat-travel", BudgetInterval::month, at(2025, 5, 1), 80);
    stored.id = "budget-test";
    store->save(stored);
    const auto expect = [&](NewBudget bad, HostDatabaseError::Reason reason) {
        try {
            store->save(bad);
            ADD_FAILURE() << "stored";
        } catch (const HostDatabaseError& e) {
            EXPECT_EQ(e.reason(), reason) << e.what();
        }
    };
    auto bad = stored;
    bad.limit = std::nan("");
    expect(bad, HostDatabaseError::Reason::invalidRecord);
    bad.limit = -5;
    expect(bad, HostDatabaseError::Reason::invalidRecord);
    bad = stored;
    bad.categories.selectedSubcategories = {"sub-lunch"};
    bad.subcategoryBudgets = {{"sub-lunch", INFINITY}};
    expect(bad, HostDatabaseError::Reason::invalidRecord);
    bad = stored;
    bad.limit = 99;
    bad.categories.category.id = "cat-gone"; // no such category: the whole save is undone
    expect(bad, HostDatabaseError::Reason::storeFailed);
    reopen();
    WidgetBudget key;
    key.id = "budget-test";
    const auto kept = store->budgetForEditing(key);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->limit, 80);
    EXPECT_EQ(kept->categories.category.id, "cat-travel");
}

} // namespace
} // namespace zt
