#include "WidgetGoal.h"

#include "platform/StringTable.h"

#include <algorithm>

namespace zt {

double WidgetGoal::progress() const {
    if (!(targetAmount > 0))
        return 1;
    return std::clamp(savedAmount / targetAmount, 0.0, 1.0);
}

std::string WidgetGoal::progressText(const NumberFormatter& formatter) const {
    return format(L("%@ of %@", "Progress of a savings goal: saved amount of target amount"),
                  formatter.stringOrDash(savedAmount), formatter.stringOrDash(targetAmount));
}

} // namespace zt
