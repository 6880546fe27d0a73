#pragma once

#include "ZTSwiftUIComponents/transactions/TransferViewModelConformable.h"

#include <optional>
#include <string>

namespace zt {

/// The demo transfer model of the previews: a fixed rate of 2, a converted amount of 1.4, and each
/// step named on the console.
class MockTransferViewModel : public TransferViewModelConformable {
public:
    std::optional<ExchangeRate> exchangeRate(const std::string& currencyCode) override;
    bool isValidationPassed(const std::string& amountText) override;
    std::optional<std::string> updatedCurrencyLabel(const std::string& amountText);
    void prepareTransactionObjectForSaving();
    bool save() override;
    void cancel() override;
    double convertedSourceAmount() const override { return 1.4; }
    RateAndText updatedExchangeRate(TransactionType type) override;
};

} // namespace zt
