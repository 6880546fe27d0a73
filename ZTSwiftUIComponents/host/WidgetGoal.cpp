#include "WidgetGoal.h"

#include "platform/Environment.h"
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

std::vector<WidgetGoal> WidgetGoal::demoGoals(Date referenceDate) {
    constexpr double day = 86400;
    return {
        {"goal-emergency", "Emergency Fund", 10000, 3200, referenceDate + 300 * day, "🛟"},
        {"goal-vacation", "Summer Vacation", 2500, 1850, referenceDate + 60 * day, "🏖️"},
        {"goal-laptop", "New Laptop", 1500, 1500, referenceDate - 20 * day, "💻"},
        {"goal-bike", "E-Bike", 2200, 140, std::nullopt, "🚲"},
    };
}

std::vector<WidgetGoal> WidgetGoal::demoGoals() {
    return demoGoals(Environment::current().now());
}

} // namespace zt
