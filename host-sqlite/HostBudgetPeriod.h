#pragma once

#include "ZTSwiftUIComponents/budgets/BudgetInterval.h"
#include "platform/Calendar.h"
#include "platform/Date.h"

#include <optional>
#include <vector>

namespace zt {

/// The period of a budget that a moment falls in. Periods are counted from the start date's day
/// (the n-th starts n intervals after it, so a budget starting on 31 January runs from 28 or 29
/// February to 31 March next), and the last one is cut at the end of the end date's day.
struct HostBudgetPeriod {
    enum class State {
        /// The budget starts after the moment; the period is its first one.
        upcoming,
        running,
        /// The end date has passed; the period is the last one.
        ended,
    };

    Date start;
    /// The first instant after the period; none for a one-off budget without an end date.
    std::optional<Date> end;
    State state = State::running;

    /// Whole calendar days from the day of now to the period's end, today included: 1 on the
    /// last day, 0 once it ended; none while the budget is upcoming or without an end.
    std::optional<int> remainingDays(Date now, const Calendar& calendar) const;

    bool operator==(const HostBudgetPeriod&) const = default;
};

/// The period of a budget with that interval, start and end date that contains now (or the first
/// or last one, see State), in the calendar's time zone.
HostBudgetPeriod hostBudgetPeriod(BudgetInterval interval, Date startDate, std::optional<Date> endDate,
                                  Date now, const Calendar& calendar);

/// The first instants of a budget's periods that begin before `before`, oldest first; none for a
/// one-off budget.
std::vector<Date> hostBudgetPeriodStarts(BudgetInterval interval, Date startDate, Date before,
                                         const Calendar& calendar);

} // namespace zt
