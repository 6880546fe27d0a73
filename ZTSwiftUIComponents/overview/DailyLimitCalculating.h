#pragma once

#include "platform/Date.h"

namespace zt {

/// The host's arithmetic of the automatic daily limit: the money left in the overview accounts for
/// the current period spread over the period's days, fixed once a day, 0 when nothing is left.
class DailyLimitCalculating {
public:
    virtual ~DailyLimitCalculating() = default;

    /// The limit to start from.
    virtual double dailyBudget() const = 0;
    /// The automatic daily limit for date's day.
    virtual double remainingBudget(Date date) = 0;
    /// Tells the calculator about spending. The daily-limit component never calls it.
    virtual void updateExpenses(double amount, Date date) = 0;
};

} // namespace zt
