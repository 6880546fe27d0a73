#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/MonthIndex.h"

#include <cmath>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace zt;

namespace {

// Instants are written as UTC wall times so that expectations do not go through the calendar.
Date utc(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return Date::fromUnixSeconds(
        static_cast<double>(civil::daysFromCivil(y, m, d) * 86400 + h * 3600 + mi * 60 + s));
}

const Calendar berlin("Europe/Berlin");
const Calendar santiago("America/Santiago");

DateComponents only(std::optional<int> day, std::optional<int> hour = {}, std::optional<int> minute = {},
                    std::optional<int> second = {}) {
    DateComponents c;
    c.day = day;
    c.hour = hour;
    c.minute = minute;
    c.second = second;
    return c;
}

constexpr auto next = MatchingPolicy::nextTime;
constexpr auto preserving = MatchingPolicy::nextTimePreservingSmallerComponents;
constexpr auto strict = MatchingPolicy::strict;
constexpr auto backward = SearchDirection::backward;

} // namespace

TEST(Calendar, FormsDatesFromFieldsAndRejectsOutOfRangeOnes) {
    EXPECT_EQ(berlin.date(2024, 7, 1, 12), utc(2024, 7, 1, 10));
    DateComponents yearMonth;
    yearMonth.year = 2024;
    yearMonth.month = 3;
    EXPECT_EQ(berlin.date(yearMonth), utc(2024, 2, 29, 23)); // unset day and time take their lowest
    EXPECT_EQ(berlin.date(2024, 2, 29), utc(2024, 2, 28, 23));
    EXPECT_EQ(berlin.date(2025, 2, 29), std::nullopt);
    EXPECT_EQ(berlin.date(2024, 13, 1), std::nullopt);
    EXPECT_EQ(berlin.date(2024, 5, 32), std::nullopt);
    EXPECT_EQ(berlin.date(2024, 5, 1, 24), std::nullopt);
    EXPECT_EQ(berlin.date(2024, 0, 1), std::nullopt);
    // A skipped wall time moves forward by the gap, a repeated one is its first occurrence.
    EXPECT_EQ(berlin.date(2024, 3, 31, 2, 30), utc(2024, 3, 31, 1, 30));
    EXPECT_EQ(berlin.date(2024, 10, 27, 2, 30), utc(2024, 10, 27, 0, 30));

    const DateComponents c = santiago.components(utc(2024, 4, 7, 3, 30)); // second 23:30 of 6 April
    EXPECT_EQ(c, (DateComponents{1, 2024, 4, 6, 23, 30, 0, 7}));
    EXPECT_EQ(santiago.component(CalendarComponent::weekday, utc(2024, 9, 8, 12)), 1);
    EXPECT_EQ(berlin.component(CalendarComponent::month, utc(2024, 12, 31, 23)), 1);
    EXPECT_EQ(berlin.component(CalendarComponent::year, utc(2024, 12, 31, 23)), 2025);
    EXPECT_EQ(berlin.components(Date{NAN}), DateComponents{});
}

TEST(Calendar, DayBoundsFollowClockChanges) {
    struct Case {
        const Calendar& calendar;
        Date inside, start, end;
    };
    const Case cases[] = {
        {berlin, utc(2024, 3, 31, 10), utc(2024, 3, 30, 23), utc(2024, 3, 31, 21, 59, 59)},    // 23 h
        {berlin, utc(2024, 10, 27, 10), utc(2024, 10, 26, 22), utc(2024, 10, 27, 22, 59, 59)}, // 25 h
        {santiago, utc(2024, 9, 8, 12), utc(2024, 9, 8, 4), utc(2024, 9, 9, 2, 59, 59)},       // starts 01:00
        {santiago, utc(2024, 9, 7, 12), utc(2024, 9, 7, 4), utc(2024, 9, 8, 3, 59, 59)},    // ends 23:59:59
        {santiago, utc(2024, 4, 7, 3, 30), utc(2024, 4, 6, 3), utc(2024, 4, 7, 3, 59, 59)}, // 23:00 twice
        {Calendar("Asia/Beirut"), utc(2024, 3, 31, 9), utc(2024, 3, 30, 22), utc(2024, 3, 31, 20, 59, 59)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.calendar.startOfDay(c.inside), c.start) << c.calendar.timeZoneIdentifier();
        EXPECT_EQ(c.calendar.endOfDay(c.inside), c.end) << c.calendar.timeZoneIdentifier();
        EXPECT_TRUE(c.calendar.isDate(c.start, c.end));
        EXPECT_FALSE(c.calendar.isDate(c.start - 1, c.start));
    }
    // Every day of a year: consecutive days tile time without gaps or overlaps.
    for (const Calendar* calendar : {&berlin, &santiago}) {
        Date day = calendar->startOfDay(utc(2024, 1, 1, 12));
        for (int i = 0; i < 366; ++i) {
            const Date end = calendar->endOfDay(day);
            ASSERT_EQ(calendar->startOfDay(end), day);
            ASSERT_EQ(calendar->startOfDay(end + 1), end + 1)
                << calendar->timeZoneIdentifier() << " day " << i;
            day = end + 1;
        }
    }
}

TEST(Calendar, AddingKeepsWallTimeAndClampsTheDay) {
    const auto add = [](const Calendar& c, CalendarComponent unit, int n, Date d) {
        return *c.adding(unit, n, d);
    };
    using enum CalendarComponent;
    EXPECT_EQ(add(berlin, day, 1, utc(2024, 3, 30, 11)), utc(2024, 3, 31, 10));   // 23 h later, 12:00 kept
    EXPECT_EQ(add(berlin, day, 1, utc(2024, 10, 26, 10)), utc(2024, 10, 27, 11)); // 25 h later
    EXPECT_EQ(add(berlin, day, 1, utc(2024, 3, 30, 1, 30)), utc(2024, 3, 31, 1, 30)); // 02:30 skipped: 03:30
    EXPECT_EQ(add(berlin, day, 1, utc(2024, 10, 26, 0, 30)), utc(2024, 10, 27, 0, 30)); // 02:30 twice: first
    EXPECT_EQ(add(berlin, day, -1, utc(2024, 10, 28, 1, 30)), utc(2024, 10, 27, 0, 30));
    EXPECT_EQ(add(berlin, weekOfYear, 1, utc(2024, 3, 25, 11)), utc(2024, 4, 1, 10));
    EXPECT_EQ(add(santiago, day, 1, utc(2024, 9, 7, 4)), utc(2024, 9, 8, 4)); // midnight skipped: 01:00
    EXPECT_EQ(add(berlin, hour, 1, utc(2024, 3, 31, 0, 30)), utc(2024, 3, 31, 1, 30)); // hours are absolute

    EXPECT_EQ(add(berlin, month, 1, utc(2025, 1, 30, 11)), utc(2025, 2, 28, 11));
    EXPECT_EQ(add(berlin, month, 1, utc(2024, 1, 31, 11)), utc(2024, 2, 29, 11));
    EXPECT_EQ(add(berlin, month, -1, utc(2024, 3, 31, 10)), utc(2024, 2, 29, 11)); // wall 12:00 across DST
    EXPECT_EQ(add(berlin, month, 3, utc(2024, 11, 30, 11)), utc(2025, 2, 28, 11));
    EXPECT_EQ(add(berlin, month, -13, utc(2024, 1, 15, 11)), utc(2022, 12, 15, 11));
    EXPECT_EQ(add(berlin, year, 1, utc(2024, 2, 29, 11)), utc(2025, 2, 28, 11));
    EXPECT_EQ(add(berlin, year, 4, utc(2024, 2, 29, 11)), utc(2028, 2, 29, 11));
    EXPECT_EQ(add(berlin, day, 1, utc(2024, 5, 1) + 0.25), utc(2024, 5, 2) + 0.25);
    EXPECT_EQ(berlin.adding(era, 1, utc(2024, 5, 1)), std::nullopt);
    EXPECT_EQ(berlin.adding(day, 1, Date{INFINITY}), std::nullopt);
}

TEST(Calendar, SettingTheTimeOfDayOnClockChangeDays) {
    const auto at = [](const Calendar& c, int h, int m, int s, Date d, MatchingPolicy p = next,
                       RepeatedTimePolicy r = RepeatedTimePolicy::first) {
        return c.dateBySetting(h, m, s, d, p, r);
    };
    EXPECT_EQ(at(berlin, 23, 59, 59, utc(2024, 3, 31, 5)), utc(2024, 3, 31, 21, 59, 59));
    EXPECT_EQ(at(berlin, 23, 59, 59, utc(2024, 10, 27, 5)), utc(2024, 10, 27, 22, 59, 59));
    EXPECT_EQ(at(berlin, 2, 30, 0, utc(2024, 3, 31, 12)), utc(2024, 3, 31, 1)); // gap: its end, 03:00
    EXPECT_EQ(at(berlin, 2, 30, 0, utc(2024, 3, 31, 12), preserving), utc(2024, 3, 31, 1, 30)); // 03:30
    EXPECT_EQ(
        at(berlin, 2, 30, 0, utc(2024, 3, 31, 12), MatchingPolicy::previousTimePreservingSmallerComponents),
        utc(2024, 3, 31, 0, 30)); // 01:30
    EXPECT_EQ(at(berlin, 2, 30, 0, utc(2024, 3, 31, 12), strict),
              utc(2024, 4, 1, 0, 30)); // next day that has it
    EXPECT_EQ(at(berlin, 2, 30, 0, utc(2024, 10, 27, 12)), utc(2024, 10, 27, 0, 30));
    EXPECT_EQ(at(berlin, 2, 30, 0, utc(2024, 10, 27, 12), next, RepeatedTimePolicy::last),
              utc(2024, 10, 27, 1, 30));
    EXPECT_EQ(at(santiago, 0, 0, 0, utc(2024, 9, 8, 20)), utc(2024, 9, 8, 4));
    EXPECT_EQ(at(santiago, 23, 59, 59, utc(2024, 9, 7, 20)), utc(2024, 9, 8, 3, 59, 59));
    EXPECT_EQ(at(santiago, 23, 30, 0, utc(2024, 4, 6, 20)), utc(2024, 4, 7, 2, 30));
    EXPECT_EQ(at(santiago, 23, 30, 0, utc(2024, 4, 6, 20), next, RepeatedTimePolicy::last),
              utc(2024, 4, 7, 3, 30));
    EXPECT_EQ(berlin.dateBySetting(9, 0, 0, utc(2024, 3, 31, 12), next, RepeatedTimePolicy::first, backward),
              utc(2024, 3, 31, 7));
    EXPECT_EQ(
        berlin.dateBySetting(2, 30, 0, utc(2024, 3, 31, 12), strict, RepeatedTimePolicy::first, backward),
        utc(2024, 3, 30, 1, 30));
    // In 1916 Berlin jumped from 23:00 straight to midnight: 23:59:59 of 30 April is the next
    // day's start, and the next day's own 23:59:59 is not taken for it.
    EXPECT_EQ(at(berlin, 23, 59, 59, utc(1916, 4, 30, 12)), utc(1916, 4, 30, 22));
    EXPECT_EQ(at(berlin, 23, 59, 59, utc(1916, 4, 30, 22)), utc(1916, 5, 1, 21, 59, 59));
    EXPECT_EQ(at(berlin, 24, 0, 0, utc(2024, 3, 31, 12)), std::nullopt);
}

TEST(Calendar, NextDateByDayOfMonth) {
    // Berlin summer time: local midnight is 22:00 UTC the day before.
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 14, 21, 59, 59), only(25), preserving), utc(2025, 4, 24, 22));
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 27, 21, 59, 59), only(25), preserving), utc(2025, 5, 24, 22));
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 14, 21, 59, 59), only(14), preserving), utc(2025, 5, 13, 22));
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 24, 22), only(25), preserving),
              utc(2025, 5, 24, 22)); // strictly after
    // A day the month lacks resolves to the 1st of the next month, or is skipped when strict.
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 14, 21, 59, 59), only(31), preserving), utc(2025, 4, 30, 22));
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 14, 21, 59, 59), only(31), next), utc(2025, 4, 30, 22));
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 14, 21, 59, 59), only(31), strict), utc(2025, 5, 30, 22));
    EXPECT_EQ(berlin.nextDate(utc(2025, 2, 1, 12), only(29), preserving), utc(2025, 2, 28, 23)); // 1 March
    EXPECT_EQ(berlin.nextDate(utc(2024, 2, 1, 12), only(29), preserving), utc(2024, 2, 28, 23)); // 29 Feb
    EXPECT_EQ(berlin.nextDate(utc(2025, 1, 31, 12), only(30), strict), utc(2025, 3, 29, 23));
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 30, 23), only(31), preserving),
              utc(2025, 5, 30, 22)); // after 1 May
    EXPECT_EQ(santiago.nextDate(utc(2024, 9, 1, 12), only(8), preserving),
              utc(2024, 9, 8, 4)); // day starts 01:00
    EXPECT_EQ(santiago.nextDate(utc(2024, 9, 1, 12), only(8), strict), utc(2024, 9, 8, 4)); // the day exists

    // Backward (the previous month's first day): the latest matching day start strictly before.
    const auto back = [](Date from, int day) {
        return berlin.nextDate(from, only(day), next, RepeatedTimePolicy::first, backward);
    };
    EXPECT_EQ(back(utc(2025, 5, 10, 12), 1), utc(2025, 4, 30, 22));
    EXPECT_EQ(back(utc(2025, 4, 30, 22), 1), utc(2025, 3, 31, 22)); // exactly 1 May 00:00 -> 1 April
    EXPECT_EQ(back(utc(2025, 5, 1, 8), 1), utc(2025, 4, 30, 22));
    EXPECT_EQ(back(utc(2025, 1, 1, 12), 1), utc(2024, 12, 31, 23));
    EXPECT_EQ(back(utc(2024, 12, 31, 23), 1), utc(2024, 11, 30, 23));
    EXPECT_EQ(santiago.nextDate(utc(2024, 9, 8, 16), only(8), next, RepeatedTimePolicy::first, backward),
              utc(2024, 9, 8, 4));
}

TEST(Calendar, NextDateByTimeOfDayAndOtherFields) {
    EXPECT_EQ(berlin.nextDate(utc(2024, 3, 30, 9), only({}, 9, 0, 0), next), utc(2024, 3, 31, 7));
    EXPECT_EQ(berlin.nextDate(utc(2024, 3, 30, 11), only({}, 2, 30, 0), next), utc(2024, 3, 31, 1));
    EXPECT_EQ(berlin.nextDate(utc(2024, 3, 30, 11), only({}, 2, 30, 0), strict), utc(2024, 4, 1, 0, 30));
    EXPECT_EQ(berlin.nextDate(utc(2024, 3, 31, 0, 45), only({}, {}, 30), preserving),
              utc(2024, 3, 31, 1, 30));
    EXPECT_EQ(berlin.nextDate(utc(2024, 10, 27, 0, 40), only({}, {}, 30), next), utc(2024, 10, 27, 2, 30));
    EXPECT_EQ(berlin.nextDate(utc(2024, 10, 27, 0, 40), only({}, {}, 30), next, RepeatedTimePolicy::last),
              utc(2024, 10, 27, 1, 30)); // the later 02:30 is still ahead
    EXPECT_EQ(
        berlin.nextDate(utc(2024, 3, 31, 6), only({}, 9, 0, 0), next, RepeatedTimePolicy::first, backward),
        utc(2024, 3, 30, 8));
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 15, 12), only(1, 9), next),
              utc(2025, 5, 1, 7)); // minutes pinned to 0
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 15, 12), only(31, 9), preserving), utc(2025, 5, 1, 7));

    DateComponents monday;
    monday.weekday = 2;
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 16, 12), monday, next), utc(2025, 4, 20, 22));
    DateComponents february2030;
    february2030.year = 2030;
    february2030.month = 2;
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 16), february2030, next), utc(2030, 1, 31, 23));
    february2030.year = 2020;
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 16), february2030, next), std::nullopt);
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 16), DateComponents{}, next), std::nullopt);
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 16), only(32), next), std::nullopt);
    EXPECT_EQ(berlin.nextDate(utc(2025, 4, 16), only({}, 24), next), std::nullopt);
}

TEST(Calendar, DifferenceCountsWholeCalendarUnits) {
    const auto diff = [](CalendarComponent c, Date a, Date b) { return *berlin.difference(c, a, b); };
    using enum CalendarComponent;
    EXPECT_EQ(diff(day, utc(2025, 5, 9, 13), utc(2025, 5, 11, 22)), 2); // 9 May 15:00 -> 12 May 00:00
    EXPECT_EQ(diff(day, utc(2025, 5, 8, 22), utc(2025, 5, 11, 22)), 3);
    EXPECT_EQ(diff(day, utc(2025, 5, 11, 22), utc(2025, 5, 9, 13)), -2);       // truncated toward zero
    EXPECT_EQ(diff(day, utc(2024, 3, 30, 11), utc(2024, 3, 31, 10)), 1);       // a 23-hour day
    EXPECT_EQ(diff(day, utc(2024, 10, 26, 10), utc(2024, 10, 27, 11)), 1);     // a 25-hour day
    EXPECT_EQ(diff(day, utc(2024, 10, 26, 10), utc(2024, 10, 27, 10, 30)), 0); // 24.5 h, not yet 12:00
    EXPECT_EQ(diff(month, utc(2025, 1, 30, 23), utc(2025, 2, 27, 22)), 0);
    EXPECT_EQ(diff(month, utc(2025, 1, 30, 23), utc(2025, 2, 27, 23)), 1); // 31 Jan + 1 month is 28 Feb
    EXPECT_EQ(diff(year, utc(2024, 2, 28, 23), utc(2025, 2, 27, 23)), 1);
    EXPECT_EQ(diff(hour, utc(2024, 3, 30, 23), utc(2024, 3, 31, 3)), 4); // 00:00 -> 06:00 wall
    EXPECT_EQ(diff(second, utc(2024, 1, 1), utc(2024, 1, 1) - 1.9), -1);
    EXPECT_EQ(berlin.difference(weekday, utc(2024, 1, 1), utc(2024, 2, 1)), std::nullopt);
    EXPECT_EQ(berlin.difference(day, utc(2024, 1, 1), Date{NAN}), std::nullopt);
}

TEST(Calendar, DaysInMonthOfEveryMonth) {
    const int lengths[2][12] = {{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};
    for (const Calendar* calendar : {&berlin, &santiago})
        for (int year : {2024, 2025})
            for (int month = 1; month <= 12; ++month) {
                const Date first = *calendar->date(year, month, 1);
                const int expected = lengths[year - 2024][month - 1];
                EXPECT_EQ(calendar->daysInMonth(first), expected) << year << "-" << month;
                EXPECT_EQ(calendar->daysInMonth(*calendar->date(year, month, expected, 23, 59, 59)),
                          expected);
                EXPECT_EQ(calendar->daysInMonth(first - 1),
                          month == 1 ? 31 : lengths[year - 2024][month - 2]);
            }
}

TEST(Calendar, MonthBoundsAndClampedDaysOfAMonth) {
    // Berlin is UTC+1 in winter, UTC+2 in summer.
    EXPECT_EQ(berlin.startOfMonth(utc(2024, 2, 17, 15)), utc(2024, 1, 31, 23));
    EXPECT_EQ(berlin.endOfMonth(utc(2024, 2, 17, 15)), utc(2024, 2, 29, 22, 59, 59)); // leap year
    EXPECT_EQ(berlin.endOfMonth(utc(2025, 2, 1, 12)), utc(2025, 2, 28, 22, 59, 59));
    EXPECT_EQ(berlin.endOfMonth(utc(2025, 3, 10)), utc(2025, 3, 31, 21, 59, 59)); // the month changes clocks
    EXPECT_EQ(berlin.startOfMonth(utc(2025, 3, 31, 22, 30)), utc(2025, 3, 31, 22)); // already April there

    EXPECT_EQ(berlin.dayInMonth(utc(2025, 2, 10, 12), 31), utc(2025, 2, 27, 23)); // clamped to the 28th
    EXPECT_EQ(berlin.dayInMonth(utc(2024, 2, 10, 12), 30), utc(2024, 2, 28, 23));
    EXPECT_EQ(berlin.dayInMonth(utc(2025, 4, 10, 12), 1), utc(2025, 3, 31, 22));
    // Santiago skips midnight when summer time starts (7 September 2025): the day starts at 01:00.
    EXPECT_EQ(santiago.dayInMonth(utc(2025, 9, 20, 12), 7), santiago.startOfDay(utc(2025, 9, 7, 12)));

    const Date notFinite{std::nan("")};
    EXPECT_FALSE(berlin.dayInMonth(notFinite, 3));
    EXPECT_TRUE(std::isnan(berlin.startOfMonth(notFinite).secondsSinceReferenceDate));
}

TEST(Calendar, CurrentFollowsTheEnvironmentAndCopiesAreIndependent) {
    {
        Environment::Override pin({.timeZone = "America/Santiago"});
        EXPECT_EQ(Calendar::current().timeZoneIdentifier(), "America/Santiago");
        EXPECT_EQ(Calendar::current().startOfDay(utc(2024, 9, 8, 12)), utc(2024, 9, 8, 4));
    }
    Calendar copy = berlin;
    copy = Calendar("Asia/Tokyo");
    EXPECT_EQ(copy.startOfDay(utc(2024, 9, 8, 12)), utc(2024, 9, 7, 15));
    EXPECT_EQ(berlin.startOfDay(utc(2024, 9, 8, 12)), utc(2024, 9, 7, 22));
    EXPECT_EQ(Calendar("No/Such_Zone").startOfDay(utc(2024, 9, 8, 12)), utc(2024, 9, 8)); // GMT
}

TEST(Calendar, CalendarsOnManyThreadsShareTheZoneCacheSafely) {
    std::vector<std::thread> threads;
    std::vector<int> failures(8, 0);
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([t, &failures] {
            const char* zone = t % 2 ? "Europe/Berlin" : "America/Santiago";
            for (int i = 0; i < 200; ++i) {
                const Calendar calendar(zone);
                const Date d = utc(2024, 1 + i % 12, 1 + i % 28, 12);
                if (calendar.component(CalendarComponent::month, d) != 1 + i % 12 ||
                    MonthIndex::forTimeZone(zone)->month(d) != 1 + i % 12)
                    ++failures[static_cast<std::size_t>(t)];
            }
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(failures, std::vector<int>(8, 0));
}
