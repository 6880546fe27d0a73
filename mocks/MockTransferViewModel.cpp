#include "MockTransferViewModel.h"

#include "platform/Console.h"

namespace zt {

std::optional<ExchangeRate> MockTransferViewModel::exchangeRate(const std::string&) {
    return std::nullopt;
}

bool MockTransferViewModel::isValidationPassed(const std::string&) {
    return true;
}

std::optional<std::string> MockTransferViewModel::updatedCurrencyLabel(const std::string&) {
    return std::nullopt;
}

void MockTransferViewModel::prepareTransactionObjectForSaving() {
    console("prepareTransactionObjectForSaving()");
}

bool MockTransferViewModel::save() {
    console("Saving transfer....");
    return true;
}

void MockTransferViewModel::cancel() {
    console("Cancel. Dimissing...");
}

TransferViewModelConformable::RateAndText MockTransferViewModel::updatedExchangeRate(TransactionType) {
    return {2.0, std::nullopt};
}

} // namespace zt
