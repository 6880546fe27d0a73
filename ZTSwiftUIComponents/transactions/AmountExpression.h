#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zt {

/// What an amount text of the entry screen stands for in a locale: a number under the one
/// amount-input rule, or else an expression ("12,5+3") that the locale's money calculator
/// evaluates; none for an empty text or one that is neither.
std::optional<double> amountValue(std::string_view text, const std::string& localeIdentifier);

/// Some text that stands for no amount: the field shows it as invalid.
bool isInvalidAmount(std::string_view text, const std::string& localeIdentifier);

} // namespace zt
