#include "ReminderToggle.h"

#include "ZTSwiftUIComponents/creditcards/PaymentDueDateReminderGenerator.h"

namespace zt {

std::vector<ReminderToggle> ReminderToggle::reminders(Date forDueDate,
                                                      const std::vector<ReminderToggleType>& selectedTypes) {
    return PaymentDueDateReminderGenerator(forDueDate).generateReminders(selectedTypes);
}

} // namespace zt
