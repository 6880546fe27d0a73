#include "CreditCardEntryProvider.h"

#include "platform/Console.h"

#include <utility>

namespace zt {

CreditCardEntryProvider::CreditCardEntryProvider(std::optional<double> limit,
                                                 std::shared_ptr<CreditCardLastStatement> lastStatement,
                                                 std::shared_ptr<AccountRemindersData> reminderData)
    : limit_(*this, limit), lastStatement_(*this, std::move(lastStatement)),
      reminderData_(*this, std::move(reminderData)) {}

void CreditCardEntryProvider::scheduleReminders() {
    console("Reminders scheduled.");
}

} // namespace zt
