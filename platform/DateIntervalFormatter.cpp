#include "DateIntervalFormatter.h"

#include "Environment.h"
#include "LocaleNames.h"

#include <cmath>
#include <mutex>
#include <unicode/dtitvfmt.h>
#include <unicode/dtptngen.h>

namespace zt {

struct DateIntervalFormatter::Impl {
    Style dateStyle = Style::medium;
    Style timeStyle = Style::none;
    std::string dateTemplate; // wins over the styles when set
    std::string locale;       // empty: the environment's
    std::string timeZone;     // empty: the environment's

    struct Built {
        std::string locale;
        std::string timeZone;
        bool empty; // emplace() value-initialises it to false
        std::unique_ptr<icu::DateIntervalFormat> format; // null: cannot format
    };
    mutable std::optional<Built> built;
    mutable std::mutex mutex;

    Impl() = default;
    Impl(const Impl& other)
        : dateStyle(other.dateStyle), timeStyle(other.timeStyle), dateTemplate(other.dateTemplate),
          locale(other.locale), timeZone(other.timeZone) {}

    std::string effectiveLocale() const {
        return locale.empty() ? Environment::current().localeIdentifier() : locale;
    }
    std::string effectiveTimeZone() const {
        return timeZone.empty() ? Environment::current().timeZoneIdentifier() : timeZone;
    }

    void changed() {
        std::lock_guard lock(mutex);
        built.reset();
    }

    // The fields to show: the template's letters, or those of the locale's pattern for the styles,
    // so that a range reads like a single date of that style.
    std::optional<icu::UnicodeString> skeleton(const std::string& localeId, const std::string& zoneId) const {
        std::string pattern;
        if (!dateTemplate.empty()) {
            for (char c : dateTemplate)
                if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
                    pattern += c;
            return icu::UnicodeString::fromUTF8(pattern);
        }
        const std::optional<std::string> stylePattern = DateFormatter::withStyles(dateStyle, timeStyle)
                                                            .setLocale(localeId)
                                                            .setTimeZone(zoneId)
                                                            .dateFormat();
        if (!stylePattern)
            return std::nullopt;
        UErrorCode status = U_ZERO_ERROR;
        icu::UnicodeString out =
            icu::DateTimePatternGenerator::staticGetSkeleton(icu_bridge::ustring(*stylePattern), status);
        if (U_FAILURE(status))
            return std::nullopt;
        return out;
    }

    // Must hold the mutex.
    const Built& prepared() const {
        std::string loc = effectiveLocale();
        std::string zone = effectiveTimeZone();
        if (built && built->locale == loc && built->timeZone == zone)
            return *built;
        built.emplace();
        built->locale = std::move(loc);
        built->timeZone = std::move(zone);
        if (dateTemplate.empty() && dateStyle == Style::none && timeStyle == Style::none) {
            built->empty = true;
            return *built;
        }
        const icu::Locale icuLocale = icu_bridge::locale(built->locale);
        std::unique_ptr<icu::TimeZone> icuZone = icu_bridge::timeZone(built->timeZone);
        if (icuLocale.isBogus() || !icuZone)
            return *built;
        const std::optional<icu::UnicodeString> fields = skeleton(built->locale, built->timeZone);
        if (!fields || fields->isEmpty())
            return *built;
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::DateIntervalFormat> format(
            icu::DateIntervalFormat::createInstance(*fields, icuLocale, status));
        if (U_FAILURE(status) || !format)
            return *built;
        format->adoptTimeZone(icuZone.release());
        built->format = std::move(format);
        return *built;
    }
};

DateIntervalFormatter::DateIntervalFormatter() : impl_(std::make_unique<Impl>()) {}

DateIntervalFormatter DateIntervalFormatter::withStyles(Style dateStyle, Style timeStyle) {
    DateIntervalFormatter out;
    out.setDateStyle(dateStyle).setTimeStyle(timeStyle);
    return out;
}

DateIntervalFormatter DateIntervalFormatter::withTemplate(std::string dateTemplate) {
    DateIntervalFormatter out;
    out.setDateTemplate(std::move(dateTemplate));
    return out;
}

DateIntervalFormatter::DateIntervalFormatter(const DateIntervalFormatter& other)
    : impl_(std::make_unique<Impl>(*other.impl_)) {}

DateIntervalFormatter& DateIntervalFormatter::operator=(const DateIntervalFormatter& other) {
    if (this != &other)
        impl_ = std::make_unique<Impl>(*other.impl_);
    return *this;
}

DateIntervalFormatter::DateIntervalFormatter(DateIntervalFormatter&&) noexcept = default;
DateIntervalFormatter& DateIntervalFormatter::operator=(DateIntervalFormatter&&) noexcept = default;
DateIntervalFormatter::~DateIntervalFormatter() = default;

DateIntervalFormatter& DateIntervalFormatter::setDateStyle(Style style) {
    impl_->dateTemplate.clear();
    impl_->dateStyle = style;
    impl_->changed();
    return *this;
}

DateIntervalFormatter& DateIntervalFormatter::setTimeStyle(Style style) {
    impl_->dateTemplate.clear();
    impl_->timeStyle = style;
    impl_->changed();
    return *this;
}

DateIntervalFormatter& DateIntervalFormatter::setDateTemplate(std::string dateTemplate) {
    impl_->dateTemplate = std::move(dateTemplate);
    impl_->changed();
    return *this;
}

DateIntervalFormatter& DateIntervalFormatter::setLocale(std::string identifier) {
    impl_->locale = std::move(identifier);
    impl_->changed();
    return *this;
}

DateIntervalFormatter& DateIntervalFormatter::setTimeZone(std::string identifier) {
    impl_->timeZone = std::move(identifier);
    impl_->changed();
    return *this;
}

std::string DateIntervalFormatter::localeIdentifier() const {
    return impl_->effectiveLocale();
}
std::string DateIntervalFormatter::timeZoneIdentifier() const {
    return impl_->effectiveTimeZone();
}

std::optional<std::string> DateIntervalFormatter::string(const DateInterval& interval) const {
    return string(interval.start, interval.end);
}

std::optional<std::string> DateIntervalFormatter::string(Date from, Date to) const {
    if (!std::isfinite(from.secondsSinceReferenceDate) || !std::isfinite(to.secondsSinceReferenceDate))
        return std::nullopt;
    icu::UnicodeString out;
    UErrorCode status = U_ZERO_ERROR;
    {
        std::lock_guard lock(impl_->mutex);
        const Impl::Built& built = impl_->prepared();
        if (built.empty)
            return std::string();
        if (!built.format)
            return std::nullopt;
        const icu::DateInterval range(from.icuMillis(), to.icuMillis());
        icu::FieldPosition position;
        built.format->format(&range, out, position, status);
    }
    if (U_FAILURE(status) || out.isBogus())
        return std::nullopt;
    return icu_bridge::utf8(out);
}

} // namespace zt
