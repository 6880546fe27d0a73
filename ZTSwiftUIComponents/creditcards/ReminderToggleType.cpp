#include "ReminderToggleType.h"

#include "platform/StringTable.h"

namespace zt {

ReminderOffset offset(ReminderToggleType type) {
    switch (type) {
    case ReminderToggleType::sameDay:
        return {CalendarComponent::day, 0};
    case ReminderToggleType::oneDayBefore:
        return {CalendarComponent::day, 1};
    case ReminderToggleType::threeDaysBefore:
        return {CalendarComponent::day, 3};
    case ReminderToggleType::oneWeekBefore:
        return {CalendarComponent::weekOfYear, 1};
    }
    return {CalendarComponent::day, 0};
}

std::string displayName(ReminderToggleType type) {
    switch (type) {
    case ReminderToggleType::sameDay:
        return L("Same day");
    case ReminderToggleType::oneDayBefore:
        return L("One day before");
    case ReminderToggleType::threeDaysBefore:
        return L("Three days before");
    case ReminderToggleType::oneWeekBefore:
        return L("One week before");
    }
    return std::string(rawValue(type));
}

std::string notificationMessage(ReminderToggleType type) {
    switch (type) {
    case ReminderToggleType::sameDay:
        return L("You must pay your statement due amount today.", "Credit card notification");
    case ReminderToggleType::oneDayBefore:
        return L("You have time until tomorrow to pay your statement due amount.",
                 "Credit card notification");
    case ReminderToggleType::threeDaysBefore:
        return L("Make sure to make a payment within three days.", "Credit card notification");
    case ReminderToggleType::oneWeekBefore:
        return L("You have one week to make a payment.", "Credit card notification");
    }
    return {};
}

} // namespace zt
