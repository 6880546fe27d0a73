#pragma once

#include "ZTSwiftUIComponents/host/ExchangeRate.h"

#include <optional>
#include <string>

namespace zt {

/// An entry model as previews and the host's own models describe it.
class TransactionEntryViewModelConformable {
public:
    virtual ~TransactionEntryViewModelConformable() = default;

    /// The rate for an amount in currencyCode; none when no conversion applies.
    virtual std::optional<ExchangeRate> exchangeRate(const std::string& currencyCode) = 0;
    /// Whether the entry may be saved with amountText as the typed amount.
    virtual bool isValidationPassed(const std::string& amountText) = 0;
    /// True when the entry was stored and the screen may close.
    virtual bool save() = 0;
    /// The user closed the entry without saving.
    virtual void cancel() = 0;
};

} // namespace zt
