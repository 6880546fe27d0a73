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

} // namespace zt
