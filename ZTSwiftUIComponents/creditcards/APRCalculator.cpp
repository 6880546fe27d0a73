#include "APRCalculator.h"

#include "BillingCycleCalculator.h"

namespace zt {

double APRCalculator::interestCharged(double balance, const DateInterval& cycle) const {
    return interestCharged(balance, cycle, Calendar::current());
}

double APRCalculator::interestCharged(double balance, const DateInterval& cycle,
                                      const Calendar& calendar) const {
    const int days = BillingCycleCalculator(cycle.start, cycle.end).numberOfDays(calendar);
    return dailyPeriodicRate_ * balance * days;
}

} // namespace zt
