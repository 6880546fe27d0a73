#include "NumberFormatter.h"

#include "LocaleNames.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <set>
#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/numfmt.h>
#include <unicode/rbnf.h>
#include <unicode/ucurr.h>
#include <unicode/uenum.h>

namespace zt {

namespace {

const std::set<std::string>& knownCurrencyCodes() {
    static const std::set<std::string> codes = [] {
        std::set<std::string> out;
        UErrorCode status = U_ZERO_ERROR;
        UEnumeration* all = ucurr_openISOCurrencies(UCURR_ALL, &status);
        if (U_FAILURE(status))
            return out;
        while (const char* code = uenum_next(all, nullptr, &status)) {
            if (U_FAILURE(status))
                break;
            out.insert(code);
        }
        uenum_close(all);
        return out;
    }();
    return codes;
}

std::string upperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace

struct NumberFormatter::Impl {
    Style style = Style::decimal;
    std::string localeIdentifier;
    std::optional<std::string> requestedCurrency; // upper-cased ISO code; none means the locale's
    std::optional<int> minimumFractionDigits;
    std::optional<int> maximumFractionDigits;
    std::optional<bool> usesGroupingSeparator;
    // Built once per configuration: creating an ICU formatter costs far more than formatting,
    // and cloning one nearly as much, so copies share it until one changes its options.
    // Null when the configuration cannot format (bogus locale, unknown currency).
    std::shared_ptr<icu::NumberFormat> format;
    // ICU formatters are not meant to format on two threads at once; shared along with format.
    std::shared_ptr<std::mutex> mutex = std::make_shared<std::mutex>();

    Impl(Style s, std::string locale) : style(s), localeIdentifier(std::move(locale)) {}
    Impl(const Impl& other)
        : style(other.style), localeIdentifier(other.localeIdentifier),
          requestedCurrency(other.requestedCurrency), minimumFractionDigits(other.minimumFractionDigits),
          maximumFractionDigits(other.maximumFractionDigits),
          usesGroupingSeparator(other.usesGroupingSeparator), format(other.format), mutex(other.mutex) {}

    /// Gives this formatter an ICU formatter of its own before its options change.
    void ownFormat() {
        if (!format || format.use_count() == 1)
            return;
        std::shared_ptr<icu::NumberFormat> own;
        {
            std::lock_guard lock(*mutex);
            own.reset(format->clone());
        }
        format = std::move(own);
        mutex = std::make_shared<std::mutex>();
    }

    icu::Locale locale() const { return icu_bridge::locale(localeIdentifier); }

    void build() {
        format.reset();
        const icu::Locale loc = locale();
        if (loc.isBogus())
            return;
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::NumberFormat> made;
        switch (style) {
        case Style::decimal:
            made.reset(icu::NumberFormat::createInstance(loc, UNUM_DECIMAL, status));
            break;
        case Style::currency:
            made.reset(icu::NumberFormat::createInstance(loc, UNUM_CURRENCY, status));
            break;
        case Style::percent:
            made.reset(icu::NumberFormat::createInstance(loc, UNUM_PERCENT, status));
            break;
        case Style::ordinal:
            made = std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_ORDINAL, loc, status);
            break;
        }
        if (U_FAILURE(status) || !made)
            return;
        if (style == Style::currency) {
            if (requestedCurrency) {
                if (!knownCurrencyCodes().contains(*requestedCurrency))
                    return;
                icu::UnicodeString code = icu_bridge::ustring(*requestedCurrency);
                made->setCurrency(code.getTerminatedBuffer(), status);
                if (U_FAILURE(status))
                    return;
            }
            // A locale without a region has no currency of its own; ICU would write "XXX".
            const icu::UnicodeString inUse(made->getCurrency());
            if (inUse.isEmpty() || inUse == u"XXX")
                return;
        }
        format = std::move(made);
        mutex = std::make_shared<std::mutex>();
        applyOptions();
    }

    void applyOptions() {
        if (!format)
            return;
        ownFormat();
        if (minimumFractionDigits)
            format->setMinimumFractionDigits(*minimumFractionDigits);
        if (maximumFractionDigits)
            format->setMaximumFractionDigits(*maximumFractionDigits);
        if (usesGroupingSeparator)
            format->setGroupingUsed(*usesGroupingSeparator);
    }

    std::string effectiveCurrencyCode() const {
        if (format && style == Style::currency)
            return icu_bridge::utf8(icu::UnicodeString(format->getCurrency()));
        if (requestedCurrency)
            return *requestedCurrency;
        UChar buffer[4] = {};
        UErrorCode status = U_ZERO_ERROR;
        const std::string id = locale().getName();
        const int32_t length = ucurr_forLocale(id.c_str(), buffer, 4, &status);
        if (U_FAILURE(status) || length != 3)
            return {};
        return icu_bridge::utf8(icu::UnicodeString(buffer, length));
    }

    std::string symbol(icu::DecimalFormatSymbols::ENumberFormatSymbol plain,
                       icu::DecimalFormatSymbols::ENumberFormatSymbol monetary) const {
        const auto which = style == Style::currency ? monetary : plain;
        // The format already holds its symbols; building them anew costs more than a format call.
        if (const auto* decimal = dynamic_cast<const icu::DecimalFormat*>(format.get()))
            return icu_bridge::utf8(decimal->getDecimalFormatSymbols()->getConstSymbol(which));
        UErrorCode status = U_ZERO_ERROR;
        const icu::DecimalFormatSymbols symbols(locale(), status);
        if (U_FAILURE(status))
            return {};
        return icu_bridge::utf8(symbols.getConstSymbol(which));
    }
};

NumberFormatter::NumberFormatter(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {
    impl_->build();
}

NumberFormatter::NumberFormatter(Style style, std::string localeIdentifier)
    : NumberFormatter(std::make_unique<Impl>(style, std::move(localeIdentifier))) {}

NumberFormatter NumberFormatter::currency(std::string localeIdentifier) {
    return NumberFormatter(Style::currency, std::move(localeIdentifier));
}

NumberFormatter NumberFormatter::currency(std::string localeIdentifier, std::string currencyCode) {
    auto impl = std::make_unique<Impl>(Style::currency, std::move(localeIdentifier));
    // An empty or unknown code is not replaced by the locale's currency: the caller named one.
    impl->requestedCurrency = upperAscii(std::move(currencyCode));
    return NumberFormatter(std::move(impl));
}

NumberFormatter NumberFormatter::percent(std::string localeIdentifier) {
    return NumberFormatter(Style::percent, std::move(localeIdentifier));
}

NumberFormatter NumberFormatter::decimal(std::string localeIdentifier) {
    return NumberFormatter(Style::decimal, std::move(localeIdentifier));
}

NumberFormatter NumberFormatter::ordinal(std::string localeIdentifier) {
    return NumberFormatter(Style::ordinal, std::move(localeIdentifier));
}

NumberFormatter::NumberFormatter(const NumberFormatter& other)
    : impl_(std::make_unique<Impl>(*other.impl_)) {}

NumberFormatter& NumberFormatter::operator=(const NumberFormatter& other) {
    if (this != &other)
        impl_ = std::make_unique<Impl>(*other.impl_);
    return *this;
}

NumberFormatter::NumberFormatter(NumberFormatter&&) noexcept = default;
NumberFormatter& NumberFormatter::operator=(NumberFormatter&&) noexcept = default;
NumberFormatter::~NumberFormatter() = default;

NumberFormatter::Style NumberFormatter::style() const {
    return impl_->style;
}

const std::string& NumberFormatter::localeIdentifier() const {
    return impl_->localeIdentifier;
}

std::string NumberFormatter::currencyCode() const {
    return impl_->style == Style::currency ? impl_->effectiveCurrencyCode() : std::string();
}

std::string NumberFormatter::currencySymbol() const {
    const std::string code = impl_->effectiveCurrencyCode();
    if (code.size() == 3 && knownCurrencyCodes().contains(code)) {
        icu::UnicodeString ucode = icu_bridge::ustring(code);
        const std::string id = impl_->locale().getName();
        UBool isChoiceFormat = false;
        int32_t length = 0;
        UErrorCode status = U_ZERO_ERROR;
        const UChar* name = ucurr_getName(ucode.getTerminatedBuffer(), id.c_str(), UCURR_SYMBOL_NAME,
                                          &isChoiceFormat, &length, &status);
        if (U_SUCCESS(status) && name)
            return icu_bridge::utf8(icu::UnicodeString(name, length));
    }
    return impl_->symbol(icu::DecimalFormatSymbols::kCurrencySymbol,
                         icu::DecimalFormatSymbols::kCurrencySymbol);
}

std::string NumberFormatter::decimalSeparator() const {
    return impl_->symbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol,
                         icu::DecimalFormatSymbols::kMonetarySeparatorSymbol);
}

std::string NumberFormatter::groupingSeparator() const {
    return impl_->symbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol,
                         icu::DecimalFormatSymbols::kMonetaryGroupingSeparatorSymbol);
}

NumberFormatter& NumberFormatter::setMinimumFractionDigits(int digits) {
    digits = std::max(digits, 0);
    impl_->minimumFractionDigits = digits;
    // The platform keeps minimum <= maximum by moving the other bound.
    if (impl_->maximumFractionDigits && *impl_->maximumFractionDigits < digits)
        impl_->maximumFractionDigits = digits;
    impl_->applyOptions();
    return *this;
}

NumberFormatter& NumberFormatter::setMaximumFractionDigits(int digits) {
    digits = std::max(digits, 0);
    impl_->maximumFractionDigits = digits;
    if (impl_->minimumFractionDigits && *impl_->minimumFractionDigits > digits)
        impl_->minimumFractionDigits = digits;
    impl_->applyOptions();
    return *this;
}

NumberFormatter& NumberFormatter::setUsesGroupingSeparator(bool uses) {
    impl_->usesGroupingSeparator = uses;
    impl_->applyOptions();
    return *this;
}

int NumberFormatter::minimumFractionDigits() const {
    if (impl_->format)
        return impl_->format->getMinimumFractionDigits();
    return impl_->minimumFractionDigits.value_or(0);
}

int NumberFormatter::maximumFractionDigits() const {
    if (impl_->format)
        return impl_->format->getMaximumFractionDigits();
    return impl_->maximumFractionDigits.value_or(0);
}

std::optional<std::string> NumberFormatter::string(double value) const {
    if (!std::isfinite(value) || !impl_->format)
        return std::nullopt;
    icu::UnicodeString out;
    {
        std::lock_guard lock(*impl_->mutex);
        impl_->format->format(value, out);
    }
    if (out.isBogus())
        return std::nullopt;
    return icu_bridge::utf8(out);
}

std::string NumberFormatter::stringOrDash(double value) const {
    return string(value).value_or("--");
}

std::optional<double> NumberFormatter::number(std::string_view text) const {
    if (text.empty() || !impl_->format)
        return std::nullopt;
    const icu::UnicodeString input = icu_bridge::ustring(text);
    icu::Formattable result;
    icu::ParsePosition position(0);
    {
        // ICU's default parse is strict: grouping in the wrong place ("1,5" in English) and a
        // foreign decimal separator stop the parse, which the whole-text check then rejects.
        std::lock_guard lock(*impl_->mutex);
        impl_->format->parse(input, result, position);
    }
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length())
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const double value = result.getDouble(status);
    if (U_FAILURE(status) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace zt
