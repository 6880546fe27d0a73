#include "PaymentDueDateReminderGenerator.h"

#include <algorithm>
#include <utility>

namespace zt {

namespace {

constexpr int reminderHour = 9;

} // namespace

PaymentDueDateReminderGenerator::PaymentDueDateReminderGenerator(Date date)
    : PaymentDueDateReminderGenerator(date, Calendar::current()) {}

PaymentDueDateReminderGenerator::PaymentDueDateReminderGenerator(Date date, Calendar calendar)
    : calendar_(std::move(calendar)), paymentDueDate_(date) {
    // Only an instant that is not finite has no day; it is kept as given.
    paymentDueDate_ =
        calendar_
            .dateBySetting(reminderHour, 0, 0, calendar_.startOfDay(date), MatchingPolicy::nextTime,
                           RepeatedTimePolicy::first, SearchDirection::forward)
            .value_or(date);
}

std::vector<ReminderToggle> PaymentDueDateReminderGenerator::generateReminders(
    const std::vector<ReminderToggleType>& selectedTypes) const {
    std::vector<ReminderToggle> reminders;
    for (const ReminderToggleType type : allCases<ReminderToggleType>()) {
        const ReminderOffset before = offset(type);
        // Calendar units, not 24-hour steps, so a daylight-saving change in between keeps 09:00.
        const Date date =
            calendar_.adding(before.unit, -before.value, paymentDueDate_).value_or(paymentDueDate_);
        const bool isActive =
            std::find(selectedTypes.begin(), selectedTypes.end(), type) != selectedTypes.end();
        reminders.push_back(
            ReminderToggle{std::string(rawValue(type)), displayName(type), date, isActive, type});
    }
    return reminders;
}

} // namespace zt
