#include "FormAmountField.h"

#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/StringTable.h"

#include <cmath>
#include <utility>
#include <vector>

namespace zt {

namespace {

bool isMistake(const AmountField& field, const AmountRule& rule) {
    return field.isInvalid() || (field.value() && !rule.accepts(*field.value()));
}

void take(AmountField& field, const std::string& text, const AmountBinding& binding, const AmountRule& rule) {
    field.setText(text);
    if (!isMistake(field, rule) && binding.set)
        binding.set(field.value());
}

} // namespace

bool AmountRule::accepts(double value) const {
    return value >= minimum && value <= maximum && (!wholeNumber || std::trunc(value) == value);
}

FormAmountField::FormAmountField(AmountBinding binding, std::string localeIdentifier, AmountRule rule)
    : binding_(std::move(binding)), rule_(std::move(rule)),
      state_(AmountField(std::string{}, std::move(localeIdentifier))) {}

const AmountField& FormAmountField::field() const {
    AmountField& typed = *state_;
    if (isMistake(typed, rule_))
        return typed;
    const auto value = binding_.get ? binding_.get() : std::nullopt;
    // Kept, so that showing the same value again costs nothing.
    if (typed.value() != value)
        typed = AmountField::showing(value, typed.localeIdentifier());
    return typed;
}

bool FormAmountField::isInvalid() const {
    return isMistake(field(), rule_);
}

void FormAmountField::type(const std::string& text) const {
    take(*state_, text, binding_, rule_);
}

ui::View FormAmountField::row(const std::string& title, std::string id, std::string unit) const {
    const AmountField& shown = field();
    const bool mistake = isMistake(shown, rule_);
    std::vector<ui::View> cells{
        ui::text(title),
        ui::spacer(),
        ui::textField(
            title, shown.text(),
            state_.action([binding = binding_, rule = rule_](AmountField& typed, const std::string& text) {
                take(typed, text, binding, rule);
            }))
            .invalid(mistake)
            .id(id),
    };
    if (!unit.empty())
        cells.push_back(ui::text(std::move(unit)).secondary());
    if (!mistake)
        return ui::row(std::move(cells));
    const std::string reason = shown.isInvalid()
                                   ? L("Not a number", "Under an amount field whose text is no number")
                               : rule_.message ? rule_.message()
                                               : std::string();
    return ui::group({ui::row(std::move(cells)), ui::text(reason)
                                                     .font(ui::Font::footnote)
                                                     .foregroundColor(negativeAmountColor)
                                                     .id(std::move(id) + "Error")});
}

} // namespace zt
