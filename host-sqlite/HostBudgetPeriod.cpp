#include "HostBudgetPeriod.h"

#include <algorithm>

namespace zt {

namespace {

struct IntervalStep {
    CalendarComponent component;
    int count;
};

IntervalStep intervalStep(BudgetInterval interval) {
    switch (interval) {
    case BudgetInterval::once:
    case BudgetInterval::day:
        return {CalendarComponent::day, 1};
    case BudgetInterval::week:
        return {CalendarComponent::day, 7};
    case BudgetInterval::twoWeeks:
        return {CalendarComponent::day, 14};
    case BudgetInterval::threeWeeks:
        return {CalendarComponent::day, 21};
    case BudgetInterval::month:
        return {CalendarComponent::month, 1};
    case BudgetInterval::twomonth:
        return {CalendarComponent::month, 2};
    case BudgetInterval::threeMonths:
        return {CalendarComponent::month, 3};
    case BudgetInterval::fourMonths:
        return {CalendarComponent::month, 4};
    case BudgetInterval::sixMonths:
        return {CalendarComponent::month, 6};
    case BudgetInterval::nineMonths:
        return {CalendarComponent::month, 9};
    case BudgetInterval::year:
        return {CalendarComponent::year, 1};
    }
    return {CalendarComponent::month, 1};
}

// The first instant of the index-th period, counted from the first day each time so that a
// clamped month end does not creep.
Date periodStart(BudgetInterval interval, Date first, int index, const Calendar& calendar) {
    const auto [component, count] = intervalStep(interval);
    const auto date = calendar.adding(component, index * count, first);
    return date ? calendar.startOfDay(*date) : first;
}

Date dayAfter(Date day, const Calendar& calendar) {
    return calendar.startOfDay(calendar.adding(CalendarComponent::day, 1, day).value_or(day + 86400));
}

} // namespace

std::optional<int> HostBudgetPeriod::remainingDays(Date now, const Calendar& calendar) const {
    if (state == State::ended)
        return 0;
    if (state == State::upcoming || !end)
        return std::nullopt;
    return std::max(0,
                    calendar.difference(CalendarComponent::day, calendar.startOfDay(now), *end).value_or(0));
}

HostBudgetPeriod hostBudgetPeriod(BudgetInterval interval, Date startDate, std::optional<Date> endDate,
                                  Date now, const Calendar& calendar) {
    const Date first = calendar.startOfDay(startDate);
    // The end date's whole day belongs to the budget.
    const std::optional<Date> last =
        endDate ? std::optional(dayAfter(calendar.startOfDay(std::max(*endDate, first)), calendar))
                : std::nullopt;
    const auto cut = [&](Date end) { return last ? std::min(end, *last) : end; };
    const auto state = now < first            ? HostBudgetPeriod::State::upcoming
                       : last && now >= *last ? HostBudgetPeriod::State::ended
                                              : HostBudgetPeriod::State::running;
    if (interval == BudgetInterval::once)
        return {first, last, state};

    const auto boundary = [&](int index) { return periodStart(interval, first, index, calendar); };
    if (state == HostBudgetPeriod::State::upcoming)
        return {first, cut(boundary(1)), state};

    const Date reference = state == HostBudgetPeriod::State::ended ? *last - 1 : now;
    const auto [component, count] = intervalStep(interval);
    int index = std::max(0, calendar.difference(component, first, reference).value_or(0) / count);
    while (boundary(index + 1) <= reference)
        ++index;
    while (index > 0 && boundary(index) > reference)
        --index;
    return {boundary(index), cut(boundary(index + 1)), state};
}

std::vector<Date> hostBudgetPeriodStarts(BudgetInterval interval, Date startDate, Date before,
                                         const Calendar& calendar) {
    std::vector<Date> starts;
    if (interval == BudgetInterval::once)
        return starts;
    const Date first = calendar.startOfDay(startDate);
    for (int index = 0;; ++index) {
        const Date start = periodStart(interval, first, index, calendar);
        if (start >= before || (index > 0 && start <= starts.back()))
            return starts;
        starts.push_back(start);
    }
}

} // namespace zt
