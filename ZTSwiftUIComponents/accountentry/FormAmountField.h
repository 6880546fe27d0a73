#pragma once

#include "ZTSwiftUIComponents/creditcards/CreditCardBalanceSection.h"
#include "platform/AmountInput.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <limits>
#include <optional>
#include <string>

namespace zt {

/// What an amount field accepts besides being a number.
struct AmountRule {
    double minimum = -std::numeric_limits<double>::infinity();
    double maximum = std::numeric_limits<double>::infinity();
    bool wholeNumber = false;
    /// Shown under the field when a number breaks the rule; asked when drawn, in the language
    /// of that moment.
    std::function<std::string()> message{};

    bool accepts(double value) const;
};

/// An amount field of a form, bound to an optional number that lives in the host's object and
/// read by the amount-input rule in one locale. What the user typed stays as typed; an empty
/// field clears the value and an acceptable number is written at once. Text that is no number,
/// or a number the rule refuses, stays in the field as a mistake to correct and leaves the value
/// as it was; the form must not save meanwhile. A value changed elsewhere is shown unless the
/// field holds such a mistake. Copies share the field.
class FormAmountField {
public:
    FormAmountField(AmountBinding binding, std::string localeIdentifier, AmountRule rule = {});

    /// The field as the user sees it now: what was typed, or the value changed elsewhere.
    const AmountField& field() const;
    /// The field holds a mistake.
    bool isInvalid() const;
    /// Takes the user's new text.
    void type(const std::string& text) const;

    /// A row with the title, the text field (identified by id) and an optional unit after it,
    /// followed by the reason while the field holds a mistake.
    ui::View row(const std::string& title, std::string id, std::string unit = {}) const;

private:
    AmountBinding binding_;
    AmountRule rule_;
    ui::ScreenState<AmountField> state_;
};

} // namespace zt
