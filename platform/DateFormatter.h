#pragma once

#include "Date.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

/// A date formatter over ICU, configured like the platform's: date and time styles, a fixed
/// pattern ("yyyy-MM-dd") or a template that the locale orders and punctuates ("d MM yyyy").
/// Locale and time zone follow the environment at each call unless set. The last of style,
/// pattern or template set decides the format. Copies share nothing mutable; one formatter may be
/// used from several threads.
class DateFormatter {
public:
    /// The platform's styles; `short_` and `long_` avoid the keywords.
    enum class Style { none, short_, medium, long_, full };

    /// No style and no pattern: formats every date as the empty text, as the platform does.
    DateFormatter();
    static DateFormatter withStyles(Style dateStyle, Style timeStyle = Style::none);
    /// A fixed ICU pattern, used as given in every locale.
    static DateFormatter withFormat(std::string pattern);
    /// A set of fields ("d MM yyyy"; characters other than letters are ignored) that each locale
    /// turns into its own pattern.
    static DateFormatter withTemplate(std::string dateTemplate);

    DateFormatter(const DateFormatter&);
    DateFormatter& operator=(const DateFormatter&);
    DateFormatter(DateFormatter&&) noexcept;
    DateFormatter& operator=(DateFormatter&&) noexcept;
    ~DateFormatter();

    DateFormatter& setDateStyle(Style style);
    DateFormatter& setTimeStyle(Style style);
    DateFormatter& setDateFormat(std::string pattern);
    DateFormatter& setLocalizedDateFormatFromTemplate(std::string dateTemplate);
    /// An empty identifier goes back to following the environment.
    DateFormatter& setLocale(std::string identifier);
    DateFormatter& setTimeZone(std::string identifier);

    Style dateStyle() const;
    Style timeStyle() const;
    /// The locale and time zone a call would use now.
    std::string localeIdentifier() const;
    std::string timeZoneIdentifier() const;
    /// The ICU pattern a call would use now (styles and templates resolved in the locale); empty
    /// for the empty formatter, nothing when the configuration cannot format.
    std::optional<std::string> dateFormat() const;

    /// Nothing when the locale, time zone or pattern is unusable or the date is not finite.
    std::optional<std::string> string(Date date) const;
    /// Parses the whole text: trailing text, fields out of range ("2025-02-30") or a text of
    /// another form give nothing. A wall-clock time that the time zone skips moves forward by the
    /// gap (02:30 becomes 03:30, a skipped midnight 01:00); a repeated one means its first
    /// occurrence. Fields the pattern lacks take ICU's defaults (1970-01-01 00:00); two-digit
    /// years fall in the century that starts 80 years before the environment's now.
    std::optional<Date> date(std::string_view text) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace zt
