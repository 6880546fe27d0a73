#include "BillingCycleCalculator.h"

namespace zt {

int BillingCycleCalculator::numberOfDays() const {
    return numberOfDays(Calendar::current());
}

int BillingCycleCalculator::numberOfDays(const Calendar& calendar) const {
    // Counted between day starts, so a 23- or 25-hour day still counts as one.
    const auto days = calendar.difference(CalendarComponent::day, calendar.startOfDay(startDate_),
                                          calendar.startOfDay(endDate_));
    return days.value_or(0) + 1;
}

} // namespace zt
