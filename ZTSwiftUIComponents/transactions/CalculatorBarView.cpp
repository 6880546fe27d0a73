#include "CalculatorBarView.h"

#include "ZTSwiftUIComponents/host/ZTMoneyCalculator.h"
#include "platform/Environment.h"
#include "platform/Feedback.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

namespace {

// Every key is felt, then heard; the save key feels like a success.
void keyClick(bool isSave = false) {
    auto& feedback = Environment::current().feedback();
    if (isSave)
        feedback.notificationOccurred(NotificationFeedbackType::success);
    else
        feedback.impactOccurred(ImpactStyle::medium);
    feedback.playSystemSound(keyboardClickSystemSound);
}

std::string accessibilityName(CalculatorOperator op) {
    switch (op) {
    case CalculatorOperator::plus:
        return L("Plus", "Calculator key");
    case CalculatorOperator::minus:
        return L("Minus", "Calculator key");
    case CalculatorOperator::multiply:
        return L("Multiply", "Calculator key");
    case CalculatorOperator::divide:
        return L("Divide", "Calculator key");
    case CalculatorOperator::equal:
        return L("Equals", "Calculator key");
    }
    return {};
}

} // namespace

CalculatorBarView::CalculatorBarView(ui::Binding<std::string> amountText, bool areOperatorVisible,
                                     std::function<void()> onSave)
    : amountText_(std::move(amountText)), areOperatorVisible_(areOperatorVisible),
      onSave_(std::move(onSave)) {}

void CalculatorBarView::evaluate(const ui::Binding<std::string>& amountText) {
    if (auto result = ZTMoneyCalculator().evaluate(amountText.get()))
        amountText.set(std::move(*result));
}

void CalculatorBarView::press(CalculatorOperator op) const {
    if (const auto text = appendedText(op)) {
        amountText_.set(amountText_.get() + std::string(*text));
        keyClick();
        return;
    }
    keyClick();
    evaluate(amountText_);
}

void CalculatorBarView::save() const {
    evaluate(amountText_);
    keyClick(true);
    if (onSave_)
        onSave_();
}

ui::View CalculatorBarView::body() const {
    std::vector<ui::View> keys;
    const auto self = *this;
    if (areOperatorVisible_)
        for (const auto op : allCases<CalculatorOperator>())
            keys.push_back(ui::button({}, std::string(keySymbol(op)), [self, op] { self.press(op); })
                               .accessibilityLabel(accessibilityName(op))
                               .id(std::string("calculator-") + std::string(rawValue(op))));
    // Without operators the save key is a wide text key; with them a compact checkmark.
    auto saveKey = areOperatorVisible_
                       ? ui::button({}, "checkmark", [self] { self.save(); }).accessibilityLabel(L("Save"))
                       : ui::button(L("Save"), [self] { self.save(); });
    keys.push_back(std::move(saveKey).id("calculator-save"));
    return ui::hstack(std::move(keys)).id("calculatorBar");
}

} // namespace zt
