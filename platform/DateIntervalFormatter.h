#pragma once

#include "DateFormatter.h"
#include "DateInterval.h"

#include <memory>
#include <optional>
#include <string>

namespace zt {

/// Writes a date interval as a range ("12–15 May 2025", "12.–15.05.2025"), sharing the fields the
/// two ends have in common, over ICU's interval format. By default a medium date without time;
/// locale and time zone follow the environment at each call unless set. Copies share nothing
/// mutable.
class DateIntervalFormatter {
public:
    using Style = DateFormatter::Style;

    DateIntervalFormatter();
    static DateIntervalFormatter withStyles(Style dateStyle, Style timeStyle = Style::none);
    /// A set of fields ("d MM yyyy") that each locale orders and punctuates.
    static DateIntervalFormatter withTemplate(std::string dateTemplate);

    DateIntervalFormatter(const DateIntervalFormatter&);
    DateIntervalFormatter& operator=(const DateIntervalFormatter&);
    DateIntervalFormatter(DateIntervalFormatter&&) noexcept;
    DateIntervalFormatter& operator=(DateIntervalFormatter&&) noexcept;
    ~DateIntervalFormatter();

    DateIntervalFormatter& setDateStyle(Style style);
    DateIntervalFormatter& setTimeStyle(Style style);
    DateIntervalFormatter& setDateTemplate(std::string dateTemplate);
    /// An empty identifier goes back to following the environment.
    DateIntervalFormatter& setLocale(std::string identifier);
    DateIntervalFormatter& setTimeZone(std::string identifier);

    std::string localeIdentifier() const;
    std::string timeZoneIdentifier() const;

    /// The empty text when both styles are none; nothing when the locale or time zone is unusable
    /// or an end is not finite.
    std::optional<std::string> string(const DateInterval& interval) const;
    std::optional<std::string> string(Date from, Date to) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace zt
