#pragma once

#include "platform/NumberFormatter.h"
#include "platform/Published.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// Read and write access to an optional amount that lives elsewhere (the account's balance, the
/// card's limit).
struct AmountBinding {
    std::function<std::optional<double>()> get;
    std::function<void(std::optional<double>)> set;

    /// A binding to a published field of an object that the binding keeps alive.
    template <class Owner>
    static AmountBinding to(std::shared_ptr<Owner> owner, Published<std::optional<double>>& field) {
        return AmountBinding{[owner, &field] { return field(); },
                             [owner, &field](std::optional<double> value) { field.set(value); }};
    }
};

/// The balance and limit fields of a credit card in the account entry form, with the message
/// shown while the balance exceeds the limit.
class CreditCardBalanceSection {
public:
    /// formatter writes the amounts; typed text is read by it or, failing that, as a plain
    /// decimal number of localeIdentifier. isValidationPassed is the entry provider's
    /// isValidationPassed(currentBalance:) for the current balance.
    CreditCardBalanceSection(AmountBinding accountBalance, AmountBinding limit, NumberFormatter formatter,
                             std::string localeIdentifier, bool isValidationPassed);

    ui::View body() const;

private:
    AmountBinding accountBalance_;
    AmountBinding limit_;
    NumberFormatter formatter_;
    std::string localeIdentifier_;
    bool isValidationPassed_;
};

} // namespace zt
