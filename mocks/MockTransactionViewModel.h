#pragma once

#include "ZTSwiftUIComponents/transactions/TransactionEntryViewModelConformable.h"

#include <optional>
#include <string>

namespace zt {

/// The demo entry model of the previews: accepts everything and names each step on the console.
class MockTransactionViewModel : public TransactionEntryViewModelConformable {
public:
    std::optional<ExchangeRate> exchangeRate(const std::string& currencyCode) override;
    bool isValidationPassed(const std::string& amountText) override;
    std::optional<std::string> updatedCurrencyLabel(const std::string& amountText);
    void prepareTransactionObjectForSaving();
    bool save() override;
    void cancel() override;
};

} // namespace zt
