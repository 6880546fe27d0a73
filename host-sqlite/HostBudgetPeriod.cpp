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

    const auto [component, count] = intervalStep(interval);
    // Every boundary is counted from the first day, so a clamped month end does not creep.
    const auto boundary = [&, component = component, count = count](int index) {
        const auto date = calendar.adding(component, index * count, first);
        return date ? calendar.startOfDay(*date) : first;
    };
    if (state == HostBudgetPeriod::State::upcoming)
        return {first, cut(boundary(1)), state};

    const Date reference = state == HostBudgetPeriod::State::ended ? *last - 1 : now;
    int index = std::max(0, calendar.difference(component, first, reference).value_or(0) / count);
    while (boundary(index + 1) <= reference)
        ++index;
    while (index > 0 && boundary(index) > reference)
        --index;
    return {boundary(index), cut(boundary(index + 1)), state};
}

} // namespace zt
