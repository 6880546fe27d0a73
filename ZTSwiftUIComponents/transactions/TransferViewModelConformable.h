#pragma once

#include "ZTSwiftUIComponents/host/TransactionType.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryViewModelConformable.h"

#include <optional>
#include <string>
#include <utility>

namespace zt {

/// An entry model of a transfer between two accounts.
class TransferViewModelConformable : public TransactionEntryViewModelConformable {
public:
    /// A rate and its display text, if any.
    using RateAndText = std::pair<double, std::optional<std::string>>;

    /// The source amount in the destination account's currency.
    virtual double convertedSourceAmount() const = 0;
    /// The exchange rate that applies to an entry of the type, with its display text when there is one.
    virtual RateAndText updatedExchangeRate(TransactionType type) = 0;
};

} // namespace zt
