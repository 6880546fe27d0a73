#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "platform/Environment.h"
#include "platform/Logger.h"

#include <chrono>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

using namespace zt;
using ::testing::ElementsAre;

namespace {

namespace chr = std::chrono;

// 2025-06-10 12:00 in Berlin (10:00 UTC).
const Date june10Noon = Date::fromUnixSeconds(1749549600);

class DateUtilities : public ::testing::Test {
protected:
    Environment::Override env{{.locale = "en_US", .timeZone = "Europe/Berlin", .now = june10Noon}};
    Calendar berlin{"Europe/Berlin"};

    Date at(int y, int m, int d, int h = 0, int mi = 0, int s = 0) const {
        return berlin.date(y, m, d, h, mi, s).value();
    }
};

/// The wall-clock fields of date in the calendar, for readable comparisons.
std::string wall(Date date, const Calendar& calendar) {
    const DateComponents c = calendar.components(date);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", c.year.value_or(0),
                  c.month.value_or(0), c.day.value_or(0), c.hour.value_or(0), c.minute.value_or(0),
                  c.second.value_or(0));
    return buffer;
}

std::string wall(chr::year_month_day day, const char* time) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u %s", int(day.year()), unsigned(day.month()),
                  unsigned(day.day()), time);
    return buffer;
}

chr::year_month_day civil(Date date, const Calendar& calendar) {
    const DateComponents c = calendar.components(date);
    return chr::year{*c.year} / chr::month(unsigned(*c.month)) / chr::day(unsigned(*c.day));
}

} // namespace

TEST_F(DateUtilities, StartAndEndOfMonth) {
    // Every hour of February 2024 ends on the leap day; every hour of April 2025 on the 30th.
    for (Date d = at(2024, 2, 1); d < at(2024, 3, 1); d = d + 3600)
        ASSERT_EQ(endOfMonth(d), at(2024, 2, 29, 23, 59, 59)) << wall(d, berlin);
    for (Date d = at(2025, 4, 1); d < at(2025, 5, 1); d = d + 3600) {
        ASSERT_EQ(endOfMonth(d), at(2025, 4, 30, 23, 59, 59)) << wall(d, berlin);
        ASSERT_EQ(startOfMonth(d), at(2025, 4, 1)) << wall(d, berlin);
    }
    // March holds the spring-forward day; the month still ends at 23:59:59 of the 31st.
    EXPECT_EQ(endOfMonth(at(2025, 3, 30, 12)), at(2025, 3, 31, 23, 59, 59));
    EXPECT_EQ(endOfMonth(at(2025, 12, 31, 23, 59, 59)), at(2025, 12, 31, 23, 59, 59));
    EXPECT_EQ(startOfMonth(at(2025, 1, 1)), at(2025, 1, 1));
    EXPECT_EQ(startOfDay(at(2025, 3, 30, 23, 59, 59)), at(2025, 3, 30));

    // The environment's zone decides: 23:30 UTC on 30 April is already May in Berlin.
    const Date lateApril = Date::fromUnixSeconds(1746055800); // 2025-04-30 23:30 UTC
    EXPECT_EQ(startOfMonth(lateApril), at(2025, 5, 1));
    EXPECT_EQ(startOfMonth(lateApril, Calendar("UTC")), Calendar("UTC").date(2025, 4, 1).value());

    const Date nan{std::numeric_limits<double>::quiet_NaN()};
    EXPECT_TRUE(std::isnan(endOfMonth(nan).secondsSinceReferenceDate));
}

TEST_F(DateUtilities, PreviousMonthStartFollowsTheEnvironmentsNow) {
    EXPECT_EQ(previousMonthStart(), at(2025, 5, 1));

    const auto with = [&](Date now) {
        Environment::Override pinned({.now = now});
        return previousMonthStart();
    };
    EXPECT_EQ(with(at(2025, 3, 31, 8)), at(2025, 2, 1)); // 31 March minus a month clamps to 28 Feb
    EXPECT_EQ(with(at(2025, 1, 15)), at(2024, 12, 1));   // across the year
    EXPECT_EQ(with(at(2025, 6, 1, 0, 0, 1)), at(2025, 5, 1));
    // Exactly the midnight of a 1st: the backward search is strict, so the month before.
    EXPECT_EQ(with(at(2025, 6, 1)), at(2025, 4, 1));

    // Santiago: "now" in UTC is still 31 October there.
    Environment::Override chile({.timeZone = "America/Santiago", .now = Date::fromUnixSeconds(1730426400)});
    const Calendar santiago("America/Santiago");
    EXPECT_EQ(wall(previousMonthStart(), santiago), "2024-09-01 00:00:00");
}

TEST_F(DateUtilities, AllDaysOfAYear) {
    const auto leap = allDays(2024);
    ASSERT_EQ(leap.size(), 366u);
    EXPECT_EQ(leap.front(), at(2024, 1, 1));
    EXPECT_EQ(leap[59], at(2024, 2, 29));
    EXPECT_EQ(leap.back(), at(2024, 12, 31));
    const auto common = allDays(2025);
    ASSERT_EQ(common.size(), 365u);
    EXPECT_EQ(common.back(), at(2025, 12, 31));
    // The spring-forward day is one entry, at midnight; the next one a 23-hour step later.
    EXPECT_EQ(common[89], at(2025, 3, 31));
    EXPECT_EQ(common[89] - common[88], 23 * 3600.0);

    EXPECT_TRUE(allDays(-5).empty());
}

TEST(DateUtilitiesInvariants, AllDaysAreConsecutiveDayStartsFrom1900To2100) {
    // Santiago skips midnight when summer time starts (2024-09-08 begins at 01:00): that day's
    // entry is its 01:00 start, and the days after it are back at midnight.
    for (const char* zone : {"Europe/Berlin", "America/Santiago"}) {
        Environment::Override env({.locale = "en_US", .timeZone = zone});
        const Calendar calendar(zone);
        for (int year = 1900; year <= 2100; ++year) {
            const auto days = allDays(year);
            const bool leap = chr::year(year).is_leap();
            ASSERT_EQ(days.size(), leap ? 366u : 365u) << zone << " " << year;
            auto expected = chr::sys_days(chr::year(year) / 1 / 1);
            for (std::size_t i = 0; i < days.size(); ++i, expected += chr::days(1)) {
                ASSERT_EQ(civil(days[i], calendar), chr::year_month_day(expected))
                    << zone << " " << year << " " << i;
                ASSERT_EQ(calendar.startOfDay(days[i]), days[i]) << zone << " " << wall(days[i], calendar);
                if (i > 0) {
                    ASSERT_LT(days[i - 1], days[i]);
                }
            }
        }
    }
    Environment::Override env({.timeZone = "America/Santiago"});
    const Calendar santiago("America/Santiago");
    const auto days2024 = allDays(2024);
    EXPECT_EQ(wall(days2024[251], santiago), "2024-09-08 01:00:00");
    EXPECT_EQ(wall(days2024[252], santiago), "2024-09-09 00:00:00");
}

TEST_F(DateUtilities, ClosingDate) {
    EXPECT_EQ(closingDate(at(2025, 1, 31)), at(2025, 2, 27, 23, 59, 59));
    EXPECT_EQ(closingDate(at(2025, 1, 30)), at(2025, 2, 27, 23, 59, 59));
    EXPECT_EQ(closingDate(at(2025, 2, 1)), at(2025, 2, 28, 23, 59, 59));
    EXPECT_EQ(closingDate(at(2024, 2, 1)), at(2024, 2, 29, 23, 59, 59));
    EXPECT_EQ(closingDate(at(2025, 3, 15)), at(2025, 4, 14, 23, 59, 59));
    EXPECT_EQ(closingDate(at(2025, 3, 15, 18, 30)), at(2025, 4, 14, 23, 59, 59)); // the time is ignored
    EXPECT_EQ(closingDate(at(2025, 12, 31)), at(2026, 1, 30, 23, 59, 59));
    EXPECT_EQ(closingDate(at(2025, 12, 1)), at(2025, 12, 31, 23, 59, 59));
    EXPECT_EQ(closingDate(at(2025, 3, 30, 5)), at(2025, 4, 29, 23, 59, 59)); // opens on a 23-hour day

    const Calendar santiago("America/Santiago");
    const auto chile = [&](int y, int m, int d) { return santiago.date(y, m, d).value(); };
    // Opens on the day that starts at 01:00; closes the day before a skipped midnight.
    EXPECT_EQ(wall(closingDate(chile(2024, 9, 8), santiago), santiago), "2024-10-07 23:59:59");
    EXPECT_EQ(wall(closingDate(chile(2024, 8, 8), santiago), santiago), "2024-09-07 23:59:59");
    // 5 April 2025 has its last hour twice (clocks go back at 24:00): the first 23:59:59 is taken,
    // an hour before the day's last instant.
    const Date closing = closingDate(chile(2025, 3, 6), santiago);
    EXPECT_EQ(wall(closing, santiago), "2025-04-05 23:59:59");
    EXPECT_EQ(closing, santiago.endOfDay(chile(2025, 4, 5)) - 3600);
}

namespace {

/// Each day from 1900 to 2100 opens a cycle: it closes the day before the same day-of-month one
/// month on (clamped), at 23:59:59, and the due day, cycling through 1-31, is the first later day
/// with that number, or the 1st after a month that lacks it.
void checkClosingAndDueDates(const char* zone) {
    Environment::Override env({.timeZone = zone});
    const Calendar calendar(zone);
    int dueDay = 1;
    for (auto day = chr::sys_days(chr::year(1900) / 1 / 1); day <= chr::sys_days(chr::year(2100) / 12 / 31);
         day += chr::days(1), dueDay = dueDay % 31 + 1) {
        const chr::year_month_day ymd(day);
        const Date opening =
            calendar.date(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())), 13).value();
        const Date closing = closingDate(opening);

        const chr::year_month next = chr::year_month(ymd.year(), ymd.month()) + chr::months(1);
        const chr::year_month_day c(chr::sys_days(next / std::min(ymd.day(), (next / chr::last).day())) -
                                    chr::days(1));
        if (wall(closing, calendar) != wall(c, "23:59:59")) {
            // Where 23:59:59 does not exist (Berlin moved its clocks at 23:00 in 1916), the next
            // existing instant is taken: the following day's start.
            const Date lastSecond = calendar.endOfDay(
                calendar.date(int(c.year()), int(unsigned(c.month())), int(unsigned(c.day())), 12).value());
            ASSERT_FALSE(wall(lastSecond, calendar).ends_with("23:59:59"))
                << zone << " " << wall(closing, calendar);
            ASSERT_EQ(closing, lastSecond + 1) << zone << " " << wall(closing, calendar);
        }

        const auto due = paymentDueDate(DateInterval{calendar.startOfDay(opening), closing}, dueDay);
        ASSERT_TRUE(due.has_value());
        // The closing day is the one the closing instant falls on (1 May in that 1916 case).
        const chr::year_month_day closed = civil(closing, calendar);
        chr::year_month month(closed.year(), closed.month());
        if (unsigned(closed.day()) >= unsigned(dueDay))
            month += chr::months(1);
        const chr::year_month_day wanted = chr::day(dueDay) <= (month / chr::last).day()
                                               ? month / chr::day(dueDay)
                                               : (month + chr::months(1)) / 1;
        ASSERT_EQ(civil(*due, calendar), wanted)
            << zone << " " << wall(closing, calendar) << " due " << dueDay;
        ASSERT_EQ(calendar.startOfDay(*due), *due);
        ASSERT_GT(*due, closing);
    }
}

} // namespace

TEST(DateUtilitiesInvariants, ClosingAndDueDatesOnEveryDayFrom1900To2100InBerlin) {
    checkClosingAndDueDates("Europe/Berlin");
}

TEST(DateUtilitiesInvariants, ClosingAndDueDatesOnEveryDayFrom1900To2100InSantiago) {
    checkClosingAndDueDates("America/Santiago");
}

TEST_F(DateUtilities, PaymentDueDate) {
    const auto cycleEnding = [&](int m, int d) {
        const Date end = at(2025, m, d, 23, 59, 59);
        return DateInterval{end - 20 * 86400.0, end};
    };
    EXPECT_EQ(paymentDueDate(cycleEnding(4, 14), 25), at(2025, 4, 25));
    EXPECT_EQ(paymentDueDate(cycleEnding(4, 27), 25), at(2025, 5, 25));
    EXPECT_EQ(paymentDueDate(cycleEnding(4, 14), 14), at(2025, 5, 14)); // never the closing day itself
    EXPECT_EQ(paymentDueDate(cycleEnding(4, 14), 15), at(2025, 4, 15));
    EXPECT_EQ(paymentDueDate(cycleEnding(4, 14), 31), at(2025, 5, 1)); // April has no 31st
    EXPECT_EQ(paymentDueDate(cycleEnding(4, 30), 1), at(2025, 5, 1));
    EXPECT_EQ(paymentDueDate(cycleEnding(12, 31), 31), at(2026, 1, 31));
    EXPECT_EQ(paymentDueDate(cycleEnding(3, 29), 30), at(2025, 3, 30)); // the 23-hour day, from midnight
    EXPECT_EQ(paymentDueDate(cycleEnding(4, 14), 0), std::nullopt);
    EXPECT_EQ(paymentDueDate(cycleEnding(4, 14), 32), std::nullopt);

    // Santiago: the due day whose midnight is skipped starts at 01:00.
    const Calendar santiago("America/Santiago");
    const DateInterval chile{santiago.date(2024, 8, 1).value(),
                             santiago.date(2024, 8, 31, 23, 59, 59).value()};
    EXPECT_EQ(wall(paymentDueDate(chile, 8, santiago).value(), santiago), "2024-09-08 01:00:00");
}

TEST_F(DateUtilities, FormattedDates) {
    const Date may12 = at(2025, 5, 12, 23, 30);
    EXPECT_EQ(formattedDayMonthYear(may12, "en_US"), "May 12, 2025");
    EXPECT_EQ(formattedDayMonthYear(may12, "de_DE"), "12.05.2025");
    EXPECT_EQ(formattedDayMonthYear(may12, "en_GB"), "12 May 2025");

    // A period's last instant stays on its closing day.
    const DateInterval period{at(2025, 5, 12), at(2025, 6, 11, 23, 59, 59)};
    EXPECT_EQ(formattedString(period), "May 12\u2009\u2013\u2009Jun 11, 2025");
    EXPECT_EQ(formattedDayMonthYear(period, "de_DE"), "12.05. \u2013 11.06.2025");
    EXPECT_EQ(formattedDayMonthYear(DateInterval{at(2025, 5, 12), at(2025, 5, 15, 23, 59, 59)}, "de_DE"),
              "12.\u201315.05.2025");
    {
        Environment::Override german({.locale = "de_DE"});
        EXPECT_EQ(formattedString(period), "12.05. \u2013 11.06.2025");
    }
    // The environment's zone decides the days shown.
    Environment::Override utc({.timeZone = "UTC"});
    EXPECT_EQ(formattedDayMonthYear(may12, "en_US"), "May 12, 2025");
    EXPECT_EQ(formattedString(period), "May 11\u2009\u2013\u2009Jun 11, 2025");
}

TEST_F(DateUtilities, PaymentDueMessage) {
    const DateFormatter dayMonth = DateFormatter::withFormat("d MMMM");
    const AttributedText text = paymentDueMessageAttributedString(at(2025, 5, 12), dayMonth, at(2025, 5, 9));
    EXPECT_EQ(text.string(), "Payment due in 3 days, by 12 May");
    EXPECT_THAT(text.runs(),
                ElementsAre(AttributedText::Run{"Payment due in ", false},
                            AttributedText::Run{"3 days", true}, AttributedText::Run{", by ", false},
                            AttributedText::Run{"12 May", true}));
    // Whole days only; the source word is the same for every count.
    EXPECT_EQ(paymentDueMessageAttributedString(at(2025, 5, 12), dayMonth, at(2025, 5, 9, 15)).string(),
              "Payment due in 2 days, by 12 May");
    EXPECT_EQ(paymentDueMessageAttributedString(at(2025, 5, 12), dayMonth, at(2025, 5, 11)).string(),
              "Payment due in 1 days, by 12 May");
    // A 71-hour stretch over the spring-forward night is still three calendar days.
    EXPECT_EQ(paymentDueMessageAttributedString(at(2025, 3, 31), dayMonth, at(2025, 3, 28)).string(),
              "Payment due in 3 days, by 31 March");
    EXPECT_EQ(paymentDueMessageAttributedString(at(2025, 5, 12), dayMonth, at(2025, 5, 14)).string(),
              "Payment due in -2 days, by 12 May");
    const Date nan{std::numeric_limits<double>::quiet_NaN()};
    EXPECT_EQ(paymentDueMessageAttributedString(at(2025, 5, 12), dayMonth, nan).string(),
              "Payment due in 0 days, by 12 May");

    // Only the first occurrence is bold: a date written "3" marks the count's "3", not its own.
    const AttributedText clash =
        paymentDueMessageAttributedString(at(2025, 6, 3), DateFormatter::withFormat("d"), at(2025, 5, 31));
    EXPECT_EQ(clash.string(), "Payment due in 3 days, by 3");
    EXPECT_THAT(clash.boldRanges(), ElementsAre(TextRange{15, 6}));
    // A formatter without style writes nothing, and nothing of it is bold.
    const AttributedText empty =
        paymentDueMessageAttributedString(at(2025, 5, 12), DateFormatter(), at(2025, 5, 9));
    EXPECT_EQ(empty.string(), "Payment due in 3 days, by ");
    EXPECT_THAT(empty.boldRanges(), ElementsAre(TextRange{15, 6}));
}

TEST_F(DateUtilities, PaymentDueMessageInGerman) {
    Environment::Override german({.locale = "de_DE"});
    const AttributedText text = paymentDueMessageAttributedString(
        at(2025, 5, 12), DateFormatter::withFormat("d. MMMM"), at(2025, 5, 9));
    EXPECT_EQ(text.string(), "Zahlung fällig in 3 Tage, bis 12. Mai");
    // Byte offsets: "ä" takes two bytes of UTF-8.
    EXPECT_THAT(text.boldRanges(), ElementsAre(TextRange{19, 6}, TextRange{31, 7}));
    EXPECT_THAT(text.runs(),
                ElementsAre(AttributedText::Run{"Zahlung fällig in ", false},
                            AttributedText::Run{"3 Tage", true}, AttributedText::Run{", bis ", false},
                            AttributedText::Run{"12. Mai", true}));
}

TEST_F(DateUtilities, CurrentBillingCycleDefaultsToThePreviousMonth) {
    LogCapture capture;
    // Today 10 June: the known cycle is 1 May - 31 May, which ends on its month's last day.
    EXPECT_EQ(currentBillingCycle(std::nullopt, june10Noon),
              (DateInterval{at(2025, 6, 1), at(2025, 6, 30, 23, 59, 59)}));
    const auto lines = capture.messages("CurrentBillingCycleFinder");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Known cycle: 2025-05-01T00:00:00+02:00 - 2025-05-31T23:59:59+02:00, "
                        "referenceDate: 2025-06-10T12:00:00+02:00");
    EXPECT_EQ(lines[1], "startDay: 1, endDay: 31, wrapsAcrossMonth: false, endIsLastDayOfMonth: true, "
                        "shouldAnchorClosing: true");

    // A given cycle is used unchanged; the reference need not be today.
    const DateInterval known{at(2025, 8, 30), at(2025, 9, 29, 23, 59, 59)};
    EXPECT_EQ(currentBillingCycle(known, at(2025, 10, 23)),
              (DateInterval{at(2025, 9, 30), at(2025, 10, 29, 23, 59, 59)}));
    // A non-anchored known cycle keeps its own end day.
    EXPECT_EQ(currentBillingCycle(DateInterval{at(2025, 5, 5), at(2025, 5, 20, 23, 59, 59)}, june10Noon),
              (DateInterval{at(2025, 6, 5), at(2025, 6, 20, 23, 59, 59)}));
}
