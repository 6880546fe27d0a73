#include "CreditCardEntryProvider.h"

#include "platform/Console.h"

#include <utility>

namespace zt {

CreditCardEntryProvider::CreditCardEntryProvider(std::optional<double> limit,
                                                 std::shared_ptr<CreditCardLastStatement> lastStatement,
                                                 std::shared_ptr<AccountRemindersData> reminderData)
    : limit_(limit), lastStatement_(std::move(lastStatement)), reminderData_(std::move(reminderData)) {}

void CreditCardEntryProvider::scheduleReminders() {
    console("Reminders scheduled.");
}

} // namespace zt
