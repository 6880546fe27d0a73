#pragma once

#include "CreditCardJSON.h"
#include "platform/Date.h"

#include <concepts>

namespace zt {

/// A transaction on a credit card, as the host records it: when and how much. A host type
/// implements the accessors and its JSON form; CCTransaction is the library's own.
class CreditCardTransactionConforming {
public:
    virtual ~CreditCardTransactionConforming() = default;

    /// When the transaction was made.
    virtual Date date() const = 0;
    /// Changes the date.
    virtual void setDate(Date date) = 0;
    /// The amount, in the card's currency.
    virtual double amount() const = 0;
    /// Changes the amount.
    virtual void setAmount(double amount) = 0;

    /// Writes the transaction's keys into its JSON object.
    virtual void encode(JSONWriter& writer) const = 0;

protected:
    CreditCardTransactionConforming() = default;
    /// Copying belongs to the implementation, so a transaction is never sliced through the interface.
    CreditCardTransactionConforming(const CreditCardTransactionConforming&) = default;
    /// Copying belongs to the implementation, so a transaction is never sliced through the interface.
    CreditCardTransactionConforming& operator=(const CreditCardTransactionConforming&) = default;
};

/// What a card needs of its transaction type T: the accessors above, value semantics, equality,
/// and a decoder `static T decode(const JSONReader&)` that throws
/// JSONDecodingError.
template <class T>
concept CreditCardTransaction = std::derived_from<T, CreditCardTransactionConforming> && std::copyable<T> &&
    std::equality_comparable<T> && requires(const JSONReader& reader) {
    { T::decode(reader) } -> std::same_as<T>;
};

} // namespace zt
