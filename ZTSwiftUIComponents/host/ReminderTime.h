#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"

#include <string>

namespace zt {

/// When a reminder of a repeating transaction fires, counted in days before the occurrence.
enum class ReminderTime { sameDay, oneDayBefore, twoDaysBefore, threeDaysBefore, oneWeekBefore };

template <> struct RawValues<ReminderTime> {
    static constexpr std::array<std::pair<ReminderTime, std::string_view>, 5> cases{{
        {ReminderTime::sameDay, "sameDay"},
        {ReminderTime::oneDayBefore, "oneDayBefore"},
        {ReminderTime::twoDaysBefore, "twoDaysBefore"},
        {ReminderTime::threeDaysBefore, "threeDaysBefore"},
        {ReminderTime::oneWeekBefore, "oneWeekBefore"},
    }};
};

constexpr int daysBefore(ReminderTime time) {
    switch (time) {
    case ReminderTime::sameDay:
        return 0;
    case ReminderTime::oneDayBefore:
        return 1;
    case ReminderTime::twoDaysBefore:
        return 2;
    case ReminderTime::threeDaysBefore:
        return 3;
    case ReminderTime::oneWeekBefore:
        return 7;
    }
    return 0;
}

/// The row title of the reminder choice, in the environment's language.
std::string title(ReminderTime time);

} // namespace zt
