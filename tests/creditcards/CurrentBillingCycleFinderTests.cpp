#include "ZTSwiftUIComponents/creditcards/BillingCycleCalculator.h"
#include "ZTSwiftUIComponents/creditcards/CurrentBillingCycleFinder.h"
#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "platform/Environment.h"
#include "platform/Logger.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

using namespace zt;
using ::testing::ElementsAre;

namespace {

namespace chr = std::chrono;

class BillingCycles : public ::testing::Test {
protected:
    Environment::Override env{{.locale = "en_US", .timeZone = "Europe/Berlin", .now = Date(0)}};
    Calendar berlin{"Europe/Berlin"};
    CurrentBillingCycleFinder finder;

    Date at(int y, int m, int d, int h = 0, int mi = 0, int s = 0) const {
        return berlin.date(y, m, d, h, mi, s).value();
    }
    /// A cycle from the start of its first day to the last instant of its last day.
    DateInterval days(int y1, int m1, int d1, int y2, int m2, int d2) const {
        return DateInterval{at(y1, m1, d1), at(y2, m2, d2, 23, 59, 59)};
    }
};

std::string wall(Date date, const Calendar& calendar) {
    const DateComponents c = calendar.components(date);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", c.year.value_or(0),
                  c.month.value_or(0), c.day.value_or(0), c.hour.value_or(0), c.minute.value_or(0),
                  c.second.value_or(0));
    return buffer;
}

chr::year_month_day civil(Date date, const Calendar& calendar) {
    const DateComponents c = calendar.components(date);
    return chr::year{*c.year} / chr::month(unsigned(*c.month)) / chr::day(unsigned(*c.day));
}

} // namespace

TEST_F(BillingCycles, ReferenceScenarios) {
    const DateInterval augToSep = days(2025, 8, 30, 2025, 9, 29);
    // Wraps (29 < 30), anchored; 23 < 30 so the opening is in September.
    EXPECT_EQ(finder.currentCycle(augToSep, at(2025, 10, 23)), days(2025, 9, 30, 2025, 10, 29));
    // Opening in January; the next opening clamps to 28 February, so the cycle closes on the 27th.
    EXPECT_EQ(finder.currentCycle(augToSep, at(2026, 2, 5)), days(2026, 1, 30, 2026, 2, 27));
    // No wrap and 20 is not May's last day: closes in the opening month.
    EXPECT_EQ(finder.currentCycle(days(2025, 5, 5, 2025, 5, 20), at(2025, 7, 12)),
              days(2025, 7, 5, 2025, 7, 20));
}

TEST_F(BillingCycles, FurtherBehaviour) {
    // The known end is its month's last day, so the cycle is anchored.
    EXPECT_EQ(finder.currentCycle(days(2025, 3, 1, 2025, 3, 31), at(2025, 4, 15)),
              days(2025, 4, 1, 2025, 4, 30));
    // The reference on the start day opens the cycle that day, whatever its time.
    EXPECT_EQ(finder.currentCycle(days(2025, 1, 15, 2025, 2, 14), at(2025, 3, 15, 21, 45)),
              days(2025, 3, 15, 2025, 4, 14));
    // 31 clamps to 30 April; the next opening is 31 May again.
    EXPECT_EQ(finder.currentCycle(days(2025, 1, 31, 2025, 2, 27), at(2025, 5, 10)),
              days(2025, 4, 30, 2025, 5, 30));
    // The clamped last day of February belongs to the next cycle, yet finds the one before it.
    EXPECT_EQ(finder.currentCycle(days(2025, 1, 30, 2025, 2, 28), at(2025, 2, 28, 12)),
              days(2025, 1, 30, 2025, 2, 27));
    // A non-anchored cycle leaves the days after its end day outside every cycle.
    EXPECT_EQ(finder.currentCycle(days(2025, 6, 10, 2025, 6, 25), at(2025, 7, 31)),
              days(2025, 7, 10, 2025, 7, 25));
    // A leap year's February: the next opening of a 30th cycle is the 29th.
    EXPECT_EQ(finder.currentCycle(days(2023, 12, 30, 2024, 1, 29), at(2024, 2, 10)),
              days(2024, 1, 30, 2024, 2, 28));
    // Across the year, from a known cycle years ago.
    EXPECT_EQ(finder.currentCycle(days(2019, 11, 20, 2019, 12, 19), at(2026, 1, 3)),
              days(2025, 12, 20, 2026, 1, 19));
    // A non-anchored end day the opening month lacks is clamped to that month.
    EXPECT_EQ(finder.currentCycle(days(2025, 1, 10, 2025, 1, 30), at(2025, 2, 15)),
              days(2025, 2, 10, 2025, 2, 28));
    // The start day is the 1st and the known end is not a last day: same month, own end day.
    EXPECT_EQ(finder.currentCycle(days(2025, 4, 1, 2025, 4, 29), at(2025, 2, 1)),
              days(2025, 2, 1, 2025, 2, 28));
}

TEST_F(BillingCycles, DaylightSavingAndDaysStartingAt0100) {
    // Berlin: the cycle spans the spring-forward day and ends in winter time after autumn.
    const DateInterval spring = finder.currentCycle(days(2025, 1, 15, 2025, 2, 14), at(2025, 3, 20));
    EXPECT_EQ(spring, days(2025, 3, 15, 2025, 4, 14));
    EXPECT_EQ(BillingCycleCalculator(spring.start, spring.end).numberOfDays(), 31);

    // Santiago skips midnight on 8 September 2024: the cycle opens at 01:00 that day.
    const Calendar santiago("America/Santiago");
    Environment::Override chile({.timeZone = "America/Santiago"});
    const auto on = [&](int y, int m, int d) { return santiago.date(y, m, d, 12).value(); };
    const DateInterval known{santiago.startOfDay(on(2024, 8, 8)), closingDate(on(2024, 8, 8))};
    const DateInterval current = finder.currentCycle(known, on(2024, 9, 20));
    EXPECT_EQ(wall(current.start, santiago), "2024-09-08 01:00:00");
    EXPECT_EQ(wall(current.end, santiago), "2024-10-07 23:59:59");
    // The cycle before closes one second before that 01:00 start.
    const DateInterval before = finder.currentCycle(known, on(2024, 9, 1));
    EXPECT_EQ(wall(before.end, santiago), "2024-09-07 23:59:59");
    EXPECT_EQ(before.end + 1, current.start);
    // A cycle closing on 5 April 2025 ends at the day's real last instant, after the repeated hour.
    const DateInterval marchSixth = finder.currentCycle(
        DateInterval{santiago.startOfDay(on(2025, 1, 6)), closingDate(on(2025, 1, 6))}, on(2025, 3, 20));
    EXPECT_EQ(marchSixth.end, santiago.startOfDay(on(2025, 4, 6)) - 1);
    EXPECT_EQ(marchSixth.end - santiago.date(2025, 4, 5, 23, 59, 59).value(), 3600.0);
}

TEST_F(BillingCycles, LogsEachStep) {
    LogCapture capture;
    finder.currentCycle(days(2025, 8, 30, 2025, 9, 29), at(2025, 10, 23));
    EXPECT_THAT(capture.messages("CurrentBillingCycleFinder"),
                ElementsAre("Known cycle: 2025-08-30T00:00:00+02:00 - 2025-09-29T23:59:59+02:00, "
                            "referenceDate: 2025-10-23T00:00:00+02:00",
                            "startDay: 30, endDay: 29, wrapsAcrossMonth: true, endIsLastDayOfMonth: false, "
                            "shouldAnchorClosing: true",
                            "Start day 30 > current day 23, using previous month: 2025-09-30T00:00:00+02:00",
                            "Closing anchored to next opening: 2025-10-29T00:00:00+01:00",
                            "Result: 2025-09-30T00:00:00+02:00 - 2025-10-29T23:59:59+01:00"));
    for (const LogEntry& entry : capture.entries())
        EXPECT_EQ(entry.level, LogLevel::debug);

    capture.clear();
    finder.currentCycle(days(2025, 5, 5, 2025, 5, 20), at(2025, 7, 5, 9, 30));
    EXPECT_THAT(capture.messages("CurrentBillingCycleFinder"),
                ElementsAre(::testing::_,
                            "startDay: 5, endDay: 20, wrapsAcrossMonth: false, endIsLastDayOfMonth: false, "
                            "shouldAnchorClosing: false",
                            "Same day start, using referenceDate",
                            "Closing anchored to same month as start: 2025-07-20T00:00:00+02:00",
                            "Result: 2025-07-05T00:00:00+02:00 - 2025-07-20T23:59:59+02:00"));

    capture.clear();
    finder.currentCycle(days(2025, 5, 5, 2025, 5, 20), at(2025, 7, 12));
    EXPECT_EQ(capture.messages("CurrentBillingCycleFinder").at(2),
              "Start day 5 already occurred, using current month: 2025-07-05T00:00:00+02:00");
}

TEST_F(BillingCycles, InstantsThatAreNotFiniteGiveTheKnownCycleBack) {
    const DateInterval known = days(2025, 8, 30, 2025, 9, 29);
    EXPECT_EQ(finder.currentCycle(known, Date(std::numeric_limits<double>::quiet_NaN())), known);
    EXPECT_EQ(finder.currentCycle(known, Date(std::numeric_limits<double>::infinity())), known);
}

TEST_F(BillingCycles, NumberOfDaysCountsBothEnds) {
    EXPECT_EQ(BillingCycleCalculator(at(2026, 1, 30), at(2026, 2, 27, 23, 59, 59)).numberOfDays(), 29);
    EXPECT_EQ(BillingCycleCalculator(at(2025, 3, 1), at(2025, 3, 31, 23, 59, 59)).numberOfDays(), 31);
    EXPECT_EQ(BillingCycleCalculator(at(2024, 2, 1), at(2024, 2, 29, 23, 59, 59)).numberOfDays(), 29);
    EXPECT_EQ(BillingCycleCalculator(at(2025, 5, 12, 8), at(2025, 5, 12, 9)).numberOfDays(), 1);
    // Only the days count, not the hours between the instants (one minute apart here).
    EXPECT_EQ(BillingCycleCalculator(at(2025, 5, 12, 23, 59), at(2025, 5, 13, 0, 0)).numberOfDays(), 2);
    // Across the autumn change: 31 days of which one has 25 hours.
    EXPECT_EQ(BillingCycleCalculator(at(2025, 10, 15), at(2025, 11, 14, 23, 59, 59)).numberOfDays(), 31);
    const BillingCycleCalculator calculator(at(2025, 1, 1), at(2025, 12, 31, 23, 59, 59));
    EXPECT_EQ(calculator.startDate(), at(2025, 1, 1));
    EXPECT_EQ(calculator.numberOfDays(), 365);
    // The same instants in another zone fall on other days.
    EXPECT_EQ(
        BillingCycleCalculator(at(2025, 5, 12, 0, 30), at(2025, 5, 12, 23)).numberOfDays(Calendar("UTC")), 2);

    const Calendar santiago("America/Santiago");
    EXPECT_EQ(BillingCycleCalculator(santiago.date(2024, 9, 1).value(),
                                     santiago.date(2024, 9, 30, 23, 59, 59).value())
                  .numberOfDays(santiago),
              30);
}

namespace {

/// Known cycles opening in January 2025 on startDay: anchored (1 January runs to the month's last
/// day, later days wrap into February) or, for days 1-20, closing ten days later in January.
struct KnownCycle {
    DateInterval interval;
    int startDay;
    int endDay;
    bool anchored;
};

KnownCycle anchoredCycle(int startDay, const Calendar& calendar) {
    const Date opening = calendar.date(2025, 1, startDay).value();
    return {{opening, closingDate(opening, calendar)}, startDay, 0, true};
}

KnownCycle sameMonthCycle(int startDay, const Calendar& calendar) {
    const Date opening = calendar.date(2025, 1, startDay).value();
    return {{opening, calendar.endOfDay(calendar.date(2025, 1, startDay + 10).value())},
            startDay,
            startDay + 10,
            false};
}

const auto firstDay = chr::sys_days(chr::year(2000) / 1 / 1);
const auto lastDay = chr::sys_days(chr::year(2040) / 12 / 31);

int daysIn(chr::year_month month) {
    return int(unsigned((month / chr::last).day()));
}

/// A time of day that varies from one call to the next, clamped to the day's last instant.
Date someTimeOn(chr::year_month_day day, int seed, const Calendar& calendar) {
    const Date start = calendar.startOfDay(
        calendar.date(int(day.year()), int(unsigned(day.month())), int(unsigned(day.day())), 12).value());
    return std::min(start + double((seed * 7919) % 86400), calendar.endOfDay(start));
}

/// Every reference day from 2000 to 2040 against two known cycles: an anchored one and a
/// same-month one, their start days rotating through 1-31 and 1-20 from day to day (checking all
/// 51 cycles on every day would take a minute).
void checkEveryReferenceDay(const char* zone) {
    Environment::Override env({.timeZone = zone});
    const Calendar calendar(zone);
    const CurrentBillingCycleFinder finder;
    int index = 0;
    for (auto day = firstDay; day <= lastDay; day += chr::days(1), ++index) {
        const chr::year_month_day ymd(day);
        const int refDay = int(unsigned(ymd.day()));
        const Date reference = someTimeOn(ymd, index, calendar);
        for (const KnownCycle& known :
             {anchoredCycle(index % 31 + 1, calendar), sameMonthCycle(index % 20 + 1, calendar)}) {
            const DateInterval cycle = finder.currentCycle(known.interval, reference, calendar);
            const auto context = [&] {
                return std::string(zone) + " start day " + std::to_string(known.startDay) + ", reference " +
                       wall(reference, calendar);
            };
            // Whole days, opening on the start day clamped to the opening month, never after the reference.
            ASSERT_EQ(calendar.startOfDay(cycle.start), cycle.start) << context();
            ASSERT_EQ(calendar.endOfDay(cycle.end), cycle.end) << context();
            ASSERT_LE(cycle.start, reference) << context();
            ASSERT_EQ(calendar.component(CalendarComponent::day, cycle.start),
                      std::min(known.startDay, *calendar.daysInMonth(cycle.start)))
                << context();
            if (known.anchored) {
                // The reference lies inside, except on the last day of a month shorter than the
                // start day: that day opens the next cycle, and the one found ends the day before.
                if (refDay < known.startDay && refDay == *calendar.daysInMonth(reference)) {
                    ASSERT_EQ(cycle.end + 1, calendar.startOfDay(reference)) << context();
                } else {
                    ASSERT_TRUE(cycle.contains(reference)) << context();
                }
            } else {
                // Closes on its own end day (clamped) in the opening month; the days after it
                // belong to no cycle.
                const DateComponents open = calendar.components(cycle.start);
                const DateComponents close = calendar.components(cycle.end);
                ASSERT_EQ(close.month, open.month) << context();
                ASSERT_EQ(close.day, std::min(known.endDay, *calendar.daysInMonth(cycle.start))) << context();
                ASSERT_TRUE(cycle.contains(reference) || cycle.end < reference) << context();
            }
        }
    }
}

/// For every start day 1-31 and every month from 2000 to 2040, the cycle found from the day after
/// its opening opens on the start day clamped to that month and begins one second after the
/// previous month's cycle ends: anchored cycles tile the calendar.
void checkAnchoredCyclesTile(const char* zone) {
    Environment::Override env({.timeZone = zone});
    const Calendar calendar(zone);
    const CurrentBillingCycleFinder finder;
    for (int startDay = 1; startDay <= 31; ++startDay) {
        const KnownCycle known = anchoredCycle(startDay, calendar);
        std::optional<DateInterval> previous;
        int seed = startDay;
        for (chr::year_month month = chr::year(2000) / 1; month <= chr::year(2040) / 12;
             month += chr::months(1)) {
            const chr::year_month_day opening = month / chr::day(unsigned(std::min(startDay, daysIn(month))));
            const Date reference = someTimeOn(chr::sys_days(opening) + chr::days(1), ++seed, calendar);
            const DateInterval cycle = finder.currentCycle(known.interval, reference, calendar);
            ASSERT_EQ(civil(cycle.start, calendar), opening) << zone << " start day " << startDay;
            if (previous) {
                ASSERT_EQ(previous->end + 1, cycle.start)
                    << zone << " start day " << startDay << " after " << wall(previous->end, calendar);
            }
            previous = cycle;
        }
    }
}

} // namespace

TEST(BillingCycleProperties, EveryReferenceDayFrom2000To2040InBerlin) {
    checkEveryReferenceDay("Europe/Berlin");
}

TEST(BillingCycleProperties, EveryReferenceDayFrom2000To2040InSantiago) {
    checkEveryReferenceDay("America/Santiago");
}

TEST(BillingCycleProperties, AnchoredCyclesTileEveryMonthFrom2000To2040) {
    checkAnchoredCyclesTile("Europe/Berlin");
    checkAnchoredCyclesTile("America/Santiago");
}
