#include "ZTSwiftUIComponents/creditcards/BillingCycleCalculator.h"
#include "ZTSwiftUIComponents/creditcards/CurrentBillingCycleFinder.h"
#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "platform/Environment.h"
#include "platform/Logger.h"

#include <algorithm>
#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

using namespace zt;
using ::testing::ElementsAre;

namespace {

namespace chr = std::chrono;

struct Day {
    int y, m, d;
};

std::string wall(Date date, const Calendar& calendar) {
    const DateComponents c = calendar.components(date);
    return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}", *c.year, *c.month, *c.day, *c.hour, *c.minute,
                       *c.second);
}
Date noonOf(chr::year_month_day d, const Calendar& calendar) {
    return calendar.date(int(d.year()), int(unsigned(d.month())), int(unsigned(d.day())), 12).value();
}

class BillingCycles : public ::testing::Test {
protected:
    Environment::Override env{{.locale = "en_US", .timeZone = "Europe/Berlin", .now = Date(0)}};
    Calendar berlin{"Europe/Berlin"};
    CurrentBillingCycleFinder finder;

    Date at(Day d, int h = 0) const { return berlin.date(d.y, d.m, d.d, h).value(); }
    /// From the start of the first day to the last instant of the second.
    DateInterval cycle(Day first, Day last) const { return {at(first), berlin.endOfDay(at(last))}; }
};

} // namespace

TEST_F(BillingCycles, ReferenceTableAndFurtherBehaviour) {
    struct Case {
        Day knownStart, knownEnd, reference, start, end;
    };
    const Case cases[] = {
        // Wraps (29 < 30), anchored; 23 < 30 so the opening is in September.
        {{2025, 8, 30}, {2025, 9, 29}, {2025, 10, 23}, {2025, 9, 30}, {2025, 10, 29}},
        // The next opening clamps to 28 February, so the cycle closes on the 27th.
        {{2025, 8, 30}, {2025, 9, 29}, {2026, 2, 5}, {2026, 1, 30}, {2026, 2, 27}},
        // No wrap, and 20 is not May's last day: closes in the opening month.
        {{2025, 5, 5}, {2025, 5, 20}, {2025, 7, 12}, {2025, 7, 5}, {2025, 7, 20}},
        {{2025, 3, 1}, {2025, 3, 31}, {2025, 4, 15}, {2025, 4, 1}, {2025, 4, 30}},   // last day: anchored
        {{2025, 1, 15}, {2025, 2, 14}, {2025, 3, 15}, {2025, 3, 15}, {2025, 4, 14}}, // on the start day
        {{2025, 1, 31}, {2025, 2, 27}, {2025, 5, 10}, {2025, 4, 30}, {2025, 5, 30}}, // 31 clamps in April
        // The clamped 28 February opens the next cycle, yet finds the one that ends the day before.
        {{2025, 1, 30}, {2025, 2, 28}, {2025, 2, 28}, {2025, 1, 30}, {2025, 2, 27}},
        // Non-anchored cycles leave the days after their end day outside every cycle.
        {{2025, 6, 10}, {2025, 6, 25}, {2025, 7, 31}, {2025, 7, 10}, {2025, 7, 25}},
        {{2023, 12, 30}, {2024, 1, 29}, {2024, 2, 10}, {2024, 1, 30}, {2024, 2, 28}},  // leap February
        {{2019, 11, 20}, {2019, 12, 19}, {2026, 1, 3}, {2025, 12, 20}, {2026, 1, 19}}, // across the year
        {{2025, 1, 10}, {2025, 1, 30}, {2025, 2, 15}, {2025, 2, 10}, {2025, 2, 28}},   // end day clamped
    };
    for (const Case& c : cases)
        EXPECT_EQ(finder.currentCycle(cycle(c.knownStart, c.knownEnd), at(c.reference, 21)),
                  cycle(c.start, c.end))
            << "reference " << wall(at(c.reference), berlin);
}

TEST_F(BillingCycles, DaysThatStartAt0100AndRepeatedHours) {
    const Calendar santiago("America/Santiago");
    Environment::Override chile({.timeZone = "America/Santiago"});
    const auto on = [&](int y, int m, int d) { return santiago.date(y, m, d, 12).value(); };
    const auto knownFrom = [&](Date opening) {
        return DateInterval{santiago.startOfDay(opening), closingDate(opening)};
    };
    // 8 September 2024 has no midnight: the cycle opens at 01:00, one second after the last ended.
    const DateInterval current = finder.currentCycle(knownFrom(on(2024, 8, 8)), on(2024, 9, 20));
    EXPECT_EQ(wall(current.start, santiago), "2024-09-08 01:00:00");
    EXPECT_EQ(wall(current.end, santiago), "2024-10-07 23:59:59");
    EXPECT_EQ(finder.currentCycle(knownFrom(on(2024, 8, 8)), on(2024, 9, 1)).end + 1, current.start);
    // A cycle closing on 5 April 2025 ends after the repeated hour, at the day's real last instant.
    const DateInterval april = finder.currentCycle(knownFrom(on(2025, 1, 6)), on(2025, 3, 20));
    EXPECT_EQ(april.end, santiago.startOfDay(on(2025, 4, 6)) - 1);
    EXPECT_EQ(april.end - santiago.date(2025, 4, 5, 23, 59, 59).value(), 3600.0);
}

TEST_F(BillingCycles, LogsEachStep) {
    LogCapture capture;
    finder.currentCycle(cycle({2025, 8, 30}, {2025, 9, 29}), at({2025, 10, 23}));
    EXPECT_THAT(capture.messages("CurrentBillingCycleFinder"),
                ElementsAre("Known cycle: 2025-08-30T00:00:00+02:00 - 2025-09-29T23:59:59+02:00, "
                            "referenceDate: 2025-10-23T00:00:00+02:00",
                            "startDay: 30, endDay: 29, wrapsAcrossMonth: true, endIsLastDayOfMonth: false, "
                            "shouldAnchorClosing: true",
                            "Start day 30 > current day 23, using previous month: 2025-09-30T00:00:00+02:00",
                            "Closing anchored to next opening: 2025-10-29T00:00:00+01:00",
                            "Result: 2025-09-30T00:00:00+02:00 - 2025-10-29T23:59:59+01:00"));
    EXPECT_EQ(capture.entries().at(0).level, LogLevel::debug);
    capture.clear();
    finder.currentCycle(cycle({2025, 5, 5}, {2025, 5, 20}), at({2025, 7, 5}, 9));
    EXPECT_THAT(capture.messages(),
                ElementsAre(::testing::_, ::testing::_, "Same day start, using referenceDate",
                            "Closing anchored to same month as start: 2025-07-20T00:00:00+02:00",
                            ::testing::_));
    capture.clear();
    finder.currentCycle(cycle({2025, 5, 5}, {2025, 5, 20}), at({2025, 7, 12}));
    EXPECT_EQ(capture.messages().at(2),
              "Start day 5 already occurred, using current month: 2025-07-05T00:00:00+02:00");
}

TEST_F(BillingCycles, ReferenceThatIsNotFiniteGivesTheKnownCycleBack) {
    const DateInterval known = cycle({2025, 8, 30}, {2025, 9, 29});
    EXPECT_EQ(finder.currentCycle(known, Date(std::numeric_limits<double>::quiet_NaN())), known);
    EXPECT_EQ(finder.currentCycle(known, Date(std::numeric_limits<double>::infinity())), known);
}

TEST_F(BillingCycles, NumberOfDaysCountsBothEnds) {
    const auto days = [](const DateInterval& i) {
        return BillingCycleCalculator(i.start, i.end).numberOfDays();
    };
    EXPECT_EQ(days(cycle({2026, 1, 30}, {2026, 2, 27})), 29);
    EXPECT_EQ(days(cycle({2025, 3, 1}, {2025, 3, 31})), 31);    // with a 23-hour day
    EXPECT_EQ(days(cycle({2025, 10, 15}, {2025, 11, 14})), 31); // with a 25-hour day
    EXPECT_EQ(days(cycle({2025, 1, 1}, {2025, 12, 31})), 365);
    EXPECT_EQ(days({at({2025, 5, 12}, 8), at({2025, 5, 12}, 9)}), 1);
    EXPECT_EQ(days({at({2025, 5, 12}, 23) + 3540, at({2025, 5, 13})}), 2); // a minute apart, two days
    // The same instants fall on other days in UTC.
    EXPECT_EQ(
        BillingCycleCalculator(at({2025, 5, 12}) + 1800, at({2025, 5, 12}, 23)).numberOfDays(Calendar("UTC")),
        2);
}

namespace {

/// A known cycle opening on startDay of January 2025: anchored (closing one month on, so the 1st
/// runs to the month's last day and later days wrap) or closing ten days later in January.
struct KnownCycle {
    DateInterval interval;
    int startDay, endDay;
    bool anchored;
};

KnownCycle knownCycle(int startDay, bool anchored, const Calendar& calendar) {
    const Date opening = calendar.date(2025, 1, startDay).value();
    if (anchored)
        return {{opening, closingDate(opening, calendar)}, startDay, 0, true};
    return {{opening, calendar.endOfDay(opening + 10 * 86400.0)}, startDay, startDay + 10, false};
}

const auto firstDay = chr::sys_days(chr::year(2000) / 1 / 1);
const auto lastDay = chr::sys_days(chr::year(2040) / 12 / 31);

/// A time of day that varies with the seed, within the day.
Date someTimeOn(chr::year_month_day day, int seed, const Calendar& calendar) {
    const Date start = calendar.startOfDay(noonOf(day, calendar));
    return std::min(start + double((seed * 7919) % 86400), calendar.endOfDay(start));
}

/// Every reference day from 2000 to 2040 against one anchored and one same-month known cycle,
/// their start days rotating through 1-31 and 1-20 (all 51 cycles on every day would take a minute).
void checkEveryReferenceDay(const char* zone) {
    Environment::Override env({.timeZone = zone});
    const Calendar calendar(zone);
    const CurrentBillingCycleFinder finder;
    int index = 0;
    for (auto day = firstDay; day <= lastDay; day += chr::days(1), ++index) {
        const int refDay = int(unsigned(chr::year_month_day(day).day()));
        const Date reference = someTimeOn(day, index, calendar);
        for (const KnownCycle& known :
             {knownCycle(index % 31 + 1, true, calendar), knownCycle(index % 20 + 1, false, calendar)}) {
            const DateInterval found = finder.currentCycle(known.interval, reference, calendar);
            const auto context = [&] {
                return fmt::format("{} start {} ref {}", zone, known.startDay, wall(reference, calendar));
            };
            ASSERT_EQ(calendar.startOfDay(found.start), found.start) << context();
            ASSERT_EQ(calendar.endOfDay(found.end), found.end) << context();
            ASSERT_LE(found.start, reference) << context();
            ASSERT_EQ(calendar.component(CalendarComponent::day, found.start),
                      std::min(known.startDay, *calendar.daysInMonth(found.start)))
                << context();
            if (known.anchored) {
                // Contains the reference, unless that is the last day of a month shorter than the
                // start day: the day opens the next cycle, and the one found ends just before.
                if (refDay < known.startDay && refDay == *calendar.daysInMonth(reference)) {
                    ASSERT_EQ(found.end + 1, calendar.startOfDay(reference)) << context();
                } else {
                    ASSERT_TRUE(found.contains(reference)) << context();
                }
            } else {
                const DateComponents open = calendar.components(found.start),
                                     close = calendar.components(found.end);
                ASSERT_EQ(close.month, open.month) << context();
                ASSERT_EQ(close.day, std::min(known.endDay, *calendar.daysInMonth(found.start))) << context();
                ASSERT_TRUE(found.contains(reference) || found.end < reference) << context();
            }
        }
    }
}

/// For every start day and every month from 2000 to 2040, the cycle found from the day after its
/// opening opens on the start day clamped to that month, one second after the previous one ends.
void checkAnchoredCyclesTile(const char* zone) {
    Environment::Override env({.timeZone = zone});
    const Calendar calendar(zone);
    const CurrentBillingCycleFinder finder;
    for (int startDay = 1; startDay <= 31; ++startDay) {
        const KnownCycle known = knownCycle(startDay, true, calendar);
        std::optional<DateInterval> previous;
        for (auto month = chr::year(2000) / 1; month <= chr::year(2040) / 12; month += chr::months(1)) {
            const auto opening = month / std::min(chr::day(unsigned(startDay)), (month / chr::last).day());
            const DateInterval found = finder.currentCycle(
                known.interval, someTimeOn(chr::sys_days(opening) + chr::days(1), startDay, calendar),
                calendar);
            ASSERT_EQ(found.start, calendar.startOfDay(noonOf(opening, calendar)))
                << zone << " start " << startDay;
            if (previous) {
                ASSERT_EQ(previous->end + 1, found.start) << zone << " start " << startDay;
            }
            previous = found;
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
