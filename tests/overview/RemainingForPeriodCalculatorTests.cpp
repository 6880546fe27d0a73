#include "ZTSwiftUIComponents/overview/RemainingForPeriodCalculator.h"
#include "platform/Environment.h"
#include "support/TransactionBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iterator>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::Field;

namespace {

static_assert(std::random_access_iterator<TransactionSelection::const_iterator>);
static_assert(std::random_access_iterator<RunningSeries::const_iterator>);

constexpr const char* periodZone = "Europe/Berlin";

Date periodAt(int y, int m, int d, int h = 0, int min = 0, int s = 0, const char* tz = periodZone) {
    return *Calendar(tz).date(y, m, d, h, min, s);
}

std::shared_ptr<ReportTransaction> periodTx(const std::string& id, double amount, bool isExpense, Date date,
                                            const std::string& category = "Food", bool isTransfer = false) {
    return test::transaction({.id = id,
                              .amount = amount,
                              .categoryName = category,
                              .categoryImageName = category + ".icon",
                              .categoryId = "c-" + category,
                              .isExpense = isExpense,
                              .isTransfer = isTransfer,
                              .date = date});
}

class RemainingForPeriodCalculatorTest : public ::testing::Test {
protected:
    Environment::Override env{{.locale = "en_US", .timeZone = periodZone, .now = periodAt(2025, 6, 15, 12)}};
};

TEST_F(RemainingForPeriodCalculatorTest, SplitsByExpenseFlagAndMeasuresBothYears) {
    const auto salary = periodTx("salary", 3000, false, periodAt(2025, 2, 1));
    const auto rent = periodTx("rent", 1000, true, periodAt(2025, 2, 2), "Rent");
    const auto old = periodTx("old", 500, true, periodAt(2024, 5, 1));
    const auto oldIncome = periodTx("oldIncome", 800, false, periodAt(2024, 5, 2));
    const auto transfer = periodTx("move", 50, false, periodAt(2023, 1, 1), "Transfer", true);
    // Years interleaved, as an unsorted list gives them.
    RemainingForPeriodCalculator c({salary, old, rent, transfer, oldIncome}, 2025, 2024);
    EXPECT_THAT(c.expensesThisPeriod(), ElementsAre(old, rent));
    EXPECT_THAT(c.incomesThisPeriod(), ElementsAre(salary, transfer, oldIncome));
    EXPECT_DOUBLE_EQ(c.periodSummary(), 2000);
    EXPECT_DOUBLE_EQ(c.previousPeriodSummary(), 300); // computed, not a constant
    EXPECT_DOUBLE_EQ(c.difference(), 1700);
    EXPECT_TRUE(c.isDifferencePositive());
    EXPECT_EQ(c.differenceColor(), positiveAmountColor);
}

TEST_F(RemainingForPeriodCalculatorTest, YearBoundaryIsLocalMidnight) {
    // 1 Jan 00:00 in Berlin is still 31 Dec in UTC; in Sydney (summer time, +11) even earlier.
    const auto newYear = periodTx("new", 100, false, periodAt(2025, 1, 1));
    const auto lastSecond = periodTx("last", 10, false, periodAt(2024, 12, 31, 23, 59, 59));
    RemainingForPeriodCalculator berlin({newYear, lastSecond}, 2025, 2024);
    EXPECT_DOUBLE_EQ(berlin.periodSummary(), 100);
    EXPECT_DOUBLE_EQ(berlin.previousPeriodSummary(), 10);
    RemainingForPeriodCalculator utc({newYear, lastSecond}, 2025, 2024, Calendar("UTC"));
    EXPECT_DOUBLE_EQ(utc.periodSummary(), 0);
    EXPECT_DOUBLE_EQ(utc.previousPeriodSummary(), 110);
    const auto sydney = periodTx("syd", 7, false, periodAt(2025, 1, 1, 0, 0, 0, "Australia/Sydney"));
    EXPECT_DOUBLE_EQ(
        RemainingForPeriodCalculator({sydney}, 2025, 2024, Calendar("Australia/Sydney")).periodSummary(), 7);
    EXPECT_DOUBLE_EQ(RemainingForPeriodCalculator({sydney}, 2025, 2024).periodSummary(), 0);
}

TEST_F(RemainingForPeriodCalculatorTest, EmptyOtherYearsAndZeroDifference) {
    RemainingForPeriodCalculator empty({}, 2025, 2024);
    EXPECT_TRUE(empty.expensesThisPeriod().empty() && empty.incomesThisPeriod().empty());
    EXPECT_EQ(empty.periodSummary(), 0);
    EXPECT_TRUE(empty.expenseCategorySummaries().empty() && empty.runningSeries().empty());
    EXPECT_FALSE(empty.isDifferencePositive()); // zero counts as not positive
    EXPECT_EQ(empty.differenceColor(), negativeAmountColor);

    RemainingForPeriodCalculator elsewhere(
        {periodTx("a", 40, true, periodAt(2021, 3, 1)), periodTx("b", 90, false, periodAt(2026, 1, 1))}, 2025,
        2024);
    EXPECT_EQ(elsewhere.periodSummary(), 0);
    EXPECT_EQ(elsewhere.expenseCategorySummaries().size(), 1u);
    EXPECT_EQ(elsewhere.incomeCategorySummaries().size(), 1u);

    RemainingForPeriodCalculator same(
        {periodTx("a", 40, false, periodAt(2025, 3, 1)), periodTx("b", 40, false, periodAt(2024, 3, 1))},
        2025, 2024);
    EXPECT_EQ(same.difference(), 0);
    EXPECT_FALSE(same.isDifferencePositive());
    EXPECT_EQ(same.differenceColor(), negativeAmountColor);
}

TEST_F(RemainingForPeriodCalculatorTest, CategorySummaries) {
    // Signed totals, sorted by magnitude; "--" for no category; image and colour of the first.
    const std::vector<std::shared_ptr<ReportTransaction>> list{
        periodTx("1", 200, false, periodAt(2025, 1, 1), "Gifts"),
        periodTx("2", -300, true, periodAt(2025, 1, 2), "Refund"),
        periodTx("3", 50, true, periodAt(2025, 1, 3), ""),
        periodTx("4", 25, false, periodAt(2025, 1, 4), "Gifts"),
        periodTx("5", 25, true, periodAt(2025, 1, 5), "Moves", true),
        periodTx("6", 25, false, periodAt(2025, 1, 5), "Moves"),
    };
    const auto rows = categorySummaries(list);
    ASSERT_THAT(rows,
                ElementsAre(Field(&CategorySummary::title, "Refund"), Field(&CategorySummary::title, "Gifts"),
                            Field(&CategorySummary::title, "--"), Field(&CategorySummary::title, "Moves")));
    EXPECT_EQ(rows[0].total, -300);
    EXPECT_EQ(rows[0].color, negativeAmountColor);
    EXPECT_EQ(rows[1].total, 225);
    EXPECT_EQ(rows[1].color, positiveAmountColor);
    EXPECT_EQ(rows[1].imageName, "Gifts.icon");
    EXPECT_EQ(rows[2].imageName, ".icon");        // "--" and "Moves" tie at 50: first seen first
    EXPECT_EQ(rows[3].color, neutralAmountColor); // the first "Moves" is a transfer
    // Grand total |200 - 300 + 50 + 25 + 25 + 25| = 25.
    EXPECT_DOUBLE_EQ(rows[0].percentage, 1200);
    EXPECT_DOUBLE_EQ(rows[2].percentage, 200);

    const auto zero = categorySummaries(std::vector{periodTx("a", 100, true, periodAt(2025, 1, 1), "A"),
                                                    periodTx("b", -100, true, periodAt(2025, 1, 1), "B")});
    EXPECT_THAT(zero, ElementsAre(Field(&CategorySummary::percentage, 0.0),
                                  Field(&CategorySummary::percentage, 0.0)));
    EXPECT_EQ(zero[0].title, "A"); // equal magnitudes keep their order

    // Long names that share their length, first twelve and last eight bytes are still told apart.
    const auto similar =
        categorySummaries(std::vector{periodTx("a", 1, true, periodAt(2025, 1, 1), "Subscriptions: A video"),
                                      periodTx("b", 2, true, periodAt(2025, 1, 1), "Subscriptions: B video"),
                                      periodTx("c", 4, true, periodAt(2025, 1, 1), "Subscriptions: A video"),
                                      periodTx("d", 8, true, periodAt(2025, 1, 1), "Category"),
                                      periodTx("e", 16, true, periodAt(2025, 1, 1), "Categor")});
    EXPECT_THAT(similar, ElementsAre(Field(&CategorySummary::total, 16), Field(&CategorySummary::total, 8),
                                     Field(&CategorySummary::total, 5), Field(&CategorySummary::total, 2)));
}

TEST_F(RemainingForPeriodCalculatorTest, ManyCategoriesOfEveryLengthStayApartAndInOrder) {
    // 120 names of 1 to 23 bytes, met three times each in a shuffled order: far more names than
    // the lookup table first holds, and names that differ only in their length or last byte.
    std::vector<std::string> names;
    for (int i = 0; i < 120; ++i)
        names.push_back(std::string(static_cast<std::size_t>(i % 23), 'x') + static_cast<char>('A' + i / 23));
    ReportTransactionList list;
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < 120; ++i) {
            const int n = (i * 7 + round * 11) % 120;
            list.push_back(periodTx(std::to_string(round) + "-" + std::to_string(n), n + 1, true,
                                    periodAt(2025, 1, 1), names[static_cast<std::size_t>(n)]));
        }
    RemainingForPeriodCalculator c(std::move(list), 2025, 2024);
    const auto& rows = c.expenseCategorySummaries();
    ASSERT_EQ(rows.size(), 120u);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        // Largest first: name n has total 3 × (n + 1).
        const std::size_t n = 119 - r;
        EXPECT_EQ(rows[r].title, names[n]);
        EXPECT_EQ(rows[r].total, 3.0 * static_cast<double>(n + 1));
    }
}

TEST_F(RemainingForPeriodCalculatorTest, RunningSeriesAddsExpensesAndSubtractsTheRest) {
    const auto moved = periodTx("b", 4, false, periodAt(2025, 1, 1));
    RemainingForPeriodCalculator c(
        {periodTx("a", 10, true, periodAt(2025, 3, 1)), moved, periodTx("c", 1, true, periodAt(2024, 1, 1))},
        2025, 2024);
    const auto& series = c.runningSeries();
    EXPECT_THAT(series, ElementsAre(RunningTotalPoint{periodAt(2025, 3, 1), 10},
                                    RunningTotalPoint{periodAt(2025, 1, 1), 6},
                                    RunningTotalPoint{periodAt(2024, 1, 1), 7}));
    EXPECT_EQ(series.end() - series.begin(), 3);
    EXPECT_EQ(series.begin()[2], series.back());
    EXPECT_THAT(series.values(), ElementsAre(10, 6, 7));

    // A point carries its transaction's date, even after the host moves it in place; the values
    // stay as computed.
    moved->setDate(periodAt(2025, 2, 1));
    EXPECT_EQ(series[1], (RunningTotalPoint{periodAt(2025, 2, 1), 6}));
}

TEST_F(RemainingForPeriodCalculatorTest, DeleteRemovesTheSameObjectOnlyAndKeepsFigures) {
    const auto coffee = periodTx("coffee", 3, true, periodAt(2025, 2, 1), "Cafe");
    const auto twin =
        periodTx("coffee", 3, true, periodAt(2025, 2, 1), "Cafe"); // same identifier, other object
    const auto pay = periodTx("pay", 100, false, periodAt(2025, 2, 1));
    RemainingForPeriodCalculator c({coffee, pay, twin, coffee}, 2025, 2024);
    std::vector<std::size_t> seenByObserver;
    auto sub = c.items.observe([&](const ReportTransactionList& items) {
        // Everything derived is current by the time observers hear of the change.
        seenByObserver = {items.size(), c.expensesThisPeriod().size(), c.runningSeries().size()};
    });
    c.deleteTransaction(coffee);
    EXPECT_THAT(c.items(), ElementsAre(pay, twin));
    EXPECT_THAT(c.expensesThisPeriod(), ElementsAre(twin));
    EXPECT_THAT(seenByObserver, ElementsAre(2u, 1u, 2u));
    EXPECT_DOUBLE_EQ(c.periodSummary(), 91); // as computed at creation
    EXPECT_DOUBLE_EQ(c.expenseCategorySummaries().at(0).total, 3);

    c.items.set({pay}); // whoever replaces the items, the lists follow
    EXPECT_TRUE(c.expensesThisPeriod().empty());
    EXPECT_THAT(c.incomesThisPeriod(), ElementsAre(pay));
}

TEST_F(RemainingForPeriodCalculatorTest, DemoIsTheWalletsYearSoFar) {
    const auto demo = RemainingForPeriodCalculator::demo();
    EXPECT_EQ(demo->currentPeriodInterval(), 2025);
    EXPECT_EQ(demo->previousPeriodInterval(), 2024);
    EXPECT_EQ(demo->incomesThisPeriod().size(), 3u);
    EXPECT_EQ(demo->expensesThisPeriod().size(), 15u);
    double expenses = 0;
    for (const auto& t : demo->items()) {
        EXPECT_EQ(t->accountName(), "Wallet");
        EXPECT_LE(t->date(), Environment::current().now());
        if (t->isExpense())
            expenses += t->amount();
    }
    EXPECT_DOUBLE_EQ(demo->periodSummary(), 7000 - expenses);
    EXPECT_EQ(demo->expenseCategorySummaries().front().title, "Housing");
}

} // namespace
