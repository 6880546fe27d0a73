#pragma once

#include "CreditCardJSON.h"
#include "CreditCardTransactionConforming.h"
#include "platform/DateInterval.h"

#include <concepts>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// A credit card as the host stores it, whatever its transaction type: what the card store and
/// the card cells work with. CreditCardConformable<T> adds the transactions.
class AnyCreditCardConformable {
public:
    virtual ~AnyCreditCardConformable() = default;

    /// The card's stable identifier; the card store finds, replaces and deletes cards by it.
    virtual std::string identifier() const = 0;
    /// The name the user gave the card.
    virtual std::string name() const = 0;
    /// Renames the card.
    virtual void setName(std::string name) = 0;
    /// The credit limit, in the card's currency.
    virtual double limit() const = 0;
    /// Changes the credit limit.
    virtual void setLimit(double limit) = 0;
    /// The amount owed.
    virtual double balance() const = 0;
    /// ISO 4217.
    virtual std::string currencyCode() const = 0;
    /// Changes the currency (ISO 4217).
    virtual void setCurrencyCode(std::string currencyCode) = 0;
    /// A known cycle, from which the current one is derived.
    virtual DateInterval billingCycle() const = 0;
    /// Changes the known cycle.
    virtual void setBillingCycle(DateInterval billingCycle) = 0;
    /// Day of the month, 1-31.
    virtual int paymentDueDay() const = 0;
    /// Changes the day of the month payment is due.
    virtual void setPaymentDueDay(int paymentDueDay) = 0;
    /// The name of the card's icon image.
    virtual std::string iconName() const = 0;
    /// Changes the icon.
    virtual void setIconName(std::string iconName) = 0;

    /// Writes the card's keys into its JSON object.
    virtual void encode(JSONWriter& writer) const = 0;

    /// What can still be spent: limit minus balance, never below 0.
    double availableFunds() const;
    /// The card's JSON encoding as compact UTF-8 bytes, as stored in the key-value store.
    std::string dataRepresentation() const;

protected:
    AnyCreditCardConformable() = default;
    /// Copying belongs to the implementation, so a card is never sliced through the interface.
    AnyCreditCardConformable(const AnyCreditCardConformable&) = default;
    /// Copying belongs to the implementation, so a card is never sliced through the interface.
    AnyCreditCardConformable& operator=(const AnyCreditCardConformable&) = default;
};

/// A credit card whose transactions are of type T.
template <CreditCardTransaction T> class CreditCardConformable : public AnyCreditCardConformable {
public:
    /// The card's transaction type.
    using Transaction = T;

    /// The card's transactions, in the order the host keeps them.
    virtual std::vector<T> transactions() const = 0;
    /// Replaces all of the card's transactions.
    virtual void setTransactions(std::vector<T> transactions) = 0;

protected:
    CreditCardConformable() = default;
    /// Copying belongs to the implementation, so a card is never sliced through the interface.
    CreditCardConformable(const CreditCardConformable&) = default;
    /// Copying belongs to the implementation, so a card is never sliced through the interface.
    CreditCardConformable& operator=(const CreditCardConformable&) = default;
};

/// A card type that can be read back: `static Card decode(const JSONReader&)`.
template <class Card>
concept DecodableCreditCard = std::derived_from<Card, AnyCreditCardConformable> &&
    requires(const JSONReader& reader) {
    { Card::decode(reader) } -> std::same_as<Card>;
};

/// A card of the requested type from bytes that dataRepresentation() (or another platform's
/// encoder) wrote. Throws JSONDecodingError when the bytes are not JSON, a key is missing,
/// or a value has the wrong type or is out of range.
template <DecodableCreditCard Card> Card decodeCreditCard(std::string_view data) {
    return decodeJSON<Card>(data);
}

} // namespace zt
