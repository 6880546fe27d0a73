#pragma once

#include "platform/Calendar.h"
#include "platform/Date.h"

namespace zt {

/// Counts the calendar days of a billing cycle for interest; used on the main thread.
class BillingCycleCalculator {
public:
    BillingCycleCalculator(Date startDate, Date endDate) : startDate_(startDate), endDate_(endDate) {}

    Date startDate() const { return startDate_; }
    Date endDate() const { return endDate_; }

    /// Whole calendar days from startDate's day to endDate's day, both included: 1 March to
    /// 31 March counts 31. Daylight-saving changes do not shorten a day.
    int numberOfDays() const;
    int numberOfDays(const Calendar& calendar) const;

private:
    Date startDate_;
    Date endDate_;
};

} // namespace zt
