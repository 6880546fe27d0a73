#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"

#include <optional>

namespace zt {

/// The keys of the amount calculator bar, in the order the bar builds them.
enum class CalculatorOperator { plus, minus, multiply, divide, equal };

template <> struct RawValues<CalculatorOperator> {
    static constexpr std::array<std::pair<CalculatorOperator, std::string_view>, 5> cases{{
        {CalculatorOperator::plus, "plus"},
        {CalculatorOperator::minus, "minus"},
        {CalculatorOperator::multiply, "multiply"},
        {CalculatorOperator::divide, "divide"},
        {CalculatorOperator::equal, "equal"},
    }};
};

/// The symbol name drawn on the key; it happens to equal the raw value.
constexpr std::string_view keySymbol(CalculatorOperator op) {
    return rawValue(op);
}

/// The text the key appends to the amount; equal appends nothing because it evaluates. These are
/// the operator texts the money calculator accepts (U+00D7 and U+00F7 for × and ÷).
constexpr std::optional<std::string_view> appendedText(CalculatorOperator op) {
    switch (op) {
    case CalculatorOperator::plus:
        return "+";
    case CalculatorOperator::minus:
        return "-";
    case CalculatorOperator::multiply:
        return "\u00D7";
    case CalculatorOperator::divide:
        return "\u00F7";
    case CalculatorOperator::equal:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace zt
