#pragma once

#include "platform/AmountInput.h"
#include "platform/NumberFormatter.h"
#include "platform/Published.h"
#include "platform/ui/ScreenState.h"
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

    /// Writes what the field reads as: nothing for an empty field, the amount for a number. A
    /// field that is no number leaves the value as it was; the field shows the mistake instead.
    void take(const AmountField& field) const;
};

/// A labelled amount field bound to an amount: the currency symbol of formatter beside the text as
/// the user typed it, read in the field's locale.
ui::View boundAmountRow(const std::string& title, std::string id, const AmountField& field,
                        const NumberFormatter& formatter, std::function<void(const std::string&)> onType);

/// The balance and limit fields of a credit card in the account entry form, with the message
/// shown while the balance exceeds the limit. Amounts are typed in localeIdentifier; what the user
/// typed stays in the fields (copies of a section share them) until it is a number, and the form
/// must not save while hasInvalidAmount().
class CreditCardBalanceSection {
public:
    /// isValidationPassed gives the entry provider's isValidationPassed(currentBalance:) for the
    /// current balance, asked on every body().
    CreditCardBalanceSection(AmountBinding accountBalance, AmountBinding limit, NumberFormatter formatter,
                             std::string localeIdentifier, std::function<bool()> isValidationPassed);
    /// The same with the check's result fixed.
    CreditCardBalanceSection(AmountBinding accountBalance, AmountBinding limit, NumberFormatter formatter,
                             std::string localeIdentifier, bool isValidationPassed);

    ui::View body() const;
    /// A field holds text that is no number.
    bool hasInvalidAmount() const;

private:
    struct State {
        AmountField balance;
        AmountField limit;
    };
    AmountBinding accountBalance_;
    AmountBinding limit_;
    NumberFormatter formatter_;
    std::function<bool()> isValidationPassed_;
    ui::ScreenState<State> state_;
};

} // namespace zt
