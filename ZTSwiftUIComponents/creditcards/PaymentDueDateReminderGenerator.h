#pragma once

#include "ZTSwiftUIComponents/creditcards/ReminderToggle.h"
#include "platform/Calendar.h"
#include "platform/Date.h"

#include <vector>

namespace zt {

/// The reminders of one payment due date: each fires at 09:00 local time on its day.
class PaymentDueDateReminderGenerator {
public:
    /// In the environment's calendar at the time of construction.
    explicit PaymentDueDateReminderGenerator(Date date);
    PaymentDueDateReminderGenerator(Date date, Calendar calendar);

    /// 09:00 on the due date's day (the first 09:00 where the clocks repeat it, the end of the
    /// gap where they skip it).
    Date paymentDueDate() const { return paymentDueDate_; }
    const Calendar& calendar() const { return calendar_; }

    /// All four reminders in type order, each at 09:00 its offset before the due date; active
    /// exactly when selectedTypes holds its type (repeats change nothing).
    std::vector<ReminderToggle> generateReminders(const std::vector<ReminderToggleType>& selectedTypes) const;

private:
    Calendar calendar_;
    Date paymentDueDate_;
};

} // namespace zt
