#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

/// A number formatter over ICU, configured like the platform's: a style, a locale and a few
/// options. Copies share nothing mutable. A formatter that cannot format (a bad locale or
/// currency, a NaN) returns no text; callers then show "--".
class NumberFormatter {
public:
    enum class Style { decimal, currency, percent, ordinal };

    NumberFormatter(Style style, std::string localeIdentifier);
    /// Currency formatting in the locale's own currency.
    static NumberFormatter currency(std::string localeIdentifier);
    /// Currency formatting of the ISO 4217 code, the rest as the locale does it.
    static NumberFormatter currency(std::string localeIdentifier, std::string currencyCode);
    static NumberFormatter percent(std::string localeIdentifier);
    static NumberFormatter decimal(std::string localeIdentifier);
    static NumberFormatter ordinal(std::string localeIdentifier);

    NumberFormatter(const NumberFormatter&);
    NumberFormatter& operator=(const NumberFormatter&);
    NumberFormatter(NumberFormatter&&) noexcept;
    NumberFormatter& operator=(NumberFormatter&&) noexcept;
    ~NumberFormatter();

    Style style() const;
    const std::string& localeIdentifier() const;
    /// The ISO code in use (currency style), or the empty text.
    std::string currencyCode() const;
    std::string currencySymbol() const;
    std::string decimalSeparator() const;
    std::string groupingSeparator() const;

    NumberFormatter& setMinimumFractionDigits(int digits);
    NumberFormatter& setMaximumFractionDigits(int digits);
    NumberFormatter& setUsesGroupingSeparator(bool uses);
    int minimumFractionDigits() const;
    int maximumFractionDigits() const;

    std::optional<std::string> string(double value) const;
    /// The text, or "--" when the value cannot be formatted.
    std::string stringOrDash(double value) const;
    /// Parses the whole text; trailing garbage, an empty text or a number of the wrong form gives
    /// nothing. Currency formatters accept the currency symbol as they write it.
    std::optional<double> number(std::string_view text) const;

private:
    struct Impl;
    explicit NumberFormatter(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

} // namespace zt
