#include "RepeatingInterval.h"

#include "platform/StringTable.h"

#include <algorithm>

namespace zt {

RepeatingStep step(RepeatingInterval interval) {
    switch (interval) {
    case RepeatingInterval::daily:
        return {CalendarComponent::day, 1};
    case RepeatingInterval::weekly:
        return {CalendarComponent::weekOfYear, 1};
    case RepeatingInterval::everyTwoWeeks:
        return {CalendarComponent::weekOfYear, 2};
    case RepeatingInterval::everyFourWeeks:
        return {CalendarComponent::weekOfYear, 4};
    case RepeatingInterval::monthly:
        return {CalendarComponent::month, 1};
    case RepeatingInterval::everyTwoMonths:
        return {CalendarComponent::month, 2};
    case RepeatingInterval::quarterly:
        return {CalendarComponent::month, 3};
    case RepeatingInterval::everySixMonths:
        return {CalendarComponent::month, 6};
    case RepeatingInterval::yearly:
        return {CalendarComponent::year, 1};
    }
    return {CalendarComponent::month, 1};
}

namespace {

// Rough length in days, only to order the intervals.
int approximateDays(RepeatingInterval interval) {
    const auto s = step(interval);
    switch (s.component) {
    case CalendarComponent::day:
        return s.value;
    case CalendarComponent::weekOfYear:
        return 7 * s.value;
    case CalendarComponent::month:
        return 30 * s.value;
    default:
        return 365 * s.value;
    }
}

} // namespace

std::vector<RepeatingInterval> repeatIntervalArraySorted() {
    const auto cases = allCases<RepeatingInterval>();
    std::vector<RepeatingInterval> sorted(cases.begin(), cases.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](auto a, auto b) { return approximateDays(a) < approximateDays(b); });
    return sorted;
}

std::string localizedString(RepeatingInterval interval) {
    switch (interval) {
    case RepeatingInterval::daily:
        return L("Daily", "Repeating interval");
    case RepeatingInterval::weekly:
        return L("Weekly", "Repeating interval");
    case RepeatingInterval::everyTwoWeeks:
        return L("Every 2 weeks", "Repeating interval");
    case RepeatingInterval::everyFourWeeks:
        return L("Every 4 weeks", "Repeating interval");
    case RepeatingInterval::monthly:
        return L("Monthly", "Repeating interval");
    case RepeatingInterval::everyTwoMonths:
        return L("Every 2 months", "Repeating interval");
    case RepeatingInterval::quarterly:
        return L("Every 3 months", "Repeating interval");
    case RepeatingInterval::everySixMonths:
        return L("Every 6 months", "Repeating interval");
    case RepeatingInterval::yearly:
        return L("Yearly", "Repeating interval");
    }
    return std::string(rawValue(interval));
}

std::optional<Date> nextOccurrence(RepeatingInterval interval, Date date, const Calendar& calendar) {
    const auto s = step(interval);
    return calendar.adding(s.component, s.value, date);
}

} // namespace zt
