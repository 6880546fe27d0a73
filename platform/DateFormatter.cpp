#include "DateFormatter.h"

#include "Environment.h"
#include "LocaleNames.h"

#include <cmath>
#include <mutex>
#include <unicode/calendar.h>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>

namespace zt {

namespace {

enum class Mode { styles, pattern, dateTemplate };

icu::DateFormat::EStyle icuStyle(DateFormatter::Style style) {
    switch (style) {
    case DateFormatter::Style::none:
        return icu::DateFormat::kNone;
    case DateFormatter::Style::short_:
        return icu::DateFormat::kShort;
    case DateFormatter::Style::medium:
        return icu::DateFormat::kMedium;
    case DateFormatter::Style::long_:
        return icu::DateFormat::kLong;
    case DateFormatter::Style::full:
        return icu::DateFormat::kFull;
    }
    return icu::DateFormat::kNone;
}

// A template's fields without the spaces and punctuation people write between them.
icu::UnicodeString skeletonOf(const std::string& dateTemplate) {
    std::string letters;
    for (char c : dateTemplate)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            letters += c;
    return icu::UnicodeString::fromUTF8(letters);
}

constexpr double millisPerYear = 365.2425 * 86400.0 * 1000.0;

} // namespace

struct DateFormatter::Impl {
    Mode mode = Mode::styles;
    Style dateStyle = Style::none;
    Style timeStyle = Style::none;
    std::string pattern;      // Mode::pattern
    std::string dateTemplate; // Mode::dateTemplate
    std::string locale;       // empty: the environment's
    std::string timeZone;     // empty: the environment's

    // The ICU formatter for the configuration and the locale and zone it was built for; rebuilt
    // only when one of them changes, since building costs about a thousand formats.
    struct Built {
        std::string locale;
        std::string timeZone;
        bool empty; // no style, no pattern; emplace() value-initialises it to false
        std::unique_ptr<icu::SimpleDateFormat> format; // null: cannot format
    };
    mutable std::optional<Built> built;
    mutable std::mutex mutex; // ICU date formats keep a working calendar: one caller at a time

    Impl() = default;
    Impl(const Impl& other)
        : mode(other.mode), dateStyle(other.dateStyle), timeStyle(other.timeStyle), pattern(other.pattern),
          dateTemplate(other.dateTemplate), locale(other.locale), timeZone(other.timeZone) {}

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

    // Must hold the mutex.
    const Built& prepared() const {
        std::string loc = effectiveLocale();
        std::string zone = effectiveTimeZone();
        if (built && built->locale == loc && built->timeZone == zone)
            return *built;
        built.emplace();
        built->locale = std::move(loc);
        built->timeZone = std::move(zone);
        if (mode == Mode::styles && dateStyle == Style::none && timeStyle == Style::none) {
            built->empty = true;
            return *built;
        }
        built->format = make(built->locale, built->timeZone);
        return *built;
    }

    std::unique_ptr<icu::SimpleDateFormat> make(const std::string& localeId,
                                                const std::string& zoneId) const {
        const icu::Locale loc = icu_bridge::locale(localeId);
        std::unique_ptr<icu::TimeZone> zone = icu_bridge::timeZone(zoneId);
        if (loc.isBogus() || !zone)
            return nullptr;
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::SimpleDateFormat> format;
        switch (mode) {
        case Mode::styles: {
            std::unique_ptr<icu::DateFormat> made(
                icu::DateFormat::createDateTimeInstance(icuStyle(dateStyle), icuStyle(timeStyle), loc));
            if (auto* simple = dynamic_cast<icu::SimpleDateFormat*>(made.get())) {
                made.release();
                format.reset(simple);
            }
            break;
        }
        case Mode::pattern:
            format = std::make_unique<icu::SimpleDateFormat>(icu_bridge::ustring(pattern), loc, status);
            break;
        case Mode::dateTemplate: {
            std::unique_ptr<icu::DateTimePatternGenerator> generator(
                icu::DateTimePatternGenerator::createInstance(loc, status));
            if (U_FAILURE(status))
                return nullptr;
            const icu::UnicodeString best = generator->getBestPattern(skeletonOf(dateTemplate), status);
            if (U_FAILURE(status) || best.isEmpty())
                return nullptr;
            format = std::make_unique<icu::SimpleDateFormat>(best, loc, status);
            break;
        }
        }
        if (U_FAILURE(status) || !format)
            return nullptr;
        // A repeated wall-clock time (clocks set back) means its first occurrence, as everywhere
        // else in our calendar work.
        std::unique_ptr<icu::Calendar> calendar(format->getCalendar()->clone());
        calendar->setRepeatedWallTimeOption(UCAL_WALLTIME_FIRST);
        format->adoptCalendar(calendar.release());
        format->adoptTimeZone(zone.release());
        // Strict: whole fields only, in range, no whitespace or numeric fallbacks.
        format->setLenient(false);
        return format;
    }
};

DateFormatter::DateFormatter() : impl_(std::make_unique<Impl>()) {}

DateFormatter DateFormatter::withStyles(Style dateStyle, Style timeStyle) {
    DateFormatter out;
    out.setDateStyle(dateStyle).setTimeStyle(timeStyle);
    return out;
}

DateFormatter DateFormatter::withFormat(std::string pattern) {
    DateFormatter out;
    out.setDateFormat(std::move(pattern));
    return out;
}

DateFormatter DateFormatter::withTemplate(std::string dateTemplate) {
    DateFormatter out;
    out.setLocalizedDateFormatFromTemplate(std::move(dateTemplate));
    return out;
}

DateFormatter::DateFormatter(const DateFormatter& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}

DateFormatter& DateFormatter::operator=(const DateFormatter& other) {
    if (this != &other)
        impl_ = std::make_unique<Impl>(*other.impl_);
    return *this;
}

DateFormatter::DateFormatter(DateFormatter&&) noexcept = default;
DateFormatter& DateFormatter::operator=(DateFormatter&&) noexcept = default;
DateFormatter::~DateFormatter() = default;

DateFormatter& DateFormatter::setDateStyle(Style style) {
    impl_->mode = Mode::styles;
    impl_->dateStyle = style;
    impl_->changed();
    return *this;
}

DateFormatter& DateFormatter::setTimeStyle(Style style) {
    impl_->mode = Mode::styles;
    impl_->timeStyle = style;
    impl_->changed();
    return *this;
}

DateFormatter& DateFormatter::setDateFormat(std::string pattern) {
    impl_->mode = Mode::pattern;
    impl_->pattern = std::move(pattern);
    impl_->changed();
    return *this;
}

DateFormatter& DateFormatter::setLocalizedDateFormatFromTemplate(std::string dateTemplate) {
    impl_->mode = Mode::dateTemplate;
    impl_->dateTemplate = std::move(dateTemplate);
    impl_->changed();
    return *this;
}

DateFormatter& DateFormatter::setLocale(std::string identifier) {
    impl_->locale = std::move(identifier);
    impl_->changed();
    return *this;
}

DateFormatter& DateFormatter::setTimeZone(std::string identifier) {
    impl_->timeZone = std::move(identifier);
    impl_->changed();
    return *this;
}

DateFormatter::Style DateFormatter::dateStyle() const {
    return impl_->dateStyle;
}
DateFormatter::Style DateFormatter::timeStyle() const {
    return impl_->timeStyle;
}
std::string DateFormatter::localeIdentifier() const {
    return impl_->effectiveLocale();
}
std::string DateFormatter::timeZoneIdentifier() const {
    return impl_->effectiveTimeZone();
}

std::optional<std::string> DateFormatter::dateFormat() const {
    std::lock_guard lock(impl_->mutex);
    const Impl::Built& built = impl_->prepared();
    if (built.empty)
        return std::string();
    if (!built.format)
        return std::nullopt;
    icu::UnicodeString pattern;
    built.format->toPattern(pattern);
    return icu_bridge::utf8(pattern);
}

std::optional<std::string> DateFormatter::string(Date date) const {
    if (!std::isfinite(date.secondsSinceReferenceDate))
        return std::nullopt;
    icu::UnicodeString out;
    {
        std::lock_guard lock(impl_->mutex);
        const Impl::Built& built = impl_->prepared();
        if (built.empty)
            return std::string();
        if (!built.format)
            return std::nullopt;
        built.format->format(date.icuMillis(), out);
    }
    if (out.isBogus())
        return std::nullopt;
    return icu_bridge::utf8(out);
}

std::optional<Date> DateFormatter::date(std::string_view text) const {
    if (text.empty())
        return std::nullopt;
    const icu::UnicodeString input = icu_bridge::ustring(text);
    const double centuryStart = Environment::current().now().icuMillis() - 80 * millisPerYear;

    std::lock_guard lock(impl_->mutex);
    const Impl::Built& built = impl_->prepared();
    if (!built.format)
        return std::nullopt;
    icu::SimpleDateFormat& format = *built.format;
    UErrorCode status = U_ZERO_ERROR;
    // ICU would otherwise place two-digit years around the machine's clock.
    format.set2DigitYearStart(centuryStart, status);

    const auto parseWhole = [&input](icu::SimpleDateFormat& with) -> std::optional<double> {
        icu::ParsePosition position(0);
        const UDate millis = with.parse(input, position);
        if (position.getErrorIndex() >= 0 || position.getIndex() != input.length())
            return std::nullopt;
        return millis;
    };
    if (auto millis = parseWhole(format))
        return Date::fromIcuMillis(*millis);

    // A strict calendar also rejects wall-clock times inside a daylight-saving gap (a skipped
    // midnight makes a whole day unparsable). Accept those when the fields are valid in a zone
    // without gaps, and resolve them as a lenient calendar does: past the gap.
    std::unique_ptr<icu::SimpleDateFormat> lenient(format.clone());
    lenient->setCalendarLenient(true);
    const std::optional<double> resolved = parseWhole(*lenient);
    if (!resolved)
        return std::nullopt;
    std::unique_ptr<icu::SimpleDateFormat> validator(format.clone());
    validator->adoptTimeZone(icu::TimeZone::getGMT()->clone());
    if (!parseWhole(*validator))
        return std::nullopt;
    return Date::fromIcuMillis(*resolved);
}

} // namespace zt
