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

    virtual std::string identifier() const = 0;
    virtual std::string name() const = 0;
    virtual void setName(std::string name) = 0;
    virtual double limit() const = 0;
    virtual void setLimit(double limit) = 0;
    /// The amount owed.
    virtual double balance() const = 0;
    /// ISO 4217.
    virtual std::string currencyCode() const = 0;
    virtual void setCurrencyCode(std::string currencyCode) = 0;
    /// A known cycle, from which the current one is derived.
    virtual DateInterval billingCycle() const = 0;
    virtual void setBillingCycle(DateInterval billingCycle) = 0;
    /// Day of the month, 1-31.
    virtual int paymentDueDay() const = 0;
    virtual void setPaymentDueDay(int paymentDueDay) = 0;
    virtual std::string iconName() const = 0;
    virtual void setIconName(std::string iconName) = 0;

    /// Writes the card's keys into its JSON object.
    virtual void encode(JSONWriter& writer) const = 0;

    /// What can still be spent: limit minus balance, never below 0.
    double availableFunds() const;
    /// The card's JSON encoding as compact UTF-8 bytes, as stored in the key-value store.
    std::string dataRepresentation() const;

protected:
    AnyCreditCardConformable() = default;
    AnyCreditCardConformable(const AnyCreditCardConformable&) = default;
    AnyCreditCardConformable& operator=(const AnyCreditCardConformable&) = default;
};

/// A credit card whose transactions are of type T.
template <CreditCardTransaction T> class CreditCardConformable : public AnyCreditCardConformable {
public:
    using Transaction = T;

    virtual std::vector<T> transactions() const = 0;
    virtual void setTransactions(std::vector<T> transactions) = 0;

protected:
    CreditCardConformable() = default;
    CreditCardConformable(const CreditCardConformable&) = default;
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
