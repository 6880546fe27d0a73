#include "DateUtilities.h"

#include "CurrentBillingCycleFinder.h"
#include "platform/DateIntervalFormatter.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <string>

namespace zt {

std::optional<Date> dayInMonthOf(Date inMonth, int day, const Calendar& calendar) {
    return calendar.dayInMonth(inMonth, day);
}

namespace {

DateComponents dayOnly(int day) {
    DateComponents matching;
    matching.day = day;
    return matching;
}

} // namespace

Date startOfDay(Date date) {
    return startOfDay(date, Calendar::current());
}
Date startOfDay(Date date, const Calendar& calendar) {
    return calendar.startOfDay(date);
}

Date startOfMonth(Date date) {
    return startOfMonth(date, Calendar::current());
}
Date startOfMonth(Date date, const Calendar& calendar) {
    return calendar.startOfMonth(date);
}

Date endOfMonth(Date date) {
    return endOfMonth(date, Calendar::current());
}
Date endOfMonth(Date date, const Calendar& calendar) {
    return calendar.endOfMonth(date);
}

Date previousMonthStart() {
    const Environment& env = Environment::current();
    return previousMonthStart(env.now(), env.calendar());
}

Date previousMonthStart(Date now, const Calendar& calendar) {
    const auto monthAgo = calendar.adding(CalendarComponent::month, -1, now);
    if (!monthAgo)
        return now;
    // Strictly before: a month-ago instant that is exactly a 1st's midnight yields the 1st before.
    const auto first = calendar.nextDate(*monthAgo, dayOnly(1), MatchingPolicy::nextTime,
                                         RepeatedTimePolicy::first, SearchDirection::backward);
    if (!first)
        return now;
    return calendar.startOfDay(*first);
}

std::vector<Date> allDays(int year) {
    return allDays(year, Calendar::current());
}

std::vector<Date> allDays(int year, const Calendar& calendar) {
    const DateFormatter parser =
        DateFormatter::withFormat("yyyy-MM-dd").setTimeZone(calendar.timeZoneIdentifier());
    const std::string written = std::to_string(year);
    const auto first = parser.date(written + "-01-01");
    const auto last = parser.date(written + "-12-31");
    if (!first || !last)
        return {};

    std::vector<Date> days{*first};
    days.reserve(366);
    // Each day is counted from 1 January rather than from the day before, so a day that starts at
    // 01:00 (midnight skipped) does not move every later day to 01:00 as well.
    for (int offset = 1; days.back() < *last && offset <= 366; ++offset) {
        const auto next = calendar.adding(CalendarComponent::day, offset, *first);
        if (!next)
            break;
        days.push_back(*next);
    }
    return days;
}

std::string formattedDayMonthYear(Date date, std::string_view localeIdentifier) {
    return DateFormatter::withStyles(DateFormatter::Style::medium)
        .setLocale(std::string(localeIdentifier))
        .string(date)
        .value_or(std::string{});
}

Date closingDate(Date date) {
    return closingDate(date, Calendar::current());
}

Date closingDate(Date date, const Calendar& calendar) {
    const Date opening = calendar.startOfDay(date);
    const auto fallback = [&] {
        const auto monthOn = calendar.adding(CalendarComponent::month, 1, opening);
        return monthOn ? *monthOn - 1.0 : opening;
    };

    // On the 1st the month start is taken, so the month's own length decides the closing day.
    std::optional<Date> base = opening;
    if (calendar.component(CalendarComponent::day, opening) == 1)
        base = calendar.dayInMonth(opening, 1);
    if (!base)
        return fallback();
    const auto next = calendar.adding(CalendarComponent::month, 1, *base);
    if (!next)
        return fallback();
    const auto last = calendar.adding(CalendarComponent::day, -1, *next);
    if (!last)
        return fallback();
    return calendar
        .dateBySetting(23, 59, 59, *last, MatchingPolicy::nextTime, RepeatedTimePolicy::first,
                       SearchDirection::forward)
        .value_or(*last);
}

AttributedText paymentDueMessageAttributedString(Date dueDate, const DateFormatter& dateFormatter,
                                                 Date referenceDate) {
    return paymentDueMessageAttributedString(dueDate, dateFormatter, referenceDate, Calendar::current());
}

AttributedText paymentDueMessageAttributedString(Date dueDate, const DateFormatter& dateFormatter,
                                                 Date referenceDate, const Calendar& calendar) {
    const int days = calendar.difference(CalendarComponent::day, referenceDate, dueDate).value_or(0);
    const std::string dateText = dateFormatter.string(dueDate).value_or(std::string{});
    // The host's word is the same for every count ("1 days").
    const std::string daysText = format(L("%d %@"), days, LHost("days"));
    const std::string message = format(L("Payment due in %@, by %@",
                                         "A text showing the payment due date and number of days until then. "
                                         "First parameter: number of days, second parameter: date"),
                                       daysText, dateText);
    AttributedText text(message);
    text.setBold(daysText);
    text.setBold(dateText);
    return text;
}

std::string formattedString(const DateInterval& interval) {
    return DateIntervalFormatter::withStyles(DateIntervalFormatter::Style::medium,
                                             DateIntervalFormatter::Style::none)
        .string(interval)
        .value_or(std::string{});
}

std::string formattedDayMonthYear(const DateInterval& interval, std::string_view localeIdentifier) {
    return DateIntervalFormatter::withTemplate("d MM yyyy")
        .setLocale(std::string(localeIdentifier))
        .string(interval)
        .value_or(std::string{});
}

std::optional<Date> paymentDueDate(const DateInterval& interval, int dueDay) {
    return paymentDueDate(interval, dueDay, Calendar::current());
}

std::optional<Date> paymentDueDate(const DateInterval& interval, int dueDay, const Calendar& calendar) {
    if (dueDay < 1 || dueDay > 31)
        return std::nullopt;
    return calendar.nextDate(interval.end, dayOnly(dueDay),
                             MatchingPolicy::nextTimePreservingSmallerComponents, RepeatedTimePolicy::first,
                             SearchDirection::forward);
}

DateInterval currentBillingCycle(const std::optional<DateInterval>& initial, Date referenceDate) {
    DateInterval known;
    if (initial) {
        known = *initial;
    } else {
        const Date opening = previousMonthStart();
        known = DateInterval{opening, endOfMonth(opening)};
    }
    return CurrentBillingCycleFinder().currentCycle(known, referenceDate);
}

} // namespace zt
