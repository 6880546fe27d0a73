#include "CurrentBillingCycleFinder.h"

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

std::optional<Date> anchoredClosing(Date opening, int startDay, const Calendar& calendar) {
    const auto next = calendar.adding(CalendarComponent::month, 1, opening);
    const auto nextOpening = next ? calendar.dayInMonth(*next, startDay) : std::nullopt;
    const auto dayBefore =
        nextOpening ? calendar.adding(CalendarComponent::day, -1, calendar.startOfDay(*nextOpening))
                    : std::nullopt;
    if (!dayBefore)
        return std::nullopt;
    return calendar.endOfDay(*dayBefore);
}

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
    const Date refMonth = calendar.startOfMonth(referenceDate);

    std::optional<Date> opening;
    if (refDay == startDay) {
        opening = calendar.startOfDay(referenceDate);
        logger_.debug("Same day start, using referenceDate");
    } else if (refDay < startDay) {
        const auto previous = calendar.adding(CalendarComponent::month, -1, refMonth);
        if (previous)
            opening = calendar.dayInMonth(*previous, startDay);
        if (opening)
            logger_.debug("Start day {} > current day {}, using previous month: {}", startDay, refDay,
                          IsoDate{*opening, calendar});
    } else {
        opening = calendar.dayInMonth(refMonth, startDay);
        if (opening)
            logger_.debug("Start day {} already occurred, using current month: {}", startDay,
                          IsoDate{*opening, calendar});
    }
    if (!opening)
        return basedOn; // only instants that are not finite leave the calendar without an answer
    opening = calendar.startOfDay(*opening);

    // The closing day's last instant.
    std::optional<Date> closing;
    if (shouldAnchorClosing) {
        closing = anchoredClosing(*opening, startDay, calendar);
        if (closing)
            logger_.debug("Closing anchored to next opening: {}",
                          IsoDate{calendar.startOfDay(*closing), calendar});
    } else {
        const auto end = calendar.dayInMonth(*opening, endDay);
        if (end)
            closing = calendar.endOfDay(*end);
        if (closing)
            logger_.debug("Closing anchored to same month as start: {}",
                          IsoDate{calendar.startOfDay(*closing), calendar});
    }
    if (!closing)
        return basedOn;

    const DateInterval result{*opening, *closing}; // opening is already a day start
    logger_.debug("Result: {} - {}", IsoDate{result.start, calendar}, IsoDate{result.end, calendar});
    return result;
}

} // namespace zt
