#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"
#include "platform/Calendar.h"

#include <string>
#include <vector>

namespace zt {

/// How often a repeating transaction recurs. The declaration order is the order in which the
/// intervals were introduced (and stored); screens list them by length.
enum class RepeatingInterval {
    monthly,
    weekly,
    yearly,
    daily,
    everyTwoWeeks,
    quarterly,
    everySixMonths,
    everyTwoMonths,
    everyFourWeeks,
};

template <> struct RawValues<RepeatingInterval> {
    static constexpr std::array<std::pair<RepeatingInterval, std::string_view>, 9> cases{{
        {RepeatingInterval::monthly, "monthly"},
        {RepeatingInterval::weekly, "weekly"},
        {RepeatingInterval::yearly, "yearly"},
        {RepeatingInterval::daily, "daily"},
        {RepeatingInterval::everyTwoWeeks, "everyTwoWeeks"},
        {RepeatingInterval::quarterly, "quarterly"},
        {RepeatingInterval::everySixMonths, "everySixMonths"},
        {RepeatingInterval::everyTwoMonths, "everyTwoMonths"},
        {RepeatingInterval::everyFourWeeks, "everyFourWeeks"},
    }};
};

/// One step of an interval in calendar units: e.g. quarterly is 3 months.
struct RepeatingStep {
    CalendarComponent component;
    int value;
};
RepeatingStep step(RepeatingInterval interval);

/// Every interval from the shortest to the longest (daily first, yearly last), the order of the
/// interval pickers.
std::vector<RepeatingInterval> repeatIntervalArraySorted();

/// The interval's name in the environment's language ("Every 2 weeks").
std::string localizedString(RepeatingInterval interval);

/// The occurrence after `date`: one step later, with the platform calendar's month clamping.
std::optional<Date> nextOccurrence(RepeatingInterval interval, Date date, const Calendar& calendar);

} // namespace zt
