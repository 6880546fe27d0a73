#include "WidgetBudget.h"

#include "platform/StringTable.h"

#include <algorithm>

namespace zt {

double WidgetBudget::progress() const {
    if (!(limit > 0))
        return 0;
    return std::clamp(spent / limit, 0.0, 1.0);
}

std::string WidgetBudget::remainingDaysText() const {
    if (!remainingDays)
        return {};
    if (*remainingDays == 1)
        return L("1 day", "Days left in a budget period");
    return format("%d %@", *remainingDays, LHost("days"));
}

std::vector<WidgetBudget> WidgetBudget::demoBudgets() {
    return {
        {"budget-groceries", "Groceries", 400, 250.4, 149.6, 7.12, 21, "🛒", {"cat-groceries"}},
        {"budget-restaurants", "Eating Out", 150, 172.3, -22.3, std::nullopt, 21, "🍝", {"cat-restaurants"}},
        {"budget-fun", "Fun", 120, 37.98, 82.02, 3.91, 21, "🎬", {"cat-entertainment", "cat-shopping"}},
        {"budget-transport", "Transport", 200, 60, 140, 6.67, 21, "🚗", {"cat-transport"}},
    };
}

} // namespace zt
