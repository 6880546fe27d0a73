#include "YearlyProjectionsCalculator.h"

#include "ZTSwiftUIComponents/host/RecordPrefetch.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace zt {

namespace {

/// One year of one list, for the diagnostic line.
struct YearTotal {
    int year;
    std::size_t count;
    double total;
};

/// Transactions per year. A handful of years meets thousands of transactions, mostly in runs of
/// the same year, so the last year found is tried first.
class YearTotals {
public:
    void add(int year, double amount) {
        if (last_ >= years_.size() || years_[last_].year != year) {
            const auto it = std::ranges::find(years_, year, &YearTotal::year);
            last_ = static_cast<std::size_t>(it - years_.begin());
            if (it == years_.end())
                years_.push_back(YearTotal{year, 0, 0});
        }
        ++years_[last_].count;
        years_[last_].total += amount;
    }

    /// "2024: 1200.00 (12), 2025: 300.00 (3)", newest year first as the lists are sorted.
    std::string describe() {
        std::ranges::sort(years_, std::ranges::greater{}, &YearTotal::year);
        std::string out;
        for (const auto& y : years_) {
            char buffer[96];
            std::snprintf(buffer, sizeof buffer, "%s%d: %.2f (%zu)", out.empty() ? "" : ", ", y.year, y.total,
                          y.count);
            out += buffer;
        }
        return out.empty() ? "none" : out;
    }

private:
    std::vector<YearTotal> years_;
    std::size_t last_ = 0;
};

std::vector<CategorySummary> projectedSummaries(const CategoryGrouping& grouping, double fraction,
                                                Color color) {
    const double grandTotal = std::abs(grouping.sum() / fraction);
    std::vector<const CategoryGrouping::Group*> groups;
    groups.reserve(grouping.groups().size());
    for (const auto& g : grouping.groups())
        groups.push_back(&g);
    // Largest projected total first; among equal totals the category used most recently first,
    // as a list sorted newest first would meet them.
    std::ranges::stable_sort(groups, [](const auto* a, const auto* b) {
        if (a->total != b->total)
            return a->total > b->total;
        return a->newest->date() > b->newest->date();
    });
    std::vector<CategorySummary> rows;
    rows.reserve(groups.size());
    for (const auto* g : groups) {
        const double total = g->total / fraction;
        rows.push_back(CategorySummary{
            g->name.empty() ? L("Uncategorized", "Title of the transactions that have no category")
                            : std::string(g->name),
            total, g->newest->categoryImageName(), color, categoryPercentage(total, grandTotal)});
    }
    return rows;
}

} // namespace

double YearlyProjectionsCalculator::yearFraction(const Calendar& calendar, Date now) {
    const int month = calendar.component(CalendarComponent::month, now);
    return month >= 1 && month <= 12 ? month / 12.0 : 1.0 / 12.0;
}

YearlyProjectionsCalculator::YearlyProjectionsCalculator(TransactionConformableList transactions, int year)
    : YearlyProjectionsCalculator(std::move(transactions), year, Environment::current().calendar(),
                                  Environment::current().now()) {}

YearlyProjectionsCalculator::YearlyProjectionsCalculator(TransactionConformableList transactions_, int year,
                                                         const Calendar& calendar, Date now)
    : transactions(*this, std::move(transactions_)), year_(year), yearFraction_(yearFraction(calendar, now)) {
    // One pass: split by the expense flag, group by year and, for the projected year, by
    // category. The sums run in the given order rather than newest first, which only the last
    // bits of a floating-point total could tell apart; it spares sorting every transaction.
    CategoryGrouping expenseGroups, incomeGroups;
    YearTotals expenseYears, incomeYears;
    double allIncome = 0, allExpense = 0, yearIncome = 0, yearExpense = 0;
    CalendarYears years(calendar);
    const TransactionConformableList& list = transactions();
    for (std::size_t i = 0; i < list.size(); ++i) {
        prefetchRecordAhead(list, i);
        const TransactionConformable& t = *list[i];
        const double amount = t.amount();
        const Date date = t.date();
        const int y = years.yearOf(date);
        if (t.isExpense()) {
            allExpense += amount;
            expenseYears.add(y, amount);
            if (y == year_) {
                yearExpense += amount;
                expenseGroups.add(t, t.categoryName(), amount, date);
            }
        } else {
            allIncome += amount;
            incomeYears.add(y, amount);
            if (y == year_) {
                yearIncome += amount;
                incomeGroups.add(t, t.categoryName(), amount, date);
            }
        }
    }
    console("Yearly projections, expenses by year: " + expenseYears.describe());
    console("Yearly projections, incomes by year: " + incomeYears.describe());

    topExpensesThisYear_ = projectedSummaries(expenseGroups, yearFraction_, negativeAmountColor);
    topIncomesThisYear_ = projectedSummaries(incomeGroups, yearFraction_, positiveAmountColor);
    income_ = yearIncome / yearFraction_;
    expense_ = yearExpense / yearFraction_;
    netWorthLastYear_ = (allIncome - yearIncome) - (allExpense - yearExpense);
    isNetWorthIncreasing_ = difference() > 0;
    differenceColor_ = isNetWorthIncreasing_ ? positiveAmountColor : negativeAmountColor;
}

} // namespace zt
