#include "ZTMoneyCalculator.h"

#include "platform/Environment.h"
#include "platform/LocaleNames.h"

#include <array>
#include <boost/multiprecision/cpp_int.hpp>
#include <charconv>
#include <cstdint>
#include <mutex>
#include <unicode/dcfmtsym.h>
#include <unicode/numberformatter.h>
#include <unordered_map>

namespace zt {

namespace detail {

/// What a calculator needs of its locale; built once per identifier and shared.
struct MoneyCalculatorLocale {
    std::string decimalSeparator;
    /// The locale's own digits 0…9 in UTF-8, empty when they are the ASCII ones (always accepted).
    std::array<std::string, 10> nativeDigits;
    /// What the formatter writes before a negative number ("-", "\u2212", "\u200E\u2212" …), and
    /// the same without its direction marks, as a keyboard types it.
    std::string minusPrefix;
    std::string bareMinus;
    icu::number::LocalizedNumberFormatter formatter;
};

} // namespace detail

namespace {

using detail::MoneyCalculatorLocale;
using Integer = boost::multiprecision::cpp_int;
// Exact rationals rather than a fixed number of decimal digits: a division such as 1÷3 feeds later
// operations without an intermediate rounding, so ties such as (1÷3)×0,045 = 0,015 still round right.
using Rational = boost::multiprecision::cpp_rational;

std::string formatted(const icu::number::LocalizedNumberFormatter& formatter, const char* decimal) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = formatter.formatDecimal(decimal, status).toString(status);
    return U_SUCCESS(status) ? icu_bridge::utf8(text) : std::string();
}

std::shared_ptr<const MoneyCalculatorLocale> makeLocale(const std::string& identifier) {
    icu::Locale locale = icu_bridge::locale(identifier);
    if (locale.isBogus())
        locale = icu::Locale::getRoot();
    UErrorCode status = U_ZERO_ERROR;
    icu::DecimalFormatSymbols symbols(locale, status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        symbols = icu::DecimalFormatSymbols(icu::Locale::getRoot(), status);
    }

    auto data = std::make_shared<MoneyCalculatorLocale>();
    data->decimalSeparator =
        icu_bridge::utf8(symbols.getConstSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol));
    if (data->decimalSeparator.empty())
        data->decimalSeparator = ".";
    for (int32_t d = 0; d < 10; ++d) {
        std::string digit = icu_bridge::utf8(symbols.getConstDigitSymbol(d));
        if (digit != std::string(1, static_cast<char>('0' + d)))
            data->nativeDigits[static_cast<std::size_t>(d)] = std::move(digit);
    }
    // The same symbols for writing as for reading, so every result can be evaluated again.
    data->formatter = icu::number::NumberFormatter::withLocale(locale)
                          .symbols(symbols)
                          .grouping(UNUM_GROUPING_OFF)
                          .precision(icu::number::Precision::maxFraction(2))
                          .roundingMode(UNUM_ROUND_HALFEVEN);
    // Every locale writes its minus as a prefix; take it from the formatter rather than the symbol
    // table because some add direction marks around it.
    const std::string positive = formatted(data->formatter, "1");
    const std::string negative = formatted(data->formatter, "-1");
    if (!positive.empty() && negative.size() > positive.size() && negative.ends_with(positive))
        data->minusPrefix = negative.substr(0, negative.size() - positive.size());
    else
        data->minusPrefix = "-";
    data->bareMinus = data->minusPrefix;
    for (const std::string_view mark : {"\u200E", "\u200F", "\u061C"})
        for (auto at = data->bareMinus.find(mark); at != std::string::npos; at = data->bareMinus.find(mark))
            data->bareMinus.erase(at, mark.size());
    return data;
}

std::shared_ptr<const MoneyCalculatorLocale> cachedLocale(std::string identifier) {
    // The bar creates a calculator per evaluation; ICU's symbols and formatter cost far more than
    // the arithmetic, so keep them. Bounded because identifiers can come from anywhere.
    static std::mutex mutex;
    static std::unordered_map<std::string, std::shared_ptr<const MoneyCalculatorLocale>> cache;
    constexpr std::size_t maxEntries = 64;
    {
        const std::lock_guard lock(mutex);
        if (const auto found = cache.find(identifier); found != cache.end())
            return found->second;
    }
    auto built = makeLocale(identifier);
    const std::lock_guard lock(mutex);
    if (cache.size() >= maxEntries)
        return built;
    return cache.try_emplace(std::move(identifier), std::move(built)).first->second;
}

const Integer& magnitudeLimit() {
    static const Integer limit = [] {
        Integer value = 1;
        for (int i = 0; i < ZTMoneyCalculator::maxIntegerDigits; ++i)
            value *= 10;
        return value;
    }();
    return limit;
}

// |n/d| < limit as n < limit·d on integers (the denominator is positive): a rational comparison would
// divide.
bool inRange(const Rational& value) {
    return abs(numerator(value)) < magnitudeLimit() * boost::multiprecision::denominator(value);
}

enum class Operator { plus, minus, multiply, divide };

/// Reads one expression left to right; every method consumes only on success.
class Parser {
public:
    Parser(const MoneyCalculatorLocale& locale, std::string_view text) : locale_(locale), text_(text) {}

    bool atEnd() const { return position_ == text_.size(); }

    bool consume(std::string_view token) {
        if (token.empty() || !text_.substr(position_).starts_with(token))
            return false;
        position_ += token.size();
        return true;
    }

    bool leadingMinus() { return consume(locale_.minusPrefix) || consume(locale_.bareMinus) || consume("-"); }

    std::optional<Operator> nextOperator() {
        if (consume("+"))
            return Operator::plus;
        if (consume("-"))
            return Operator::minus;
        if (consume("\u00D7"))
            return Operator::multiply;
        if (consume("\u00F7"))
            return Operator::divide;
        return std::nullopt;
    }

    /// A number within the money range, or nothing (also for a missing number).
    std::optional<Rational> nextNumber() {
        // Significant digits only: Boost reads a leading 0 as the octal prefix.
        std::string digits;
        std::size_t digitCount = 0;
        std::size_t fractionDigits = 0;
        bool separatorSeen = false;
        for (;;) {
            if (const int d = nextDigit(); d >= 0) {
                if (++digitCount > ZTMoneyCalculator::maxDigitsPerNumber)
                    return std::nullopt;
                if (d != 0 || !digits.empty())
                    digits.push_back(static_cast<char>('0' + d));
                if (separatorSeen)
                    ++fractionDigits;
            } else if (consume(locale_.decimalSeparator)) {
                if (separatorSeen)
                    return std::nullopt;
                separatorSeen = true;
            } else {
                break;
            }
        }
        if (digitCount == 0)
            return std::nullopt;
        Integer denominator = 1;
        for (std::size_t i = 0; i < fractionDigits; ++i)
            denominator *= 10;
        const Rational value(digits.empty() ? Integer(0) : Integer(digits), denominator);
        if (!inRange(value))
            return std::nullopt;
        return value;
    }

private:
    int nextDigit() {
        if (position_ < text_.size() && text_[position_] >= '0' && text_[position_] <= '9')
            return text_[position_++] - '0';
        for (int d = 0; d < 10; ++d)
            if (consume(locale_.nativeDigits[static_cast<std::size_t>(d)]))
                return d;
        return -1;
    }

    const MoneyCalculatorLocale& locale_;
    std::string_view text_;
    std::size_t position_ = 0;
};

std::optional<Rational> evaluateExpression(Parser& parser) {
    const bool negative = parser.leadingMinus();
    const auto first = parser.nextNumber();
    if (!first)
        return std::nullopt;
    Rational sum = 0;
    Rational term = negative ? Rational(-*first) : *first;
    while (!parser.atEnd()) {
        const auto op = parser.nextOperator();
        if (!op)
            return std::nullopt;
        const auto operand = parser.nextNumber();
        if (!operand)
            return std::nullopt;
        switch (*op) {
        case Operator::multiply:
            term *= *operand;
            break;
        case Operator::divide:
            if (operand->is_zero())
                return std::nullopt;
            term /= *operand;
            break;
        case Operator::plus:
        case Operator::minus:
            sum += term;
            if (!inRange(sum))
                return std::nullopt;
            term = *op == Operator::minus ? Rational(-*operand) : *operand;
            break;
        }
        if (!inRange(term))
            return std::nullopt;
    }
    sum += term;
    if (!inRange(sum))
        return std::nullopt;
    return sum;
}

/// The value rounded half-even to cents, written as the locale writes it.
std::optional<std::string> format(const Rational& value, const MoneyCalculatorLocale& locale) {
    Integer magnitude = numerator(value);
    const bool negative = magnitude < 0;
    if (negative)
        magnitude = -magnitude;
    const Integer& denominator = boost::multiprecision::denominator(value);
    Integer cents;
    Integer remainder;
    divide_qr(Integer(magnitude * 100), denominator, cents, remainder);
    remainder *= 2;
    if (remainder > denominator || (remainder == denominator && bit_test(cents, 0)))
        ++cents;
    if (cents >= magnitudeLimit() * 100)
        return std::nullopt;

    const auto total = cents.convert_to<std::uint64_t>();
    // A plain decimal string for ICU: no "-0", no trailing fraction zeros.
    std::array<char, 32> decimal{};
    char* out = decimal.data();
    if (negative && total != 0)
        *out++ = '-';
    out = std::to_chars(out, decimal.data() + decimal.size() - 4, total / 100).ptr;
    if (const auto fraction = total % 100; fraction != 0) {
        *out++ = '.';
        *out++ = static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            *out++ = static_cast<char>('0' + fraction % 10);
    }
    *out = '\0';
    std::string result = formatted(locale.formatter, decimal.data());
    if (result.empty())
        return std::nullopt;
    return result;
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

ZTMoneyCalculator::ZTMoneyCalculator(std::string_view localeIdentifier)
    : locale_(cachedLocale(std::string(localeIdentifier))) {}

ZTMoneyCalculator::ZTMoneyCalculator() : ZTMoneyCalculator(Environment::current().localeIdentifier()) {}

std::optional<std::string> ZTMoneyCalculator::evaluate(std::string_view text) const {
    if (text.size() > maxInputBytes)
        return std::nullopt;
    const std::string_view expression = trimmed(text);
    if (expression.empty())
        return std::nullopt;
    Parser parser(*locale_, expression);
    const auto value = evaluateExpression(parser);
    if (!value)
        return std::nullopt;
    return format(*value, *locale_);
}

const std::string& ZTMoneyCalculator::decimalSeparator() const {
    return locale_->decimalSeparator;
}

} // namespace zt
