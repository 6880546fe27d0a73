#include "HostFileTest.h"
#include "ZTSwiftUIComponents/budgets/BudgetsScreen2025.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryErrorManager.h"
#include "host-sqlite/HostBudgetPeriod.h"
#include "host-sqlite/HostBudgetsStore.h"
#include "host-sqlite/HostSeeder.h"
#include "host-sqlite/HostTransactionEntryViewModel.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <cmath>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zt {
namespace {

using test::at;
using ::testing::ElementsAre;
using State = HostBudgetPeriod::State;

HostBudgetPeriod period(BudgetInterval interval, Date start, Date now, std::optional<Date> end = {}) {
    return hostBudgetPeriod(interval, start, end, now, Calendar("Europe/Berlin"));
}

TEST(HostBudgetPeriodTest, MonthsFromAMonthEndClampWithoutCreeping) {
    const Date start = at(2024, 1, 31, 15); // the time of day does not matter
    EXPECT_EQ(period(BudgetInterval::month, start, at(2024, 2, 28)),
              (HostBudgetPeriod{at(2024, 1, 31, 0), at(2024, 2, 29, 0), State::running}));
    EXPECT_EQ(period(BudgetInterval::month, start, at(2024, 3, 30)),
              (HostBudgetPeriod{at(2024, 2, 29, 0), at(2024, 3, 31, 0), State::running}))
        << "the next boundary is 31 March again, not 29";
    EXPECT_EQ(period(BudgetInterval::month, at(2025, 1, 31), at(2025, 3, 1)).start, at(2025, 2, 28, 0));
    EXPECT_EQ(period(BudgetInterval::year, at(2024, 2, 29), at(2025, 5, 15)).start, at(2025, 2, 28, 0));
}

TEST(HostBudgetPeriodTest, DaysAndWeeksStayOnMidnightAcrossDaylightSavingChanges) {
    // Berlin's clocks go forward on 30 March 2025 and back on 26 October 2025.
    const Calendar berlin("Europe/Berlin");
    const auto week = period(BudgetInterval::week, at(2025, 3, 24), at(2025, 3, 31, 0, 30));
    EXPECT_EQ(week, (HostBudgetPeriod{at(2025, 3, 31, 0), at(2025, 4, 7, 0), State::running}));
    EXPECT_EQ(period(BudgetInterval::week, at(2025, 3, 24), at(2025, 3, 30, 23, 59)).start,
              at(2025, 3, 24, 0));
    EXPECT_EQ(week.remainingDays(at(2025, 4, 6, 23, 59), berlin), 1) << "the last day counts";
    const auto longDay = period(BudgetInterval::day, at(2025, 10, 1), at(2025, 10, 26, 23, 30));
    EXPECT_EQ(longDay.end->secondsSinceReferenceDate - longDay.start.secondsSinceReferenceDate, 25 * 3600);
}

TEST(HostBudgetPeriodTest, UpcomingEndedAndOneOffBudgets) {
    const Calendar berlin("Europe/Berlin");
    const auto upcoming = period(BudgetInterval::month, at(2025, 6, 10), at(2025, 5, 15));
    EXPECT_EQ(upcoming, (HostBudgetPeriod{at(2025, 6, 10, 0), at(2025, 7, 10, 0), State::upcoming}));
    EXPECT_EQ(upcoming.remainingDays(at(2025, 5, 15), berlin), std::nullopt);
    // Ended on 20 April: the last period is cut at the end of that day.
    const auto ended = period(BudgetInterval::month, at(2025, 1, 10), at(2025, 5, 15), at(2025, 4, 20, 8));
    EXPECT_EQ(ended, (HostBudgetPeriod{at(2025, 4, 10, 0), at(2025, 4, 21, 0), State::ended}));
    EXPECT_EQ(ended.remainingDays(at(2025, 5, 15), berlin), 0);
    EXPECT_EQ(period(BudgetInterval::once, at(2025, 5, 1), at(2025, 5, 15), at(2025, 5, 31)).end,
              at(2025, 6, 1, 0));
    EXPECT_EQ(period(BudgetInterval::once, at(2025, 5, 1), at(2030, 1, 1)).end, std::nullopt) << "forever";
}

// Budgets on a seeded file (now is 15 May 2025 12:00 in Berlin) without the seeded budgets and
// without demo transactions in Health and Travel, checked again from a fresh connection.
class HostBudgetsTest : public test::HostFileTest {
protected:
    HostBudgetsTest() : HostFileTest("zt-host-budgets") {}

    std::shared_ptr<HostBudgetsStore> store = std::make_shared<HostBudgetsStore>(database);

    void SetUp() override {
        TransactionEntryErrorManager::resetShared();
        ASSERT_TRUE(seedDemoData(*database));
        database->connection().execute("DELETE FROM budgets; DELETE FROM transactions WHERE category_id IN "
                                       "('cat-health', 'cat-travel')");
    }

    void reopen() {
        store.reset();
        reopenDatabase();
        store = std::make_shared<HostBudgetsStore>(database);
        store->load();
    }

    int added = 0;
    void expense(const std::string& category, std::optional<std::string> subcategory, double amount,
                 Date date, const std::function<void(HostTransaction&)>& adjust = {}) {
        HostTransaction t;
        t.id = "test-" + std::to_string(++added);
        t.accountId = "acc-wallet";
        t.categoryId = category;
        t.subcategoryId = std::move(subcategory);
        t.amount = t.amountInAppCurrency = amount;
        t.date = date;
        if (adjust)
            adjust(t);
        database->insertTransaction(t);
    }

    static NewBudget budget(std::string category, BudgetInterval interval, Date start, double limit = 100) {
        NewBudget b;
        b.id = "budget-test";
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

TEST_F(HostBudgetsTest, ABudgetMadeOnTheScreenShowsANewExpenseAfterReopening) {
    {
        const BudgetsScreen2025 screen(store);
        ui::press(screen.body(), ui::byAccessibilityLabel("New Budget"));
        ui::press(screen.body(), ui::byId("selectCategory"));
        ui::press(screen.body(), ui::byId("select-cat-health"));
        ui::press(screen.body(), "Confirm");
        ui::typeText(screen.body(), ui::byId("budgetAmount"), "300");
        ui::press(screen.body(), "Done");
        EXPECT_EQ(only().spent, 0);

        HostTransactionEntryViewModel entry(std::make_shared<HostOverviewDatabase>(database));
        entry.setSelectedAccount(entry.accounts().front());
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
    EXPECT_EQ(textOf(body, "dailyBudget"), "$8.21"); // 254.50 over the 31 days to 14 June
}

TEST_F(HostBudgetsTest, SpentCountsTheCurrentPeriodsExpensesOfTheChosenSubcategories) {
    auto weekly = budget("cat-restaurants", BudgetInterval::week, at(2025, 5, 5)); // Mondays
    weekly.categories.additionalCategories.push_back({"cat-travel", "Travel", "", 0, 0, {}});
    weekly.categories.selectedSubcategories = {"sub-lunch"};
    store->save(weekly);
    database->connection().execute("DELETE FROM transactions WHERE category_id = 'cat-restaurants'");
    expense("cat-travel", {}, 1, at(2025, 5, 12, 0));      // the period's first instant
    expense("cat-travel", {}, 2, at(2025, 5, 11, 23, 59)); // the week before
    expense("cat-travel", {}, 4, at(2025, 5, 19, 0));      // next week
    expense("cat-restaurants", "sub-lunch", 8, at(2025, 5, 18, 23, 59));
    expense("cat-restaurants", "sub-coffee", 16, at(2025, 5, 13)); // not chosen
    expense("cat-restaurants", {}, 32, at(2025, 5, 13));           // no subcategory
    // Neither transfers, excluded transactions nor income count.
    expense("cat-travel", {}, 64, at(2025, 5, 13), [](HostTransaction& t) { t.isTransfer = true; });
    expense("cat-travel", {}, 64, at(2025, 5, 13),
            [](HostTransaction& t) { t.isExcludedFromCalculations = true; });
    expense("cat-travel", {}, 64, at(2025, 5, 13), [](HostTransaction& t) { t.isExpense = false; });
    reopen();
    EXPECT_EQ(only().spent, 9);
    EXPECT_EQ(only().remainingDays, 4);
    EXPECT_EQ(only().dailyBudget, 91.0 / 4);
    std::vector<double> listed;
    for (const auto& t : store->transactions(only(), at(2025, 5, 12, 0), at(2025, 5, 20)))
        listed.push_back(t->amount());
    EXPECT_THAT(listed, ElementsAre(4, 8, 1)) << "covered expenses from the first instant on, newest first";
}

TEST_F(HostBudgetsTest, RolloverCarriesWhatEarlierPeriodsLeftButNeverADebt) {
    for (const auto* category : {"cat-travel", "cat-health"}) {
        auto rollover = budget(category, BudgetInterval::month, at(2025, 2, 1));
        rollover.id = category;
        rollover.isRollover = true;
        store->save(rollover);
    }
    // Travel: February leaves 100, March 200 - 130 = 70, April 170 - 150 = 20.
    expense("cat-travel", {}, 130, at(2025, 3, 31, 23, 59));
    expense("cat-travel", {}, 150, at(2025, 4, 1, 0));
    // Health: March 200 - 330 leaves nothing, April 100 - 50 = 50.
    expense("cat-health", {}, 330, at(2025, 3, 15));
    expense("cat-health", {}, 50, at(2025, 4, 30));
    expense("cat-health", {}, 10, at(2025, 5, 1, 0));
    reopen();
    ASSERT_EQ(store->budgets().size(), 2u);
    EXPECT_EQ(store->budgets()[0].limit, 120);
    EXPECT_EQ(store->budgets()[1].limit, 150);
    EXPECT_EQ(store->budgets()[1].remaining, 140);
}

TEST_F(HostBudgetsTest, AnEditFromTheDetailsKeepsTheIdAndWhatTheFormDidNotChange) {
    auto stored = budget("cat-restaurants", BudgetInterval::twoWeeks, at(2025, 4, 28), 150);
    stored.isRollover = true;
    stored.endDate = at(2025, 12, 31);
    stored.categories.selectedSubcategories = {"sub-lunch"};
    stored.subcategoryBudgets = {{"sub-lunch", 90}};
    store->save(stored);
    {
        const BudgetsScreen2025 screen(store);
        ui::press(screen.body(), "Test");
        ui::press(screen.body(), "Edit");
        ui::typeText(screen.body(), ui::byId("budgetAmount"), "175");
        ui::press(screen.body(), "Done");
    }
    reopen();
    auto edited = store->budgetForEditing(only());
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->categories.category.id, "cat-restaurants");
    edited->categories = stored.categories; // the chooser's records of the same ids
    stored.limit = 175;
    EXPECT_EQ(*edited, stored);

    const BudgetsScreen2025 screen(store);
    ui::press(screen.body(), ui::byId("delete-budget-test"));
    reopen();
    EXPECT_TRUE(store->budgets().empty());
    EXPECT_EQ(database->connection().integer("SELECT count(*) FROM budget_subcategories"), 0);
}

TEST_F(HostBudgetsTest, AmountsThatCannotBeStoredLeaveTheFileUnchanged) {
    using Reason = HostDatabaseError::Reason;
    auto bad = budget("cat-travel", BudgetInterval::month, at(2025, 5, 1), 80);
    store->save(bad);
    const auto refusal = [&]() -> std::optional<Reason> {
        try {
            store->save(bad);
        } catch (const HostDatabaseError& e) {
            return e.reason();
        }
        return std::nullopt;
    };
    bad.limit = std::nan("");
    EXPECT_EQ(refusal(), Reason::invalidRecord);
    bad.limit = 99;
    bad.subcategoryBudgets = {{"sub-lunch", INFINITY}};
    EXPECT_EQ(refusal(), Reason::invalidRecord);
    bad.subcategoryBudgets.clear();
    bad.categories.category.id = "cat-gone"; // fails after the budget's row was written: all undone
    EXPECT_EQ(refusal(), Reason::storeFailed);
    reopen();
    EXPECT_EQ(only().limit, 80);
    EXPECT_THAT(only().categoryIds, ElementsAre("cat-travel"));
}

} // namespace
} // namespace zt
