#include "MockTransactionViewModel.h"

#include "platform/Console.h"

namespace zt {

std::optional<ExchangeRate> MockTransactionViewModel::exchangeRate(const std::string&) {
    return std::nullopt;
}

bool MockTransactionViewModel::isValidationPassed(const std::string&) {
    return true;
}

std::optional<std::string> MockTransactionViewModel::updatedCurrencyLabel(const std::string&) {
    return std::nullopt;
}

void MockTransactionViewModel::prepareTransactionObjectForSaving() {
    console("prepareTransactionObjectForSaving()");
}

bool MockTransactionViewModel::save() {
    console("Saving transaction....");
    return true;
}

void MockTransactionViewModel::cancel() {
    console("Cancel. Dimissing transaction...");
}

} // namespace zt
