#include "AmountInput.h"

#include "Environment.h"
#include "NumberFormatter.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace zt {

namespace {

struct LocaleNumbers {
    NumberFormatter formatter;
    std::string decimalSeparator;
};

/// One decimal formatter per locale and thread: making one costs far more than a parse.
const LocaleNumbers& decimalFormatter(const std::string& locale) {
    thread_local std::map<std::string, LocaleNumbers, std::less<>> formatters;
    auto it = formatters.find(locale);
    if (it == formatters.end()) {
        auto formatter = NumberFormatter::decimal(locale);
        auto decimal = formatter.decimalSeparator();
        it = formatters.emplace(locale, LocaleNumbers{std::move(formatter), std::move(decimal)}).first;
    }
    return it->second;
}

/// The plain amounts most texts are ("12", "3,24" in German, "12.50" in English): up to 15 digits,
/// optionally the locale's decimal separator and up to 9 more. Read without ICU, and to the same
/// correctly rounded double; anything else takes the full rule.
std::optional<double> plainAmount(std::string_view text, const std::string& decimalSeparator) {
    std::size_t i = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    const std::size_t whole = i;
    if (whole == 0 || whole > 15)
        return std::nullopt;
    char buffer[32];
    std::memcpy(buffer, text.data(), whole);
    std::size_t length = whole;
    if (i < text.size()) {
        if (decimalSeparator.empty() || text.substr(i, decimalSeparator.size()) != decimalSeparator)
            return std::nullopt;
        i += decimalSeparator.size();
        const std::size_t fractionStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        const std::size_t fraction = i - fractionStart;
        if (i != text.size() || fraction == 0 || fraction > 9)
            return std::nullopt;
        buffer[length++] = '.';
        std::memcpy(buffer + length, text.data() + fractionStart, fraction);
        length += fraction;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + length, value);
    if (error != std::errc() || end != buffer + length)
        return std::nullopt;
    return value;
}

bool isSpaceLike(UChar32 c) {
    return u_isUWhiteSpace(c) || c == 0x00A0 || c == 0x202F || c == 0x2007;
}
bool isApostropheLike(UChar32 c) {
    return c == u'\'' || c == 0x2019 || c == 0x02BC;
}

UChar32 firstCodePoint(const std::string& text) {
    const icu::UnicodeString u = icu::UnicodeString::fromUTF8(text);
    return u.length() > 0 ? u.char32At(0) : U_SENTINEL;
}

} // namespace

std::optional<double> parseAmount(std::string_view text, const std::string& localeIdentifier) {
    const auto& numbers = decimalFormatter(localeIdentifier);
    if (const auto plain = plainAmount(text, numbers.decimalSeparator))
        return plain;
    icu::UnicodeString input =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    // A text that is not valid UTF-8 holds replacement characters, which no number has.
    int32_t start = 0, end = input.length();
    while (start < end && isSpaceLike(input.char32At(start)))
        start = input.moveIndex32(start, 1);
    while (end > start && isSpaceLike(input.char32At(input.moveIndex32(end, -1))))
        end = input.moveIndex32(end, -1);
    if (start == end)
        return std::nullopt;

    bool negative = false;
    const UChar32 first = input.char32At(start);
    if (first == u'+' || first == u'-' || first == 0x2212) {
        negative = first != u'+';
        start = input.moveIndex32(start, 1);
    }
    if (start == end)
        return std::nullopt;

    const auto& formatter = numbers.formatter;
    const UChar32 groupingChar = firstCodePoint(formatter.groupingSeparator());
    const UChar32 decimalChar = firstCodePoint(numbers.decimalSeparator);
    icu::UnicodeString body;
    for (int32_t i = start; i < end; i = input.moveIndex32(i, 1)) {
        UChar32 c = input.char32At(i);
        // What a keyboard types for a space or an apostrophe stands for the locale's grouping mark
        // when the locale groups with one of those.
        if ((isSpaceLike(c) && isSpaceLike(groupingChar)) ||
            (isApostropheLike(c) && isApostropheLike(groupingChar)))
            c = groupingChar;
        // Only digits and the locale's two marks: ICU's parser would skip spaces and take any
        // grouping-like mark ("1 250" or "1'250" in English), and read exponents ("1e5").
        if (!u_isdigit(c) && c != groupingChar && c != decimalChar)
            return std::nullopt;
        body.append(c);
    }
    std::string normalised;
    body.toUTF8String(normalised);
    // ICU places the grouping marks: "1,5" is no number in English, "1.250,5" is one in German.
    const auto value = formatter.number(normalised);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    // Minus zero is zero: nothing should show "-0" back to the user.
    return negative && *value != 0 ? -*value : *value;
}

AmountField::AmountField() : AmountField(std::string{}) {}

AmountField::AmountField(std::string text, std::optional<std::string> localeIdentifier)
    : locale_(localeIdentifier ? std::move(*localeIdentifier) : Environment::current().localeIdentifier()) {
    setText(std::move(text));
}

AmountField AmountField::showing(std::optional<double> value, std::optional<std::string> localeIdentifier) {
    AmountField field(std::string{}, std::move(localeIdentifier));
    if (value) {
        auto formatter = decimalFormatter(field.locale_).formatter;
        formatter.setUsesGroupingSeparator(false).setMaximumFractionDigits(10);
        field.setText(formatter.string(*value).value_or(std::string{}));
    }
    return field;
}

void AmountField::follow(std::optional<double> value) {
    if (isInvalid() || value_ == value)
        return;
    *this = showing(value, locale_);
}

void AmountField::setText(std::string text) {
    text_ = std::move(text);
    value_ = parseAmount(text_, locale_);
    empty_ = text_.find_first_not_of(" \t\n\r") == std::string::npos;
    if (!empty_ && !value_) {
        // Only Unicode spaces other than ASCII ones make a text look non-empty yet blank.
        const icu::UnicodeString u = icu::UnicodeString::fromUTF8(text_);
        bool blank = true;
        for (int32_t i = 0; i < u.length() && blank; i = u.moveIndex32(i, 1))
            blank = isSpaceLike(u.char32At(i));
        empty_ = blank;
    }
}

} // namespace zt
