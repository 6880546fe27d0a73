#include "CurrentBillingCycleFinder.h"

#include "DateUtilities.h"
#include "platform/DateFormatter.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

/// An instant as ISO-8601 text in the calendar's zone; formatted only when a log line is written.
struct IsoDate {
    zt::Date date;
    const zt::Calendar& calendar;
};

} // namespace

template <> struct fmt::formatter<IsoDate> : fmt::formatter<std::string_view> {
    auto format(const IsoDate& d, fmt::format_context& ctx) const {
        const std::string text = zt::DateFormatter::withFormat("yyyy-MM-dd'T'HH:mm:ssxxx")
                                     .setLocale("en_US_POSIX")
                                     .setTimeZone(d.calendar.timeZoneIdentifier())
                                     .string(d.date)
                                     .value_or("(not a date)");
        return fmt::formatter<std::string_view>::format(text, ctx);
    }
};

namespace zt {

namespace {

/// n limited to the length of date's month; n itself when the calendar gives no length.
int clampDay(int day, Date date, const Calendar& calendar) {
    const auto length = calendar.daysInMonth(date);
    return length ? std::min(day, *length) : day;
}

/// The instant of `day` (already clamped) in the year and month of date.
std::optional<Date> dayInMonthOf(Date date, int day, const Calendar& calendar) {
    const DateComponents parts = calendar.components(date);
    if (!parts.year || !parts.month)
        return std::nullopt;
    DateComponents wanted;
    wanted.era = parts.era;
    wanted.year = parts.year;
    wanted.month = parts.month;
    wanted.day = day;
    return calendar.date(wanted);
}

} // namespace

DateInterval CurrentBillingCycleFinder::currentCycle(const DateInterval& basedOn, Date referenceDate) const {
    return currentCycle(basedOn, referenceDate, Calendar::current());
}

DateInterval CurrentBillingCycleFinder::currentCycle(const DateInterval& basedOn, Date referenceDate,
                                                     const Calendar& calendar) const {
    logger_.debug("Known cycle: {} - {}, referenceDate: {}", IsoDate{basedOn.start, calendar},
                  IsoDate{basedOn.end, calendar}, IsoDate{referenceDate, calendar});

    const int startDay = calendar.component(CalendarComponent::day, basedOn.start);
    const int endDay = calendar.component(CalendarComponent::day, basedOn.end);
    const bool wrapsAcrossMonth = endDay < startDay;
    const auto endMonthLength = calendar.daysInMonth(basedOn.end);
    const bool endIsLastDayOfMonth = endMonthLength && endDay == *endMonthLength;
    const bool shouldAnchorClosing = wrapsAcrossMonth || endIsLastDayOfMonth;
    logger_.debug(
        "startDay: {}, endDay: {}, wrapsAcrossMonth: {}, endIsLastDayOfMonth: {}, shouldAnchorClosing: {}",
        startDay, endDay, wrapsAcrossMonth, endIsLastDayOfMonth, shouldAnchorClosing);

    const int refDay = calendar.component(CalendarComponent::day, referenceDate);
    const Date refMonth = startOfMonth(referenceDate, calendar);

    std::optional<Date> opening;
    if (refDay == startDay) {
        opening = calendar.startOfDay(referenceDate);
        logger_.debug("Same day start, using referenceDate");
    } else if (refDay < startDay) {
        const auto previous = calendar.adding(CalendarComponent::month, -1, refMonth);
        if (previous)
            opening = dayInMonthOf(*previous, clampDay(startDay, *previous, calendar), calendar);
        if (opening)
            logger_.debug("Start day {} > current day {}, using previous month: {}", startDay, refDay,
                          IsoDate{*opening, calendar});
    } else {
        opening = dayInMonthOf(refMonth, clampDay(startDay, refMonth, calendar), calendar);
        if (opening)
            logger_.debug("Start day {} already occurred, using current month: {}", startDay,
                          IsoDate{*opening, calendar});
    }
    if (!opening)
        return basedOn; // only instants that are not finite leave the calendar without an answer
    opening = calendar.startOfDay(*opening);

    std::optional<Date> closing;
    if (shouldAnchorClosing) {
        // The day before the next opening, clamped the same way, so anchored cycles tile.
        const auto next = calendar.adding(CalendarComponent::month, 1, *opening);
        const auto anchor =
            next ? dayInMonthOf(*next, clampDay(startDay, *next, calendar), calendar) : std::nullopt;
        if (anchor)
            closing = calendar.adding(CalendarComponent::day, -1, calendar.startOfDay(*anchor));
        if (closing)
            logger_.debug("Closing anchored to next opening: {}", IsoDate{*closing, calendar});
    } else {
        const auto end = dayInMonthOf(*opening, clampDay(endDay, *opening, calendar), calendar);
        if (end)
            closing = calendar.startOfDay(*end);
        if (closing)
            logger_.debug("Closing anchored to same month as start: {}", IsoDate{*closing, calendar});
    }
    if (!closing)
        return basedOn;

    const DateInterval result{*opening, calendar.endOfDay(*closing)}; // opening is already a day start
    logger_.debug("Result: {} - {}", IsoDate{result.start, calendar}, IsoDate{result.end, calendar});
    return result;
}

} // namespace zt
