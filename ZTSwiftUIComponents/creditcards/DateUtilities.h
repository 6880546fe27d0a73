#pragma once

#include "platform/AttributedText.h"
#include "platform/Calendar.h"
#include "platform/Date.h"
#include "platform/DateFormatter.h"
#include "platform/DateInterval.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The calendar and period operations of the credit-card screens. Day and month arithmetic itself
/// belongs to the platform's Calendar (startOfDay, endOfDay, startOfMonth, endOfMonth,
/// dayInMonth); the overloads here that take a calendar only forward to it, and those without one
/// use the environment's current calendar (its time zone at the moment of the call). Nothing
/// caches a calendar. Only an instant that is not finite makes the calendar give nothing; such an
/// instant comes back unchanged from the operations that return an instant.
namespace zt {

/// Day `day` of the month that contains inMonth, clamped to that month's last day:
/// Calendar::dayInMonth().
std::optional<Date> dayInMonthOf(Date inMonth, int day, const Calendar& calendar);

// Instants.

/// The first instant of date's day (01:00 where the clocks jump over midnight).
Date startOfDay(Date date);
Date startOfDay(Date date, const Calendar& calendar);

/// Day 1 of date's month at its first instant, formed from year and month alone.
Date startOfMonth(Date date);
Date startOfMonth(Date date, const Calendar& calendar);

/// One second before the next month starts: the month's last day at 23:59:59.
Date endOfMonth(Date date);
Date endOfMonth(Date date, const Calendar& calendar);

/// The start of the first day of the month that contains "now minus one month" (the
/// environment's now). When that instant is itself the midnight of a 1st, the month before.
Date previousMonthStart();
Date previousMonthStart(Date now, const Calendar& calendar);

/// Every day of the year, 1 January to 31 December, each at its first instant, ascending.
/// Empty for a year the "yyyy-MM-dd" parser cannot read (not a calendar year).
std::vector<Date> allDays(int year);
std::vector<Date> allDays(int year, const Calendar& calendar);

/// date as a medium-style date without time in the given locale ("12 May 2025").
std::string formattedDayMonthYear(Date date, std::string_view localeIdentifier);

/// The closing instant of the one-month cycle that opens on date's day: the day before the same
/// day-of-month one month on (clamped to short months) at 23:59:59. 15 March closes on 14 April,
/// 31 January on 27 February of a common year, 1 February on the last day of February.
Date closingDate(Date date);
Date closingDate(Date date, const Calendar& calendar);

/// "Payment due in 3 days, by 12 May", localised, with the day count and the date in bold.
/// The day count is in whole calendar days from referenceDate to dueDate; dateFormatter writes
/// the date. Bold ranges are UTF-8 byte offsets into the message.
AttributedText paymentDueMessageAttributedString(Date dueDate, const DateFormatter& dateFormatter,
                                                 Date referenceDate);
AttributedText paymentDueMessageAttributedString(Date dueDate, const DateFormatter& dateFormatter,
                                                 Date referenceDate, const Calendar& calendar);

// Date intervals.

/// The interval as a medium-style date range without time in the environment's locale.
std::string formattedString(const DateInterval& interval);

/// The interval as a numeric range (template "d MM yyyy") ordered and punctuated as the locale
/// does ("12.–15.05.2025").
std::string formattedDayMonthYear(const DateInterval& interval, std::string_view localeIdentifier);

/// The first day numbered dueDay strictly after the interval's end, at its first instant. A day
/// the month lacks (29-31) becomes the 1st of the next month. Nothing for dueDay outside 1-31.
std::optional<Date> paymentDueDate(const DateInterval& interval, int dueDay);
std::optional<Date> paymentDueDate(const DateInterval& interval, int dueDay, const Calendar& calendar);

/// The billing cycle that is current at referenceDate, derived by CurrentBillingCycleFinder from
/// a known cycle; without one, the previous calendar month (previousMonthStart() to its
/// endOfMonth()) serves as the known cycle.
DateInterval currentBillingCycle(const std::optional<DateInterval>& initial, Date referenceDate);

} // namespace zt
