#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/host/TransactionConformable.h"
#include "ZTSwiftUIComponents/overview/CategorySummary.h"
#include "platform/Calendar.h"
#include "platform/DateFormatter.h"
#include "platform/Published.h"

#include <memory>
#include <vector>

namespace zt {

using TransactionConformableList = std::vector<std::shared_ptr<const TransactionConformable>>;

/// Where the user will stand at the end of a calendar year: the year's income and expenses so
/// far, scaled to a whole year by the share of the year that has passed, and broken down by
/// category. Every figure is computed once, at creation. Main thread.
class YearlyProjectionsCalculator : public ObservableObject {
public:
    /// now (for the share of the year) and calendar default to the environment's.
    YearlyProjectionsCalculator(TransactionConformableList transactions, int year);
    YearlyProjectionsCalculator(TransactionConformableList transactions, int year, const Calendar& calendar,
                                Date now);

    /// The month of now in the calendar divided by 12 (March 0.25, December 1); 1/12 when now has
    /// no month.
    static double yearFraction(const Calendar& calendar, Date now);

    Published<TransactionConformableList> transactions;

    int year() const { return year_; }
    /// Created empty.
    const DateFormatter& dateFormatter() const { return dateFormatter_; }
    /// The share of the year the projection scales by.
    double yearFraction() const { return yearFraction_; }
    /// The net of every other year: their incomes minus their expenses.
    double netWorthLastYear() const { return netWorthLastYear_; }
    /// The year's income, and its expenses, divided by the year fraction.
    double income() const { return income_; }
    double expense() const { return expense_; }
    double difference() const { return income_ - expense_; }
    /// Green when the difference is above zero, red otherwise (zero included).
    Color differenceColor() const { return differenceColor_; }
    bool isNetWorthIncreasing() const { return isNetWorthIncreasing_; }
    /// The year's projected expenses and incomes by category name ("Uncategorized" without one),
    /// largest total first; the image comes from the category's newest transaction.
    const std::vector<CategorySummary>& topExpensesThisYear() const { return topExpensesThisYear_; }
    const std::vector<CategorySummary>& topIncomesThisYear() const { return topIncomesThisYear_; }

private:
    int year_;
    DateFormatter dateFormatter_;
    double yearFraction_ = 1.0 / 12.0;
    double netWorthLastYear_ = 0;
    double income_ = 0;
    double expense_ = 0;
    Color differenceColor_;
    bool isNetWorthIncreasing_ = false;
    std::vector<CategorySummary> topExpensesThisYear_;
    std::vector<CategorySummary> topIncomesThisYear_;
};

} // namespace zt
