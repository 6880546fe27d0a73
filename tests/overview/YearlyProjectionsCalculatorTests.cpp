#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/overview/YearlyProjectionsCalculator.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "support/PinnedEnvironment.h"
#include "support/TransactionBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

constexpr const char* projectionZone = "Europe/Berlin";

using test::at;

std::shared_ptr<const TransactionConformable> projectionTx(double amount, bool isExpense, Date date,
                                                           const std::string& category = "Food",
                                                           const std::string& image = "cart") {
    return test::transaction({.amount = amount,
                              .categoryName = category,
                              .categoryImageName = image,
                              .isExpense = isExpense,
                              .date = date});
}

class YearlyProjectionsCalculatorTest : public ::testing::Test {
protected:
    // 1 March 00:30 in Berlin is still February in UTC: the month is the local one.
    Environment::Override env{{.locale = "en_US",
                               .timeZone = projectionZone,
                               .now = *Calendar(projectionZone).date(2025, 3, 1, 0, 30)}};
    ConsoleCapture console;
};

TEST_F(YearlyProjectionsCalculatorTest, ScalesTheYearByTheCurrentMonth) {
    const TransactionConformableList list{projectionTx(3000, false, at(2025, 1, 1, 0)),
                                          projectionTx(600, true, at(2025, 2, 1)),
                                          projectionTx(999, false, at(2024, 12, 31, 23))};
    YearlyProjectionsCalculator march(list, 2025);
    EXPECT_DOUBLE_EQ(march.yearFraction(), 0.25);
    EXPECT_DOUBLE_EQ(march.income(), 12000);
    EXPECT_DOUBLE_EQ(march.expense(), 2400);
    EXPECT_DOUBLE_EQ(march.difference(), 9600);
    EXPECT_TRUE(march.isNetWorthIncreasing());
    EXPECT_EQ(march.differenceColor(), positiveAmountColor);
    EXPECT_DOUBLE_EQ(march.netWorthLastYear(), 999);

    YearlyProjectionsCalculator december(list, 2025, Calendar(projectionZone), at(2025, 12, 31, 23));
    EXPECT_DOUBLE_EQ(december.income(), 3000);
    EXPECT_DOUBLE_EQ(YearlyProjectionsCalculator::yearFraction(Calendar(projectionZone), Date{std::nan("")}),
                     1.0 / 12);
    EXPECT_THAT(console.lines(),
                ElementsAre(HasSubstr("expenses by year: 2025: 600.00 (1)"),
                            HasSubstr("incomes by year: 2025: 3000.00 (1), 2024: 999.00 (1)"),
                            HasSubstr("expenses"), HasSubstr("incomes")));
}

TEST_F(YearlyProjectionsCalculatorTest, OnlyExpensesZeroDifferenceAndOtherYears) {
    YearlyProjectionsCalculator spending({projectionTx(30, true, at(2025, 1, 5))}, 2025);
    EXPECT_EQ(spending.income(), 0);
    EXPECT_LT(spending.difference(), 0);
    EXPECT_FALSE(spending.isNetWorthIncreasing());
    EXPECT_EQ(spending.differenceColor(), negativeAmountColor);

    YearlyProjectionsCalculator even(
        {projectionTx(30, true, at(2025, 1, 5)), projectionTx(30, false, at(2025, 2, 5))}, 2025);
    EXPECT_EQ(even.difference(), 0);
    EXPECT_FALSE(even.isNetWorthIncreasing());
    EXPECT_EQ(even.differenceColor(), negativeAmountColor);

    YearlyProjectionsCalculator past(
        {projectionTx(500, false, at(2023, 5, 1)), projectionTx(120, true, at(2024, 5, 1))}, 2025);
    EXPECT_EQ(past.income(), 0);
    EXPECT_EQ(past.expense(), 0);
    EXPECT_TRUE(past.topExpensesThisYear().empty() && past.topIncomesThisYear().empty());
    EXPECT_DOUBLE_EQ(past.netWorthLastYear(), 380);
}

TEST_F(YearlyProjectionsCalculatorTest, CategoriesAreProjectedAndSorted) {
    YearlyProjectionsCalculator c({projectionTx(10, true, at(2025, 1, 10), "Food", "old-cart"),
                                   projectionTx(40, true, at(2025, 2, 1), ""),
                                   projectionTx(20, true, at(2025, 2, 20), "Food", "cart"),
                                   projectionTx(60, true, at(2024, 2, 1), "Rent"),
                                   projectionTx(5, false, at(2025, 1, 2), "Gifts", "gift")},
                                  2025);
    const auto& top = c.topExpensesThisYear();
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].title, "Uncategorized");
    EXPECT_DOUBLE_EQ(top[0].total, 160);
    EXPECT_NEAR(top[0].percentage, 400.0 / 7, 1e-9);
    EXPECT_EQ(top[0].color, negativeAmountColor);
    EXPECT_EQ(top[1].title, "Food");
    EXPECT_DOUBLE_EQ(top[1].total, 120);
    EXPECT_EQ(top[1].imageName, "cart"); // from the newest transaction of the category
    EXPECT_EQ(c.topIncomesThisYear(),
              (std::vector{CategorySummary{"Gifts", 20, "gift", positiveAmountColor, 100}}));
}

} // namespace
