#include "ZTSwiftUIComponents/host/DateHelpers.h"
#include "ZTSwiftUIComponents/host/ZTDateIntervalFormatter.h"
#include "platform/Environment.h"

#include <gtest/gtest.h>
#include <limits>

using namespace zt;

TEST(EndOfDay, LastSecondOfTheDayAcrossClockChanges) {
    Environment::Override env({.timeZone = "Europe/Berlin"});
    const Calendar calendar("Europe/Berlin");
    EXPECT_EQ(endOfDay(*calendar.date(2025, 5, 10, 0, 0)), calendar.date(2025, 5, 10, 23, 59, 59));
    EXPECT_EQ(endOfDay(*calendar.date(2025, 5, 10, 23, 59, 59)), calendar.date(2025, 5, 10, 23, 59, 59));
    // The 23-hour and 25-hour days end at 23:59:59 wall time too.
    EXPECT_EQ(endOfDay(*calendar.date(2025, 3, 30, 12, 0)), calendar.date(2025, 3, 30, 23, 59, 59));
    EXPECT_EQ(endOfDay(*calendar.date(2025, 10, 26, 1, 0)), calendar.date(2025, 10, 26, 23, 59, 59));
    // The explicit calendar wins over the environment's.
    const Calendar tokyo("Asia/Tokyo");
    const Date noonUTC = Date::fromUnixSeconds(1746878400.0); // 2025-05-10 12:00 UTC = 21:00 in Tokyo
    EXPECT_EQ(tokyo.endOfDay(noonUTC), tokyo.date(2025, 5, 10, 23, 59, 59));
    EXPECT_EQ(endOfDay(noonUTC), calendar.date(2025, 5, 10, 23, 59, 59));
}

TEST(FormattedDateOnly, MediumDateOfTheEnvironment) {
    const Date lateEvening = Date::fromUnixSeconds(1746916200.0); // 2025-05-10 22:30 UTC
    {
        Environment::Override env({.locale = "en_US", .timeZone = "UTC"});
        EXPECT_EQ(formattedDateOnly(lateEvening), "May 10, 2025");
    }
    {
        Environment::Override env({.locale = "de_DE", .timeZone = "Europe/Berlin"});
        EXPECT_EQ(formattedDateOnly(lateEvening), "11.05.2025"); // already the next day in Berlin
    }
    Environment::Override env({.locale = "en_US", .timeZone = "UTC"});
    EXPECT_EQ(formattedDateOnly(Date{std::numeric_limits<double>::quiet_NaN()}), "");
}

TEST(ZTDateIntervalFormatter, MonthsYearsDaysAndRanges) {
    Environment::Override env({.locale = "en_US", .timeZone = "Europe/Berlin"});
    const Calendar calendar("Europe/Berlin");
    const ZTDateIntervalFormatter formatter;
    const auto interval = [&](int y1, int m1, int d1, int y2, int m2, int d2) {
        return DateInterval{*calendar.date(y1, m1, d1), calendar.endOfDay(*calendar.date(y2, m2, d2))};
    };
    EXPECT_EQ(formatter.string(interval(2025, 3, 1, 2025, 3, 31)), "March 2025"); // a 23-hour day inside
    EXPECT_EQ(formatter.string(interval(2024, 2, 1, 2024, 2, 29)), "February 2024");
    EXPECT_EQ(formatter.string(interval(2025, 1, 1, 2025, 12, 31)), "2025");
    EXPECT_EQ(formatter.string(interval(2025, 5, 10, 2025, 5, 10)), "May 10, 2025");
    EXPECT_EQ(formatter.string(interval(2025, 5, 1, 2025, 5, 24)), "May 1\u2009\u2013\u200924, 2025");
    // A pay period across months is a range, not a month.
    EXPECT_EQ(formatter.string(interval(2025, 4, 25, 2025, 5, 24)), "Apr 25\u2009\u2013\u2009May 24, 2025");
    // Ending at the next month's first instant still counts as the whole month.
    EXPECT_EQ(formatter.string({*calendar.date(2025, 3, 1), *calendar.date(2025, 3, 31, 23, 59, 59) + 0.5}),
              "March 2025");
    // Starting late on the 1st is not the whole month.
    EXPECT_NE(formatter.string(DateInterval{*calendar.date(2025, 3, 1, 6, 0),
                                            calendar.endOfDay(*calendar.date(2025, 3, 31))}),
              "March 2025");
    EXPECT_EQ(formatter.string({Date{std::numeric_limits<double>::infinity()}, Date{0}}), "--");

    Environment::Override german({.locale = "de_DE"});
    EXPECT_EQ(formatter.string(interval(2025, 3, 1, 2025, 3, 31)), "März 2025");
}
