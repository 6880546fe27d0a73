#include "AccountEntryController.h"

#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace zt {

AccountEntryController::AccountEntryController(Details details)
    : details_(std::move(details)), selectedGroup_(*this, details_.selectedGroup) {
    if (details_.locale.empty())
        details_.locale = Environment::current().localeIdentifier();
}

std::optional<std::string> AccountEntryController::loanAmountValidationError() const {
    if (details_.account->type()() != AccountType::loan)
        return std::nullopt;
    const auto amount = details_.loanDetails->initialAmount()();
    if (amount && !(*amount > 0))
        return L("Enter a loan amount above 0.");
    return std::nullopt;
}

bool AccountEntryController::isValidationPassed() const {
    auto& account = *details_.account;
    const auto& name = account.name()();
    if (std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isspace(c); }))
        return false;
    // Card and loan details only count for an account of that type: a checking account is not
    // held back by a card limit the user never sees.
    switch (account.type()()) {
    case AccountType::creditCard: {
        const auto& card = *details_.creditCardDetails;
        return card.isValidationPassed(account.balance()()) && card.lastStatement()()->isValidationPassed();
    }
    case AccountType::loan:
        return !loanAmountValidationError() &&
               LoanPaymentScheduleProviding::isValidPaymentDueDay(
                   details_.loanDetails->currentPaymentSchedule()()->paymentDueDay()());
    default:
        return true;
    }
}

} // namespace zt
