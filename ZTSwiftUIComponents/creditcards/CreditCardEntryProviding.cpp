#include "CreditCardEntryProviding.h"

#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

namespace zt {

bool CreditCardEntryProviding::isValidationPassed(std::optional<double> currentBalance) const {
    const auto& cardLimit = limit()();
    return !currentBalance || !cardLimit || *currentBalance <= *cardLimit;
}

Date CreditCardEntryProviding::upcomingDueDate() const {
    return upcomingDueDate(Environment::current().now());
}

Date CreditCardEntryProviding::upcomingDueDate(Date now) const {
    const auto& statement = *lastStatement()();
    const Date due = statement.paymentDueDate();
    if (due >= now)
        return due;
    for (const Date date : statement.upcomingDueDates(now))
        if (date >= now)
            return date;
    return due;
}

DateInterval CreditCardEntryProviding::currentBilingCycle() const {
    return currentBilingCycle(Environment::current().now());
}

DateInterval CreditCardEntryProviding::currentBilingCycle(Date now) const {
    return currentBillingCycle(lastStatement()()->billingCycle(), now);
}

std::string CreditCardEntryProviding::currentCycleFormatted() const {
    return currentCycleFormatted(Environment::current().now());
}

std::string CreditCardEntryProviding::currentCycleFormatted(Date now) const {
    return L("Current", "Label of the current billing cycle; a date range follows") + ": " +
           formattedString(currentBilingCycle(now));
}

} // namespace zt
