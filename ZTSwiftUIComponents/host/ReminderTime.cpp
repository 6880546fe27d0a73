#include "ReminderTime.h"

#include "platform/StringTable.h"

namespace zt {

std::string title(ReminderTime time) {
    switch (time) {
    case ReminderTime::sameDay:
        return L("On the day", "Reminder of a repeating transaction");
    case ReminderTime::oneDayBefore:
        return L("1 day before", "Reminder of a repeating transaction");
    case ReminderTime::twoDaysBefore:
        return L("2 days before", "Reminder of a repeating transaction");
    case ReminderTime::threeDaysBefore:
        return L("3 days before", "Reminder of a repeating transaction");
    case ReminderTime::oneWeekBefore:
        return L("1 week before", "Reminder of a repeating transaction");
    }
    return std::string(rawValue(time));
}

} // namespace zt
