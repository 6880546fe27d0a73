#include "ZTDateIntervalFormatter.h"

#include "ZTSwiftUIComponents/host/DateHelpers.h"
#include "platform/Calendar.h"
#include "platform/DateFormatter.h"
#include "platform/DateIntervalFormatter.h"

#include <cmath>

namespace zt {

namespace {

// The period ends in the last second of `lastDay` (endOfDay, or up to the next day's start).
bool endsWithDay(const Calendar& calendar, Date end, Date lastDay) {
    const Date dayEnd = calendar.endOfDay(lastDay);
    return end >= dayEnd && end - dayEnd < 1.0;
}

} // namespace

std::string ZTDateIntervalFormatter::string(const DateInterval& interval) const {
    if (!std::isfinite(interval.start.secondsSinceReferenceDate) ||
        !std::isfinite(interval.end.secondsSinceReferenceDate))
        return "--";
    const Calendar calendar = Calendar::current();
    const Date start = interval.start;
    const Date end = interval.end;
    const bool startsAtDayStart = calendar.startOfDay(start) == start;
    const auto s = calendar.components(start);
    const auto e = calendar.components(end);

    if (startsAtDayStart && s.day == 1 && s.year == e.year) {
        const auto monthEnd = calendar.adding(
            CalendarComponent::day, -1, calendar.adding(CalendarComponent::month, 1, start).value_or(start));
        if (s.month == e.month && monthEnd && endsWithDay(calendar, end, *monthEnd))
            return DateFormatter::withTemplate("MMMMy").string(start).value_or("--");
        const auto yearEnd = calendar.adding(
            CalendarComponent::day, -1, calendar.adding(CalendarComponent::year, 1, start).value_or(start));
        if (s.month == 1 && yearEnd && endsWithDay(calendar, end, *yearEnd))
            return DateFormatter::withTemplate("y").string(start).value_or("--");
    }
    if (calendar.isDate(start, end)) {
        const std::string day = formattedDateOnly(start);
        return day.empty() ? "--" : day;
    }
    return DateIntervalFormatter().string(interval).value_or("--");
}

} // namespace zt
