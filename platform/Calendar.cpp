#include "Calendar.h"

#include "Environment.h"
#include "MonthIndex.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <mutex>
#include <unicode/gregocal.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>
#include <unordered_map>

namespace zt {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// Largest change of a zone's UTC offset (date-line moves skip a whole day), plus margin: a
// search looks this far around the bound and past its best match, since wall-clock order and
// instant order differ only within such a jump.
constexpr std::int64_t kSearchWindow = 26 * 3600;
constexpr int kSearchMonths = 400 * 12;

using civil::daysFromCivil;

/// Wall-clock fields; year is ICU's extended year (1 BC = 0).
struct Fields {
    int year = 1, month = 1, day = 1, hour = 0, minute = 0, second = 0;

    std::int64_t wallSeconds() const {
        return daysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
    }
};

std::unique_ptr<icu::GregorianCalendar> makePrototype(const std::string& zone) {
    UErrorCode status = U_ZERO_ERROR;
    auto calendar = std::make_unique<icu::GregorianCalendar>(
        icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zone)), icu::Locale("en", "US"), status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        calendar = std::make_unique<icu::GregorianCalendar>(icu::TimeZone::getGMT()->clone(), status);
    }
    // A repeated wall-clock time means its first occurrence; a skipped one moves forward by the
    // length of the gap. Individual operations override this where their policy says otherwise.
    calendar->setRepeatedWallTimeOption(UCAL_WALLTIME_FIRST);
    calendar->setSkippedWallTimeOption(UCAL_WALLTIME_LAST);
    calendar->setLenient(true);
    return calendar;
}

std::shared_ptr<const icu::GregorianCalendar> prototypeFor(const std::string& zone) {
    static std::mutex mutex;
    static std::unordered_map<std::string, std::shared_ptr<const icu::GregorianCalendar>> cache;
    std::lock_guard lock(mutex);
    auto& slot = cache[zone];
    if (!slot)
        slot = makePrototype(zone);
    return slot;
}

std::unique_ptr<icu::GregorianCalendar> cloneOf(const icu::GregorianCalendar& calendar) {
    return std::unique_ptr<icu::GregorianCalendar>(calendar.clone());
}

/// Field ranges are checked by a strict ICU calendar in UTC, where no wall-clock time is
/// skipped, so only genuinely out-of-range fields fail.
bool inRange(const DateComponents& c) {
    thread_local const std::unique_ptr<icu::GregorianCalendar> strict = [] {
        auto calendar = cloneOf(*prototypeFor("UTC"));
        calendar->setLenient(false);
        return calendar;
    }();
    if (c.weekday && (*c.weekday < 1 || *c.weekday > 7))
        return false;
    strict->clear();
    strict->set(UCAL_ERA, c.era.value_or(1));
    strict->set(UCAL_YEAR, c.year.value_or(1));
    strict->set(UCAL_MONTH, c.month.value_or(1) - 1);
    strict->set(UCAL_DATE, c.day.value_or(1));
    strict->set(UCAL_HOUR_OF_DAY, c.hour.value_or(0));
    strict->set(UCAL_MINUTE, c.minute.value_or(0));
    strict->set(UCAL_SECOND, c.second.value_or(0));
    UErrorCode status = U_ZERO_ERROR;
    strict->getTime(status);
    return U_SUCCESS(status);
}

UCalendarDateFields icuField(CalendarComponent component) {
    switch (component) {
    case CalendarComponent::era:
        return UCAL_ERA;
    case CalendarComponent::year:
        return UCAL_YEAR;
    case CalendarComponent::month:
        return UCAL_MONTH;
    case CalendarComponent::day:
        return UCAL_DATE;
    case CalendarComponent::hour:
        return UCAL_HOUR_OF_DAY;
    case CalendarComponent::minute:
        return UCAL_MINUTE;
    case CalendarComponent::second:
        return UCAL_SECOND;
    case CalendarComponent::weekday:
        return UCAL_DAY_OF_WEEK;
    case CalendarComponent::weekOfYear:
        return UCAL_WEEK_OF_YEAR;
    }
    return UCAL_DATE;
}

UCalendarWallTimeOption skippedOption(MatchingPolicy policy) {
    switch (policy) {
    case MatchingPolicy::nextTime:
        return UCAL_WALLTIME_NEXT_VALID;
    case MatchingPolicy::previousTimePreservingSmallerComponents:
        return UCAL_WALLTIME_FIRST;
    case MatchingPolicy::nextTimePreservingSmallerComponents:
    case MatchingPolicy::strict:
        break;
    }
    return UCAL_WALLTIME_LAST;
}

UCalendarWallTimeOption repeatedOption(RepeatedTimePolicy repeated) {
    return repeated == RepeatedTimePolicy::first ? UCAL_WALLTIME_FIRST : UCAL_WALLTIME_LAST;
}

/// What a search looks for: fields below the smallest given one are pinned to their lowest
/// value, larger unset ones are free.
struct Pattern {
    std::optional<int> year, month, day, weekday, hour, minute, second;
    bool wholeDay = false; // no time of day given: a matching day is found at its start
};

std::optional<Pattern> makePattern(const DateComponents& c) {
    if (c.era && *c.era != 1)
        return std::nullopt;
    const auto outside = [](const std::optional<int>& v, int lo, int hi) {
        return v && (*v < lo || *v > hi);
    };
    if (outside(c.year, 1, 1'000'000) || outside(c.month, 1, 12) || outside(c.day, 1, 31) ||
        outside(c.weekday, 1, 7) || outside(c.hour, 0, 23) || outside(c.minute, 0, 59) ||
        outside(c.second, 0, 59))
        return std::nullopt;
    int smallest = -1;
    const std::array<bool, 6> given{c.year.has_value(), c.month.has_value(),  c.day || c.weekday,
                                    c.hour.has_value(), c.minute.has_value(), c.second.has_value()};
    for (int level = 0; level < 6; ++level)
        if (given[level])
            smallest = level;
    if (smallest < 0)
        return std::nullopt;
    Pattern p{c.year, c.month, c.day, c.weekday, c.hour, c.minute, c.second};
    p.wholeDay = smallest < 3;
    const auto pin = [smallest](std::optional<int>& v, int level, int lowest) {
        if (smallest < level && !v)
            v = lowest;
    };
    pin(p.month, 1, 1);
    if (!p.weekday)
        pin(p.day, 2, 1);
    pin(p.hour, 3, 0);
    pin(p.minute, 4, 0);
    pin(p.second, 5, 0);
    return p;
}

} // namespace

struct Calendar::Impl {
    std::string timeZone;
    std::unique_ptr<icu::GregorianCalendar> icu;
    std::shared_ptr<const MonthIndex> months{}; // fetched on first use

    bool setInstant(Date date) {
        if (!std::isfinite(date.secondsSinceReferenceDate))
            return false;
        UErrorCode status = U_ZERO_ERROR;
        icu->setTime(date.icuMillis(), status);
        return U_SUCCESS(status);
    }

    int get(UCalendarDateFields field) {
        UErrorCode status = U_ZERO_ERROR;
        const int value = icu->get(field, status);
        return U_SUCCESS(status) ? value : 0;
    }

    std::optional<Fields> fieldsOf(Date date) {
        if (!setInstant(date))
            return std::nullopt;
        return Fields{get(UCAL_EXTENDED_YEAR), get(UCAL_MONTH) + 1, get(UCAL_DATE),
                      get(UCAL_HOUR_OF_DAY),   get(UCAL_MINUTE),    get(UCAL_SECOND)};
    }

    int daysInMonth(int year, int month) {
        static constexpr std::array<int, 12> lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        return month == 2 && icu->isLeapYear(year) ? 29 : lengths[static_cast<std::size_t>(month - 1)];
    }

    /// The instant (ICU milliseconds) of wall-clock fields; fields may overflow (day 32 is the
    /// 1st of the next month). With `strict`, a time the clocks skip gives nothing.
    std::optional<double> resolve(const Fields& f, UCalendarWallTimeOption skipped,
                                  UCalendarWallTimeOption repeated, bool strict = false) {
        icu->clear();
        icu->setSkippedWallTimeOption(skipped);
        icu->setRepeatedWallTimeOption(repeated);
        icu->set(UCAL_EXTENDED_YEAR, f.year);
        icu->set(UCAL_MONTH, f.month - 1);
        icu->set(UCAL_DATE, f.day);
        icu->set(UCAL_HOUR_OF_DAY, f.hour);
        icu->set(UCAL_MINUTE, f.minute);
        icu->set(UCAL_SECOND, f.second);
        UErrorCode status = U_ZERO_ERROR;
        const double millis = icu->getTime(status);
        if (U_FAILURE(status))
            return std::nullopt;
        // A skipped time comes back as a different wall-clock time.
        if (strict && (get(UCAL_HOUR_OF_DAY) != f.hour || get(UCAL_MINUTE) != f.minute ||
                       get(UCAL_SECOND) != f.second || get(UCAL_DATE) != f.day))
            return std::nullopt;
        return millis;
    }

    /// The first instant of a day: midnight, or the end of a gap that swallows midnight.
    std::optional<double> dayStart(int year, int month, int day) {
        return resolve(Fields{year, month, day, 0, 0, 0}, UCAL_WALLTIME_NEXT_VALID, UCAL_WALLTIME_FIRST);
    }

    /// Wall-clock fields resolved as additions do: a skipped time moves forward by the gap,
    /// a repeated one is its first occurrence. The sub-second part of `from` is kept.
    std::optional<Date> atWallTime(const Fields& f, Date from) {
        const double unix = from.unixSeconds();
        const auto millis = resolve(f, UCAL_WALLTIME_LAST, UCAL_WALLTIME_FIRST);
        if (!millis)
            return std::nullopt;
        return Date::fromIcuMillis(*millis) + (unix - std::floor(unix));
    }

    std::optional<Date> search(Date bound, bool inclusive, const Pattern& p, MatchingPolicy policy,
                               RepeatedTimePolicy repeated, bool forward);
};

std::optional<Date> Calendar::Impl::search(Date bound, bool inclusive, const Pattern& p,
                                           MatchingPolicy policy, RepeatedTimePolicy repeated, bool forward) {
    const auto boundFields = fieldsOf(bound);
    if (!boundFields)
        return std::nullopt;
    const std::int64_t boundWall = boundFields->wallSeconds();
    const double boundMillis = bound.icuMillis();
    const UCalendarWallTimeOption skipped = skippedOption(policy);
    const UCalendarWallTimeOption twice = repeatedOption(repeated);

    std::optional<double> best;
    std::int64_t bestWall = 0;
    bool done = false;

    // Offers one candidate wall-clock time; returns false once no later candidate can win.
    const auto offer = [&](const Fields& f, bool atDayStart) {
        const std::int64_t wall = f.wallSeconds();
        if (best && (forward ? wall > bestWall + kSearchWindow : wall < bestWall - kSearchWindow))
            return false;
        if (forward ? wall < boundWall - kSearchWindow : wall > boundWall + kSearchWindow)
            return true;
        const auto millis = atDayStart ? dayStart(f.year, f.month, f.day)
                                       : resolve(f, skipped, twice, policy == MatchingPolicy::strict);
        if (!millis)
            return true;
        const bool beyond = forward ? (inclusive ? *millis >= boundMillis : *millis > boundMillis)
                                    : (inclusive ? *millis <= boundMillis : *millis < boundMillis);
        if (beyond && (!best || (forward ? *millis < *best : *millis > *best))) {
            best = millis;
            bestWall = wall;
        }
        return true;
    };

    const auto offerTimes = [&](int year, int month, int day) {
        const std::int64_t dayWall = daysFromCivil(year, month, day) * kSecondsPerDay;
        if (forward ? dayWall + kSecondsPerDay <= boundWall - kSearchWindow
                    : dayWall > boundWall + kSearchWindow)
            return true;
        if (p.wholeDay)
            return offer(Fields{year, month, day}, true);
        const auto range = [forward](const std::optional<int>& v, int hi) {
            return v ? std::array<int, 3>{*v, *v, 1}
                     : (forward ? std::array<int, 3>{0, hi, 1} : std::array<int, 3>{hi, 0, -1});
        };
        const auto hours = range(p.hour, 23), minutes = range(p.minute, 59), seconds = range(p.second, 59);
        for (int h = hours[0];; h += hours[2]) {
            for (int m = minutes[0];; m += minutes[2]) {
                for (int s = seconds[0];; s += seconds[2]) {
                    if (!offer(Fields{year, month, day, h, m, s}, false))
                        return false;
                    if (s == seconds[1])
                        break;
                }
                if (m == minutes[1])
                    break;
            }
            if (h == hours[1])
                break;
        }
        return true;
    };

    // A day the month lacks stands in for itself as the policy says.
    const auto offerMissingDay = [&](int year, int month, int length) {
        switch (policy) {
        case MatchingPolicy::strict:
            return true;
        case MatchingPolicy::previousTimePreservingSmallerComponents:
            return offerTimes(year, month, length);
        case MatchingPolicy::nextTime:
        case MatchingPolicy::nextTimePreservingSmallerComponents: {
            const int nextYear = month == 12 ? year + 1 : year, nextMonth = month == 12 ? 1 : month + 1;
            if (policy == MatchingPolicy::nextTime)
                return offer(Fields{nextYear, nextMonth, 1}, true);
            return offerTimes(nextYear, nextMonth, 1);
        }
        }
        return true;
    };

    const auto weekdayMatches = [&](int year, int month, int day) {
        if (!p.weekday)
            return true;
        // 1970-01-01 was a Thursday (5 with Sunday = 1).
        const std::int64_t days = daysFromCivil(year, month, day);
        return static_cast<int>(((days + 4) % 7 + 7) % 7) + 1 == *p.weekday;
    };

    // Walk months from one before the bound's (one after, backward) so that the window around
    // the bound is fully covered.
    int year = boundFields->year, month = boundFields->month;
    const auto shift = [&](int by) {
        month += by;
        if (month > 12) {
            month = 1;
            ++year;
        } else if (month < 1) {
            month = 12;
            --year;
        }
    };
    const int direction = forward ? 1 : -1;
    shift(-direction);
    for (int walked = 0; walked < kSearchMonths && !done; ++walked, shift(direction)) {
        if (p.year && (forward ? year < *p.year : year > *p.year)) {
            year = *p.year;
            month = forward ? 1 : 12;
        } else if (p.year && year != *p.year) {
            break;
        }
        if (p.month && month != *p.month)
            continue;
        const int length = daysInMonth(year, month);
        if (p.day) {
            if (*p.day > length)
                done = !offerMissingDay(year, month, length);
            else if (weekdayMatches(year, month, *p.day))
                done = !offerTimes(year, month, *p.day);
            continue;
        }
        for (int d = forward ? 1 : length; !done && d >= 1 && d <= length; d += direction)
            if (weekdayMatches(year, month, d))
                done = !offerTimes(year, month, d);
    }
    if (!best)
        return std::nullopt;
    return Date::fromIcuMillis(*best);
}

Calendar::Calendar(const std::string& timeZoneIdentifier)
    : impl_(std::make_unique<Impl>(Impl{timeZoneIdentifier, cloneOf(*prototypeFor(timeZoneIdentifier))})) {}

Calendar Calendar::current() {
    return Environment::current().calendar();
}

Calendar::Calendar(const Calendar& other)
    : impl_(std::make_unique<Impl>(
          Impl{other.impl_->timeZone, cloneOf(*other.impl_->icu), other.impl_->months})) {}

Calendar& Calendar::operator=(const Calendar& other) {
    if (this != &other)
        impl_ = std::make_unique<Impl>(
            Impl{other.impl_->timeZone, cloneOf(*other.impl_->icu), other.impl_->months});
    return *this;
}

Calendar::Calendar(Calendar&&) noexcept = default;
Calendar& Calendar::operator=(Calendar&&) noexcept = default;
Calendar::~Calendar() = default;

const std::string& Calendar::timeZoneIdentifier() const {
    return impl_->timeZone;
}

int Calendar::component(CalendarComponent component, Date date) const {
    if (component == CalendarComponent::year || component == CalendarComponent::month) {
        // Per-record year and month lookups are the hot path: answer them from the table.
        if (!impl_->months)
            impl_->months = MonthIndex::forTimeZone(impl_->timeZone);
        if (impl_->months->covers(date)) {
            const YearMonth ym = impl_->months->yearMonth(date);
            return component == CalendarComponent::year ? ym.year : ym.month;
        }
    }
    if (!impl_->setInstant(date))
        return 0;
    const int value = impl_->get(icuField(component));
    return component == CalendarComponent::month ? value + 1 : value;
}

DateComponents Calendar::components(Date date) const {
    if (!impl_->setInstant(date))
        return {};
    auto& c = *impl_;
    return DateComponents{c.get(UCAL_ERA),    c.get(UCAL_YEAR),        c.get(UCAL_MONTH) + 1,
                          c.get(UCAL_DATE),   c.get(UCAL_HOUR_OF_DAY), c.get(UCAL_MINUTE),
                          c.get(UCAL_SECOND), c.get(UCAL_DAY_OF_WEEK)};
}

std::optional<Date> Calendar::date(const DateComponents& c) const {
    if (!inRange(c))
        return std::nullopt;
    auto& icu = *impl_->icu;
    icu.clear();
    icu.setSkippedWallTimeOption(UCAL_WALLTIME_LAST);
    icu.setRepeatedWallTimeOption(UCAL_WALLTIME_FIRST);
    icu.set(UCAL_ERA, c.era.value_or(1));
    icu.set(UCAL_YEAR, c.year.value_or(1));
    icu.set(UCAL_MONTH, c.month.value_or(1) - 1);
    icu.set(UCAL_DATE, c.day.value_or(1));
    icu.set(UCAL_HOUR_OF_DAY, c.hour.value_or(0));
    icu.set(UCAL_MINUTE, c.minute.value_or(0));
    icu.set(UCAL_SECOND, c.second.value_or(0));
    UErrorCode status = U_ZERO_ERROR;
    const double millis = icu.getTime(status);
    if (U_FAILURE(status))
        return std::nullopt;
    return Date::fromIcuMillis(millis);
}

std::optional<Date> Calendar::date(int year, int month, int day, int hour, int minute, int second) const {
    return date(DateComponents{std::nullopt, year, month, day, hour, minute, second, std::nullopt});
}

Date Calendar::startOfDay(Date date) const {
    const auto f = impl_->fieldsOf(date);
    if (!f)
        return date;
    const auto millis = impl_->dayStart(f->year, f->month, f->day);
    return millis ? Date::fromIcuMillis(*millis) : date;
}

Date Calendar::endOfDay(Date date) const {
    const auto f = impl_->fieldsOf(date);
    if (!f)
        return date;
    const auto next = impl_->dayStart(f->year, f->month, f->day + 1);
    return next ? Date::fromIcuMillis(*next) - 1.0 : date;
}

Date Calendar::startOfMonth(Date date) const {
    return dayInMonth(date, 1).value_or(date);
}

Date Calendar::endOfMonth(Date date) const {
    const auto next = adding(CalendarComponent::month, 1, startOfDay(startOfMonth(date)));
    if (!next)
        return date;
    return adding(CalendarComponent::second, -1, *next).value_or(date);
}

std::optional<Date> Calendar::dayInMonth(Date inMonth, int day) const {
    const DateComponents parts = components(inMonth);
    if (!parts.year || !parts.month)
        return std::nullopt;
    const auto length = daysInMonth(inMonth);
    DateComponents wanted;
    wanted.era = parts.era;
    wanted.year = parts.year;
    wanted.month = parts.month;
    wanted.day = length ? std::min(day, *length) : day;
    return date(wanted);
}

bool Calendar::isDate(Date a, Date inSameDayAs) const {
    const auto x = impl_->fieldsOf(a);
    const auto y = impl_->fieldsOf(inSameDayAs);
    return x && y && x->year == y->year && x->month == y->month && x->day == y->day;
}

std::optional<Date> Calendar::adding(CalendarComponent component, int value, Date date) const {
    switch (component) {
    case CalendarComponent::second:
    case CalendarComponent::minute:
    case CalendarComponent::hour: {
        if (!std::isfinite(date.secondsSinceReferenceDate))
            return std::nullopt;
        const double unit = component == CalendarComponent::hour     ? 3600.0
                            : component == CalendarComponent::minute ? 60.0
                                                                     : 1.0;
        return date + unit * value;
    }
    case CalendarComponent::day:
    case CalendarComponent::weekOfYear: {
        auto f = impl_->fieldsOf(date);
        if (!f)
            return std::nullopt;
        const std::int64_t day =
            f->day + static_cast<std::int64_t>(value) * (component == CalendarComponent::day ? 1 : 7);
        if (day > std::numeric_limits<int>::max() || day < std::numeric_limits<int>::min())
            return std::nullopt;
        f->day = static_cast<int>(day);
        return impl_->atWallTime(*f, date);
    }
    case CalendarComponent::month:
    case CalendarComponent::year: {
        auto f = impl_->fieldsOf(date);
        if (!f)
            return std::nullopt;
        const std::int64_t months =
            static_cast<std::int64_t>(f->year) * 12 + (f->month - 1) +
            static_cast<std::int64_t>(value) * (component == CalendarComponent::year ? 12 : 1);
        const std::int64_t year = (months >= 0 ? months : months - 11) / 12;
        if (year > 5'000'000 || year < -5'000'000)
            return std::nullopt;
        f->year = static_cast<int>(year);
        f->month = static_cast<int>(months - year * 12) + 1;
        f->day = std::min(f->day, impl_->daysInMonth(f->year, f->month));
        return impl_->atWallTime(*f, date);
    }
    case CalendarComponent::era:
    case CalendarComponent::weekday:
        break;
    }
    return std::nullopt;
}

std::optional<Date> Calendar::dateBySetting(int hour, int minute, int second, Date date,
                                            MatchingPolicy policy, RepeatedTimePolicy repeated,
                                            SearchDirection direction) const {
    DateComponents time;
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    const auto pattern = makePattern(time);
    const auto f = impl_->fieldsOf(date);
    if (!pattern || !f)
        return std::nullopt;
    // The time on date's own day; only a strict policy that finds it skipped looks further,
    // from the next day on (backward: from the day's start back).
    const bool strict = policy == MatchingPolicy::strict;
    if (const auto millis = impl_->resolve(Fields{f->year, f->month, f->day, hour, minute, second},
                                           skippedOption(policy), repeatedOption(repeated), strict))
        return Date::fromIcuMillis(*millis);
    if (!strict)
        return std::nullopt;
    const bool forward = direction == SearchDirection::forward;
    const auto bound = impl_->dayStart(f->year, f->month, f->day + (forward ? 1 : 0));
    return bound ? impl_->search(Date::fromIcuMillis(*bound), forward, *pattern, policy, repeated, forward)
                 : std::nullopt;
}

std::optional<Date> Calendar::nextDate(Date after, const DateComponents& matching, MatchingPolicy policy,
                                       RepeatedTimePolicy repeated, SearchDirection direction) const {
    const auto pattern = makePattern(matching);
    if (!pattern)
        return std::nullopt;
    return impl_->search(after, false, *pattern, policy, repeated, direction == SearchDirection::forward);
}

std::optional<int> Calendar::difference(CalendarComponent component, Date from, Date to) const {
    if (!std::isfinite(to.secondsSinceReferenceDate) || !impl_->setInstant(from))
        return std::nullopt;
    switch (component) {
    case CalendarComponent::second:
    case CalendarComponent::minute:
    case CalendarComponent::hour: {
        const double unit = component == CalendarComponent::hour     ? 3600.0
                            : component == CalendarComponent::minute ? 60.0
                                                                     : 1.0;
        const double units = std::trunc((to - from) / unit);
        if (units > std::numeric_limits<int>::max() || units < std::numeric_limits<int>::min())
            return std::nullopt;
        return static_cast<int>(units);
    }
    case CalendarComponent::day:
    case CalendarComponent::weekOfYear:
    case CalendarComponent::month:
    case CalendarComponent::year: {
        // ICU steps whole units from `from` without passing `to`, adding days and months as
        // additions do, so a 23- or 25-hour day still counts as one.
        UErrorCode status = U_ZERO_ERROR;
        impl_->icu->setSkippedWallTimeOption(UCAL_WALLTIME_LAST);
        impl_->icu->setRepeatedWallTimeOption(UCAL_WALLTIME_FIRST);
        const int units = impl_->icu->fieldDifference(to.icuMillis(), icuField(component), status);
        return U_SUCCESS(status) ? std::optional<int>(units) : std::nullopt;
    }
    case CalendarComponent::era:
    case CalendarComponent::weekday:
        break;
    }
    return std::nullopt;
}

std::optional<int> Calendar::daysInMonth(Date date) const {
    const auto f = impl_->fieldsOf(date);
    if (!f)
        return std::nullopt;
    return impl_->daysInMonth(f->year, f->month);
}

} // namespace zt
