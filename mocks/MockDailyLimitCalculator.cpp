#include "MockDailyLimitCalculator.h"

namespace zt {

double MockDailyLimitCalculator::remainingBudget(Date) {
    return 100;
}

// The demo keeps no spending history.
void MockDailyLimitCalculator::updateExpenses(double, Date) {}

} // namespace zt
