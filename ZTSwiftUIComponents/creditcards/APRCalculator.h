#pragma once

#include "platform/Calendar.h"
#include "platform/DateInterval.h"

namespace zt {

/// Interest on a card balance for one billing cycle, at a fixed annual rate. Immutable.
class APRCalculator {
public:
    /// The rate is a plain fraction: 0.2 is 20 % a year.
    explicit APRCalculator(double annualPercentageRate)
        : annualPercentageRate_(annualPercentageRate), dailyPeriodicRate_(annualPercentageRate / 365) {}

    double annualPercentageRate() const { return annualPercentageRate_; }
    /// The annual rate over 365 days, leap years included.
    double dailyPeriodicRate() const { return dailyPeriodicRate_; }

    /// dailyPeriodicRate × balance × the cycle's calendar days, both end days counted
    /// (BillingCycleCalculator), in the environment's calendar.
    double interestCharged(double balance, const DateInterval& cycle) const;
    double interestCharged(double balance, const DateInterval& cycle, const Calendar& calendar) const;

private:
    double annualPercentageRate_;
    double dailyPeriodicRate_;
};

} // namespace zt
