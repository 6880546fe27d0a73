#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"
#include "platform/Calendar.h"

#include <string>

namespace zt {

/// When a payment-due reminder fires, relative to the due date.
enum class ReminderToggleType { sameDay, oneDayBefore, threeDaysBefore, oneWeekBefore };

template <> struct RawValues<ReminderToggleType> {
    static constexpr std::array<std::pair<ReminderToggleType, std::string_view>, 4> cases{{
        {ReminderToggleType::sameDay, "sameDay"},
        {ReminderToggleType::oneDayBefore, "oneDayBefore"},
        {ReminderToggleType::threeDaysBefore, "threeDaysBefore"},
        {ReminderToggleType::oneWeekBefore, "oneWeekBefore"},
    }};
};

/// How far before the due date the reminder fires: a number of calendar units, subtracted
/// without wrapping so the wall-clock time stays.
struct ReminderOffset {
    CalendarComponent unit;
    int value;
};
ReminderOffset offset(ReminderToggleType type);

/// "Same day", "One day before", …, in the environment's language.
std::string displayName(ReminderToggleType type);
/// The text of the notification, in the environment's language.
std::string notificationMessage(ReminderToggleType type);

} // namespace zt
