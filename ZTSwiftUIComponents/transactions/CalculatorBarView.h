#pragma once

#include "ZTSwiftUIComponents/host/CalculatorOperator.h"
#include "platform/ui/Binding.h"
#include "platform/ui/View.h"

#include <functional>
#include <string>

namespace zt {

/// The key bar above the keyboard while an amount has focus: the four operators append their
/// texts to the amount, equals evaluates it, save evaluates it and hands over to onSave. The
/// evaluation is a money calculator made for the current locale at each press, so separators
/// follow the user's locale; a text it cannot evaluate is left as typed.
class CalculatorBarView {
public:
    CalculatorBarView(ui::Binding<std::string> amountText, bool areOperatorVisible,
                      std::function<void()> onSave);

    /// The system's button-shapes setting: keys then drop their own background.
    bool areShapesVisible = false;

    /// The key of op: an operator appends its text, equal evaluates.
    void press(CalculatorOperator op) const;
    /// The save key.
    void save() const;

    /// Replaces the text with its value when the current locale's calculator evaluates it.
    static void evaluate(const ui::Binding<std::string>& amountText);

    ui::View body() const;

private:
    ui::Binding<std::string> amountText_;
    bool areOperatorVisible_;
    std::function<void()> onSave_;
};

} // namespace zt
