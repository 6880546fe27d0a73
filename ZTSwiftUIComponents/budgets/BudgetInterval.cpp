#include "BudgetInterval.h"

#include "platform/StringTable.h"

namespace zt {

std::string label(BudgetInterval interval) {
    // Listed literally so that the catalogue tools see every label.
    switch (interval) {
    case BudgetInterval::once:
        return L("Once", "Budget interval");
    case BudgetInterval::day:
        return L("Day", "Budget interval");
    case BudgetInterval::week:
        return L("Week", "Budget interval");
    case BudgetInterval::twoWeeks:
        return L("2 Weeks", "Budget interval");
    case BudgetInterval::threeWeeks:
        return L("3 Weeks", "Budget interval");
    case BudgetInterval::month:
        return L("Month", "Budget interval");
    case BudgetInterval::twomonth:
        return L("2 Months", "Budget interval");
    case BudgetInterval::threeMonths:
        return L("3 Months", "Budget interval");
    case BudgetInterval::fourMonths:
        return L("4 Months", "Budget interval");
    case BudgetInterval::sixMonths:
        return L("6 Months", "Budget interval");
    case BudgetInterval::nineMonths:
        return L("9 Months", "Budget interval");
    case BudgetInterval::year:
        return L("Year", "Budget interval");
    }
    return std::string(rawValue(interval));
}

} // namespace zt
