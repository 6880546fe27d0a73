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
using TextRun = AttributedText::Run;

namespace {

namespace chr = std::chrono;

const Date june10Noon = Date::fromUnixSeconds(1749549600); // 2025-06-10 12:00 in Berlin
const Date notFinite{std::numeric_limits<double>::quiet_NaN()};

/// Wall-clock text of an instant, or of a civil day at a given time.
std::string utilitiesWall(Date date, const Calendar& calendar) {
    const DateComponents c = calendar.components(date);
    return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}", *c.year, *c.month, *c.day, *c.hour, *c.minute,
                       *c.second);
}
std::string utilitiesWall(chr::year_month_day day, const char* time) {
    return fmt::format("{:04}-{:02}-{:02} {}", int(day.year()), unsigned(day.month()), unsigned(day.day()),
                       time);
}
chr::year_month_day civil(Date date, const Calendar& calendar) {
    const DateComponents c = calendar.components(date);
    return chr::year{*c.year} / chr::month(unsigned(*c.month)) / chr::day(unsigned(*c.day));
}
Date utilitiesNoonOf(chr::year_month_day d, const Calendar& calendar) {
    return calendar.date(int(d.year()), int(unsigned(d.month())), int(unsigned(d.day())), 12).value();
}

class DateUtilities : public ::testing::Test {
protected:
    Environment::Override env{{.locale = "en_US", .timeZone = "Europe/Berlin", .now = june10Noon}};
    Calendar berlin{"Europe/Berlin"};
    Calendar santiago{"America/Santiago"}; // skips midnight when summer time starts

    Date at(int y, int m, int d, int h = 0, int mi = 0, int s = 0) const {
        return berlin.date(y, m, d, h, mi, s).value();
    }
    Date chile(int y, int m, int d, int h = 0) const { return santiago.date(y, m, d, h).value(); }
};

} // namespace

TEST_F(DateUtilities, MonthBoundsAndPreviousMonthStart) {
    for (Date d = at(2024, 2, 1); d < at(2024, 3, 1); d = d + 3600)
        ASSERT_EQ(endOfMonth(d), at(2024, 2, 29, 23, 59, 59)) << utilitiesWall(d, berlin);
    for (Date d = at(2025, 4, 1); d < at(2025, 5, 1); d = d + 3600) {
        ASSERT_EQ(endOfMonth(d), at(2025, 4, 30, 23, 59, 59)) << utilitiesWall(d, berlin);
        ASSERT_EQ(startOfMonth(d), at(2025, 4, 1)) << utilitiesWall(d, berlin);
    }
    EXPECT_EQ(endOfMonth(at(2025, 3, 30, 12)), at(2025, 3, 31, 23, 59, 59)); // a 23-hour day inside
    // The zone decides: 23:30 UTC on 30 April is May in Berlin.
    EXPECT_EQ(startOfMonth(Date::fromUnixSeconds(1746055800)), at(2025, 5, 1));
    EXPECT_TRUE(std::isnan(endOfMonth(notFinite).secondsSinceReferenceDate));

    EXPECT_EQ(previousMonthStart(), at(2025, 5, 1));
    const auto from = [](Date now) { return previousMonthStart(now, Calendar("Europe/Berlin")); };
    EXPECT_EQ(from(at(2025, 3, 31, 8)), at(2025, 2, 1)); // 31 March minus a month clamps to 28 February
    EXPECT_EQ(from(at(2025, 1, 15)), at(2024, 12, 1));
    EXPECT_EQ(from(at(2025, 6, 1, 0, 0, 1)), at(2025, 5, 1));
    EXPECT_EQ(from(at(2025, 6, 1)), at(2025, 4, 1)); // exactly a 1st's midnight: the search is strict
    Environment::Override chileNow(
        {.timeZone = "America/Santiago", .now = Date::fromUnixSeconds(1730426400)});
    EXPECT_EQ(utilitiesWall(previousMonthStart(), santiago), "2024-09-01 00:00:00"); // still 31 October there
}

TEST_F(DateUtilities, AllDaysOfAYear) {
    const auto leap = allDays(2024);
    ASSERT_EQ(leap.size(), 366u);
    EXPECT_EQ(leap.front(), at(2024, 1, 1));
    EXPECT_EQ(leap[59], at(2024, 2, 29));
    EXPECT_EQ(leap.back(), at(2024, 12, 31));
    const auto common = allDays(2025);
    ASSERT_EQ(common.size(), 365u);
    EXPECT_EQ(common[89] - common[88], 23 * 3600.0); // 30 March has 23 hours
    EXPECT_TRUE(allDays(-5).empty());

    // Every year from 1900 to 2100: consecutive days, each at its first instant. Santiago's
    // 8 September 2024 starts at 01:00; the days after it are back at midnight.
    for (const char* zone : {"Europe/Berlin", "America/Santiago"}) {
        Environment::Override inZone({.timeZone = zone});
        const Calendar calendar(zone);
        for (int year = 1900; year <= 2100; ++year) {
            const auto days = allDays(year);
            ASSERT_EQ(days.size(), chr::year(year).is_leap() ? 366u : 365u) << zone << year;
            auto expected = chr::sys_days(chr::year(year) / 1 / 1);
            for (std::size_t i = 0; i < days.size(); ++i, expected += chr::days(1)) {
                ASSERT_EQ(civil(days[i], calendar), chr::year_month_day(expected))
                    << zone << year << " " << i;
                ASSERT_EQ(calendar.startOfDay(days[i]), days[i]) << zone << utilitiesWall(days[i], calendar);
            }
        }
    }
    Environment::Override inChile({.timeZone = "America/Santiago"});
    EXPECT_EQ(utilitiesWall(allDays(2024)[251], santiago), "2024-09-08 01:00:00");
    EXPECT_EQ(utilitiesWall(allDays(2024)[252], santiago), "2024-09-09 00:00:00");
}

TEST_F(DateUtilities, ClosingDate) {
    EXPECT_EQ(closingDate(at(2025, 1, 31)), at(2025, 2, 27, 23, 59, 59));
    EXPECT_EQ(closingDate(at(2025, 1, 30)), at(2025, 2, 27, 23, 59, 59));
    EXPECT_EQ(closingDate(at(2025, 2, 1)), at(2025, 2, 28, 23, 59, 59));
    EXPECT_EQ(closingDate(at(2024, 2, 1)), at(2024, 2, 29, 23, 59, 59));
    EXPECT_EQ(closingDate(at(2025, 3, 15, 18, 30)), at(2025, 4, 14, 23, 59, 59));
    EXPECT_EQ(closingDate(at(2025, 12, 31)), at(2026, 1, 30, 23, 59, 59));
    EXPECT_EQ(utilitiesWall(closingDate(chile(2024, 9, 8), santiago), santiago),
              "2024-10-07 23:59:59"); // opens at 01:00
    EXPECT_EQ(utilitiesWall(closingDate(chile(2024, 8, 8), santiago), santiago), "2024-09-07 23:59:59");
    // 5 April 2025 repeats its last hour in Santiago: the first 23:59:59 is taken.
    EXPECT_EQ(closingDate(chile(2025, 3, 6), santiago), santiago.endOfDay(chile(2025, 4, 5)) - 3600);
}

namespace {

/// Each day opens a cycle that closes the day before the same day-of-month one month on (clamped),
/// at 23:59:59; the due day, cycling through 1-31, is the first later day with that number, or the
/// 1st after a month that lacks it.
void checkClosingAndDueDates(const char* zone) {
    Environment::Override env({.timeZone = zone});
    const Calendar calendar(zone);
    int dueDay = 1;
    for (auto day = chr::sys_days(chr::year(1900) / 1 / 1); day <= chr::sys_days(chr::year(2100) / 12 / 31);
         day += chr::days(1), dueDay = dueDay % 31 + 1) {
        const chr::year_month_day ymd(day);
        const Date noon = utilitiesNoonOf(ymd, calendar);
        const Date closing = closingDate(noon);
        const chr::year_month next = chr::year_month(ymd.year(), ymd.month()) + chr::months(1);
        const chr::year_month_day c(chr::sys_days(next / std::min(ymd.day(), (next / chr::last).day())) -
                                    chr::days(1));
        if (utilitiesWall(closing, calendar) != utilitiesWall(c, "23:59:59")) {
            // 23:59:59 may not exist (Berlin, 30 April 1916): then the next day's start is taken.
            const Date lastSecond = calendar.endOfDay(utilitiesNoonOf(c, calendar));
            ASSERT_FALSE(utilitiesWall(lastSecond, calendar).ends_with("23:59:59"))
                << zone << utilitiesWall(closing, calendar);
            ASSERT_EQ(closing, lastSecond + 1) << zone << utilitiesWall(closing, calendar);
        }

        const auto due = paymentDueDate(DateInterval{noon, closing}, dueDay);
        const chr::year_month_day closed = civil(closing, calendar);
        chr::year_month month(closed.year(), closed.month());
        if (unsigned(closed.day()) >= unsigned(dueDay))
            month += chr::months(1);
        const chr::year_month_day wanted = chr::day(dueDay) <= (month / chr::last).day()
                                               ? month / chr::day(dueDay)
                                               : (month + chr::months(1)) / 1;
        ASSERT_TRUE(due.has_value());
        ASSERT_EQ(civil(*due, calendar), wanted)
            << zone << utilitiesWall(closing, calendar) << " due " << dueDay;
        ASSERT_EQ(calendar.startOfDay(*due), *due);
    }
}

} // namespace

TEST(DateUtilitiesInvariants, ClosingAndDueDatesFrom1900To2100InBerlin) {
    checkClosingAndDueDates("Europe/Berlin");
}

TEST(DateUtilitiesInvariants, ClosingAndDueDatesFrom1900To2100InSantiago) {
    checkClosingAndDueDates("America/Santiago");
}

TEST_F(DateUtilities, PaymentDueDate) {
    const auto after = [&](int m, int d, int dueDay) {
        const Date end = at(2025, m, d, 23, 59, 59);
        return paymentDueDate(DateInterval{end - 20 * 86400.0, end}, dueDay);
    };
    EXPECT_EQ(after(4, 14, 25), at(2025, 4, 25));
    EXPECT_EQ(after(4, 27, 25), at(2025, 5, 25));
    EXPECT_EQ(after(4, 14, 14), at(2025, 5, 14)); // never the closing day itself
    EXPECT_EQ(after(4, 14, 31), at(2025, 5, 1));  // April has no 31st
    EXPECT_EQ(after(12, 31, 31), at(2026, 1, 31));
    EXPECT_EQ(after(3, 29, 30), at(2025, 3, 30)); // the 23-hour day, from midnight
    EXPECT_EQ(after(4, 14, 0), std::nullopt);
    EXPECT_EQ(after(4, 14, 32), std::nullopt);
    const DateInterval august{chile(2024, 8, 1), chile(2024, 8, 31, 23) + 3599};
    EXPECT_EQ(utilitiesWall(paymentDueDate(august, 8, santiago).value(), santiago), "2024-09-08 01:00:00");
}

TEST_F(DateUtilities, FormattedDates) {
    const Date may12 = at(2025, 5, 12, 23, 30);
    EXPECT_EQ(formattedDayMonthYear(may12, "en_US"), "May 12, 2025");
    EXPECT_EQ(formattedDayMonthYear(may12, "de_DE"), "12.05.2025");
    const DateInterval period{at(2025, 5, 12),
                              at(2025, 6, 11, 23, 59, 59)}; // the last instant stays on its day
    EXPECT_EQ(formattedString(period), "May 12\u2009\u2013\u2009Jun 11, 2025");
    EXPECT_EQ(formattedDayMonthYear(period, "de_DE"), "12.05. \u2013 11.06.2025");
    EXPECT_EQ(formattedDayMonthYear(DateInterval{at(2025, 5, 12), at(2025, 5, 15, 23)}, "en_GB"),
              "12/05/2025\u2009\u2013\u200915/05/2025");
    Environment::Override germanUtc({.locale = "de_DE", .timeZone = "UTC"});
    EXPECT_EQ(formattedString(period), "11.05. \u2013 11.06.2025");
}

TEST_F(DateUtilities, PaymentDueMessage) {
    const DateFormatter dayMonth = DateFormatter::withFormat("d MMMM");
    const auto message = [&](Date due, Date reference, const DateFormatter& f) {
        return paymentDueMessageAttributedString(due, f, reference);
    };
    EXPECT_THAT(message(at(2025, 5, 12), at(2025, 5, 9), dayMonth).runs(),
                ElementsAre(TextRun{"Payment due in ", false}, TextRun{"3 days", true},
                            TextRun{", by ", false}, TextRun{"12 May", true}));
    // Whole calendar days; the host's word does not change with the count.
    EXPECT_EQ(message(at(2025, 5, 12), at(2025, 5, 9, 15), dayMonth).string(),
              "Payment due in 2 days, by 12 May");
    EXPECT_EQ(message(at(2025, 5, 12), at(2025, 5, 11), dayMonth).string(),
              "Payment due in 1 days, by 12 May");
    EXPECT_EQ(message(at(2025, 3, 31), at(2025, 3, 28), dayMonth).string(),
              "Payment due in 3 days, by 31 March");
    EXPECT_EQ(message(at(2025, 5, 12), at(2025, 5, 14), dayMonth).string(),
              "Payment due in -2 days, by 12 May");
    EXPECT_EQ(message(at(2025, 5, 12), notFinite, dayMonth).string(), "Payment due in 0 days, by 12 May");
    // Only first occurrences are bold: a date written "3" marks the count's "3"; an empty one nothing.
    const AttributedText clash = message(at(2025, 6, 3), at(2025, 5, 31), DateFormatter::withFormat("d"));
    EXPECT_EQ(clash.string(), "Payment due in 3 days, by 3");
    EXPECT_THAT(clash.boldRanges(), ElementsAre(TextRange{15, 6}));
    EXPECT_THAT(message(at(2025, 5, 12), at(2025, 5, 9), DateFormatter()).boldRanges(),
                ElementsAre(TextRange{15, 6}));

    Environment::Override german({.locale = "de_DE"});
    const AttributedText de = message(at(2025, 5, 12), at(2025, 5, 9), DateFormatter::withFormat("d. MMMM"));
    // Reads with the host's plural word in the nominative, the case it is given in.
    EXPECT_EQ(de.string(), "Noch 3 Tage bis zur Fälligkeit am 12. Mai");
    EXPECT_THAT(de.boldRanges(), ElementsAre(TextRange{5, 6}, TextRange{35, 7})); // "ä" is two bytes
}

TEST_F(DateUtilities, CurrentBillingCycle) {
    LogCapture capture;
    // Today 10 June: the known cycle is 1 May - 31 May, ending on its month's last day.
    EXPECT_EQ(currentBillingCycle(std::nullopt, june10Noon),
              (DateInterval{at(2025, 6, 1), at(2025, 6, 30, 23, 59, 59)}));
    EXPECT_EQ(capture.messages("CurrentBillingCycleFinder").at(1),
              "startDay: 1, endDay: 31, wrapsAcrossMonth: false, endIsLastDayOfMonth: true, "
              "shouldAnchorClosing: true");
    const DateInterval known{at(2025, 5, 5), at(2025, 5, 20, 23, 59, 59)};
    EXPECT_EQ(currentBillingCycle(known, at(2025, 8, 1)),
              (DateInterval{at(2025, 7, 5), at(2025, 7, 20, 23, 59, 59)}));
}
