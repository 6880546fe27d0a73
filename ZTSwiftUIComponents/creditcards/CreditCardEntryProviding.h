#pragma once

#include "ZTSwiftUIComponents/creditcards/AccountRemindersData.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardLastStatement.h"
#include "platform/Date.h"
#include "platform/DateInterval.h"
#include "platform/Published.h"

#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The credit-card details of an account being edited, as the host hands them to the entry
/// sections: the limit, the last statement and the reminder choices. Observable: each field is
/// published and may be replaced. Main thread.
class CreditCardEntryProviding : public ObservableObject {
public:
    /// The card limit; empty until entered.
    virtual Published<std::optional<double>>& limit() = 0;
    /// The card limit, read-only.
    virtual const Published<std::optional<double>>& limit() const = 0;
    /// Never empty: a card being edited always has a last statement.
    virtual Published<std::shared_ptr<CreditCardLastStatement>>& lastStatement() = 0;
    /// The last statement, read-only.
    virtual const Published<std::shared_ptr<CreditCardLastStatement>>& lastStatement() const = 0;
    /// Never empty.
    virtual Published<std::shared_ptr<AccountRemindersData>>& reminderData() = 0;
    /// The reminder choices, read-only.
    virtual const Published<std::shared_ptr<AccountRemindersData>>& reminderData() const = 0;

    /// The host schedules the active reminders of reminderData() for the due date.
    virtual void scheduleReminders() = 0;

    /// False only when both the balance and the limit are given and the balance exceeds the
    /// limit; the balance section then says so.
    bool isValidationPassed(std::optional<double> currentBalance) const;

    /// The next due date of the last statement as of now (the environment's): its own due date
    /// when that is not past, else the first of its upcomingDueDates() that is not, else its own
    /// due date after all.
    Date upcomingDueDate() const;
    /// upcomingDueDate() as of the given instant.
    Date upcomingDueDate(Date now) const;

    /// The billing cycle current now, derived from the last statement's opening-to-closing
    /// interval as the known cycle.
    DateInterval currentBilingCycle() const;
    /// currentBilingCycle() as of the given instant.
    DateInterval currentBilingCycle(Date now) const;

    /// "Current: " and the current cycle as a medium date range, localised.
    std::string currentCycleFormatted() const;
    /// currentCycleFormatted() as of the given instant.
    std::string currentCycleFormatted(Date now) const;

protected:
    CreditCardEntryProviding() = default;
    /// Copying belongs to the implementation, so details are never sliced through the interface.
    CreditCardEntryProviding(const CreditCardEntryProviding&) = default;
    /// Copying belongs to the implementation, so details are never sliced through the interface.
    CreditCardEntryProviding& operator=(const CreditCardEntryProviding&) = default;
};

} // namespace zt
