#pragma once

#include "platform/Calendar.h"
#include "platform/Date.h"
#include "platform/DateInterval.h"
#include "platform/Logger.h"

#include <optional>

namespace zt {

/// The closing of an anchored cycle that opens on `opening`: the last instant of the day before
/// the next opening (one month on, on startDay clamped to that month), so consecutive cycles tile
/// the calendar even through short months. Nothing only for an instant that is not finite.
std::optional<Date> anchoredClosing(Date opening, int startDay, const Calendar& calendar);

/// Derives the billing cycle that is current at a reference date from one known cycle (e.g. the
/// last statement's period). The known cycle gives the opening day-of-month and the closing
/// day-of-month; days a month lacks are clamped to its last day.
///
/// A cycle that wraps into the next month, or whose known end is the last day of its month, is
/// anchored: it closes the day before the next opening, so consecutive cycles tile the calendar
/// even through short months. Any other cycle closes on its own end day in the opening month,
/// leaving the days up to the next opening outside every cycle.
///
/// Stateless apart from its logger (category "CurrentBillingCycleFinder", debug level), which
/// traces each step; it may be used from any thread.
class CurrentBillingCycleFinder {
public:
    CurrentBillingCycleFinder() = default;

    /// The current cycle, from the first instant of its opening day to the last instant of its
    /// closing day, in the environment's calendar.
    DateInterval currentCycle(const DateInterval& basedOn, Date referenceDate) const;
    DateInterval currentCycle(const DateInterval& basedOn, Date referenceDate,
                              const Calendar& calendar) const;

private:
    Logger logger_{"CurrentBillingCycleFinder"};
};

} // namespace zt
