#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

namespace detail {
struct MoneyCalculatorLocale;
}

/// Evaluates the amount expressions typed on the entry screen ("12,50+3×4,2") for one locale.
///
/// Grammar: an optional leading minus, then numbers joined by the operators "+", "-", "×" (U+00D7)
/// and "÷" (U+00F7); × and ÷ bind tighter than + and -, and equal ranks go left to right. A number is
/// digits (ASCII or the locale's own) with at most one decimal separator of the locale, which may
/// lead or trail (",5", "5,"). Spaces and tabs around the whole text are trimmed; anything else
/// (letters, grouping separators, the other separator, inner spaces, two operators in a row,
/// "5×-2", a trailing operator) makes the text unevaluable.
///
/// Arithmetic is exact on rationals, so 0.1+0.2 is 0.3 and 1÷3×3 is 1; only the result is rounded,
/// half-even to two fraction digits (1÷8 gives 0.12). The result is written the way the locale
/// writes numbers (its separator, digits and minus sign), without grouping and without trailing
/// fraction zeros, so it can be evaluated again and gives itself.
///
/// Immutable and cheap to create: the locale's symbols and formatter are cached per identifier.
class ZTMoneyCalculator {
public:
    /// Longest text evaluated, in UTF-8 bytes (before trimming).
    static constexpr std::size_t maxInputBytes = 256;
    /// Most digits one number may have.
    static constexpr std::size_t maxDigitsPerNumber = 30;
    /// Every number, every intermediate value and the rounded result must stay below 10^13 in
    /// magnitude: 13 integer digits plus the two cents stay within the 15 significant digits that
    /// the app's double amounts keep exactly.
    static constexpr int maxIntegerDigits = 13;

    /// A calculator for an ICU or BCP-47 locale identifier ("de_DE", "fr-FR"); a malformed one
    /// falls back to the root locale ("." as separator).
    explicit ZTMoneyCalculator(std::string_view localeIdentifier);
    /// A calculator for the current environment's locale.
    ZTMoneyCalculator();

    /// The result of the expression as the locale writes it, or nothing when the text is not a
    /// valid expression, divides by zero or leaves the money range.
    std::optional<std::string> evaluate(std::string_view text) const;

    /// The decimal separator this calculator accepts and writes (UTF-8).
    const std::string& decimalSeparator() const;

private:
    std::shared_ptr<const detail::MoneyCalculatorLocale> locale_;
};

} // namespace zt
