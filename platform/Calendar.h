#pragma once

#include "Date.h"
#include "DateInterval.h"

#include <memory>
#include <optional>
#include <string>

namespace zt {

enum class CalendarComponent { era, year, month, day, hour, minute, second, weekday, weekOfYear };

/// Wall-clock fields. Unset fields are "unspecified": a search ignores them, forming a date
/// fills them with their lowest value.
struct DateComponents {
    std::optional<int> era, year, month, day, hour, minute, second, weekday;
    bool operator==(const DateComponents&) const = default;
};

/// How a search treats a wall-clock time that does not exist.
enum class MatchingPolicy {
    nextTime,                            // the next existing instant (a gap's end, the 1st of the next month)
    nextTimePreservingSmallerComponents, // the next existing unit, keeping the smaller fields
    previousTimePreservingSmallerComponents, // the previous existing unit, keeping the smaller fields
    strict                                   // only exact matches
};
/// Which of a repeated wall-clock time (clocks set back) a search takes.
enum class RepeatedTimePolicy { first, last };
enum class SearchDirection { forward, backward };

/// The Gregorian calendar in one time zone, with the platform calendar's semantics:
/// non-wrapping addition with the day clamped to the target month, day starts that may not be
/// midnight, and searches under matching policies. Creating one is cheap: ICU calendars are
/// cloned from one cached prototype per time zone. An unknown identifier gives GMT.
///
/// A Calendar keeps a working ICU calendar, so one instance must not be used by two threads at
/// once; separate instances (even of the same zone) are independent. Weeks start on Sunday.
/// Instants that are not finite have no fields: component() gives 0, components() nothing, and
/// the operations returning an optional give nothing.
class Calendar {
public:
    explicit Calendar(const std::string& timeZoneIdentifier);
    /// The environment's calendar.
    static Calendar current();

    Calendar(const Calendar&);
    Calendar& operator=(const Calendar&);
    Calendar(Calendar&&) noexcept;
    Calendar& operator=(Calendar&&) noexcept;
    ~Calendar();

    const std::string& timeZoneIdentifier() const;

    /// One field of date; year and month come from the zone's MonthIndex where it covers date.
    int component(CalendarComponent component, Date date) const;
    /// era, year, month, day, hour, minute, second and weekday (1 = Sunday) of date.
    DateComponents components(Date date) const;
    /// The instant of the given fields; unset fields take their lowest value. Nothing when the
    /// fields are out of range (month 13, day 32, …).
    std::optional<Date> date(const DateComponents& components) const;
    std::optional<Date> date(int year, int month, int day, int hour = 0, int minute = 0,
                             int second = 0) const;

    /// The first instant of date's day (01:00 where the clocks jump over midnight).
    Date startOfDay(Date date) const;
    /// The last whole second of date's day: the next day's start minus one second.
    Date endOfDay(Date date) const;
    /// Day 1 of date's month, formed from its year and month alone.
    Date startOfMonth(Date date) const;
    /// One second before the next month starts: the month's last day at 23:59:59.
    Date endOfMonth(Date date) const;
    /// Day `day` of the month that contains inMonth, clamped to that month's last day, formed
    /// from year, month and day alone.
    std::optional<Date> dayInMonth(Date inMonth, int day) const;
    bool isDate(Date a, Date inSameDayAs) const;

    /// Adds value units without wrapping; days keep the wall-clock time, months and years clamp
    /// the day to the target month. Supports day, weekOfYear, month, year, hour, minute, second.
    std::optional<Date> adding(CalendarComponent component, int value, Date date) const;

    /// date's day at h:m:s under the given policies: the first match from the day's start
    /// (backward: the last before the next day's start), found as nextDate() finds it. A time the
    /// clocks skip gives the gap's end (nextTime), h:m:s moved by the gap (preserving policies),
    /// or, with strict, the next day that has it.
    std::optional<Date> dateBySetting(int hour, int minute, int second, Date date,
                                      MatchingPolicy policy = MatchingPolicy::nextTime,
                                      RepeatedTimePolicy repeated = RepeatedTimePolicy::first,
                                      SearchDirection direction = SearchDirection::forward) const;

    /// The next instant strictly after (or, backward, strictly before) date that matches the set
    /// components. The result is the start of the matching unit. Fields below the smallest set
    /// one take their lowest value, larger unset ones are free; a day-only match gives the start
    /// of the day. A day the month lacks (29-31) gives the 1st of the next month under the
    /// next-time policies, the month's last day under previousTime..., and is skipped by strict.
    /// Searches run in the common era (era 1) and give up after 400 years.
    std::optional<Date> nextDate(Date after, const DateComponents& matching, MatchingPolicy policy,
                                 RepeatedTimePolicy repeated = RepeatedTimePolicy::first,
                                 SearchDirection direction = SearchDirection::forward) const;

    /// Whole units from `from` to `to` (truncated toward zero), as the platform's component
    /// difference gives them. Supports day, month, year, hour, minute, second.
    std::optional<int> difference(CalendarComponent component, Date from, Date to) const;
    /// The number of days of date's month.
    std::optional<int> daysInMonth(Date date) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace zt
