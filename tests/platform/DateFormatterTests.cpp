#include "platform/DateFormatter.h"
#include "platform/Environment.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace zt;
using Style = DateFormatter::Style;

namespace {

// 2025-05-12 13:00:00 UTC, a Monday.
const Date may12 = Date::fromUnixSeconds(1747054800);

DateFormatter fixed(std::string pattern, std::string locale, std::string zone) {
    return DateFormatter::withFormat(std::move(pattern))
        .setLocale(std::move(locale))
        .setTimeZone(std::move(zone));
}

} // namespace

TEST(DateFormatter, StylesFollowTheLocale) {
    struct Case {
        const char* locale;
        const char* mediumDate;
        const char* shortTime;
        const char* longDate;
    };
    for (const Case& c : {Case{"en_US", "May 12, 2025", "3:00\u202fPM", "May 12, 2025"},
                          Case{"en_GB", "12 May 2025", "15:00", "12 May 2025"},
                          Case{"de_DE", "12.05.2025", "15:00", "12. Mai 2025"}}) {
        const auto in = [&](Style date, Style time) {
            return DateFormatter::withStyles(date, time)
                .setLocale(c.locale)
                .setTimeZone("Europe/Berlin")
                .string(may12);
        };
        EXPECT_EQ(in(Style::medium, Style::none), c.mediumDate) << c.locale;
        EXPECT_EQ(in(Style::none, Style::short_), c.shortTime) << c.locale;
        EXPECT_EQ(in(Style::long_, Style::none), c.longDate) << c.locale;
    }
    EXPECT_EQ(DateFormatter::withStyles(Style::full).setLocale("de_DE").setTimeZone("UTC").string(may12),
              "Montag, 12. Mai 2025");
}

TEST(DateFormatter, TemplatesAreOrderedAndPunctuatedByTheLocale) {
    const DateFormatter numeric = DateFormatter::withTemplate("d MM yyyy");
    EXPECT_EQ(DateFormatter(numeric).setLocale("de_DE").setTimeZone("UTC").string(may12), "12.05.2025");
    EXPECT_EQ(DateFormatter(numeric).setLocale("en_GB").setTimeZone("UTC").string(may12), "12/05/2025");
    EXPECT_EQ(DateFormatter(numeric).setLocale("en_US").setTimeZone("UTC").string(may12), "05/12/2025");

    // A fixed pattern keeps its order in every locale and only translates names.
    EXPECT_EQ(fixed("dd MMMM", "en_GB", "UTC").string(may12), "12 May");
    EXPECT_EQ(fixed("dd MMMM", "de_DE", "UTC").string(may12), "12 Mai");
    EXPECT_EQ(fixed("yyyy-MM-dd", "de_DE", "UTC").dateFormat(), "yyyy-MM-dd");
    EXPECT_EQ(DateFormatter(numeric).setLocale("en_US").dateFormat(), "MM/d/yyyy");
}

TEST(DateFormatter, FollowsTheEnvironmentUnlessSet) {
    const DateFormatter formatter = DateFormatter::withFormat("d MMMM HH:mm");
    {
        Environment::Override env({.locale = "en_US", .timeZone = "UTC"});
        EXPECT_EQ(formatter.string(may12), "12 May 13:00");
        EXPECT_EQ(formatter.localeIdentifier(), "en_US");
    }
    {
        Environment::Override env({.locale = "de_DE", .timeZone = "Asia/Tokyo"});
        EXPECT_EQ(formatter.string(may12), "12 Mai 22:00");
        DateFormatter pinned = formatter;
        pinned.setLocale("en_GB").setTimeZone("America/New_York");
        EXPECT_EQ(pinned.string(may12), "12 May 09:00");
        EXPECT_EQ(formatter.string(may12), "12 Mai 22:00"); // the copy changed alone
        pinned.setLocale("");
        EXPECT_EQ(pinned.string(may12), "12 Mai 09:00");
    }
}

TEST(DateFormatter, TimeZonesDecideTheDayAndDaylightSaving) {
    const Date lateEvening = Date::fromUnixSeconds(1747092600); // 2025-05-12 23:30 UTC
    EXPECT_EQ(fixed("yyyy-MM-dd", "en_US", "Europe/Berlin").string(lateEvening), "2025-05-13");
    EXPECT_EQ(fixed("yyyy-MM-dd", "en_US", "America/Los_Angeles").string(lateEvening), "2025-05-12");

    const DateFormatter berlin = fixed("yyyy-MM-dd HH:mm", "en_US", "Europe/Berlin");
    const Date springChange = Date::fromUnixSeconds(1743296400); // 2025-03-30 01:00 UTC
    EXPECT_EQ(berlin.string(springChange - 60), "2025-03-30 01:59");
    EXPECT_EQ(berlin.string(springChange), "2025-03-30 03:00");
    // 02:30 does not exist that night: it moves forward by the hour.
    EXPECT_EQ(berlin.date("2025-03-30 02:30"), Date::fromUnixSeconds(1743298200));
    // 02:30 happens twice in October: the first (summer time) is taken.
    EXPECT_EQ(berlin.date("2025-10-26 02:30"), Date::fromUnixSeconds(1761438600));

    // São Paulo skipped the midnight of 2018-11-04: the day still parses, to its 01:00.
    EXPECT_EQ(fixed("yyyy-MM-dd", "en_US", "America/Sao_Paulo").date("2018-11-04"),
              Date::fromUnixSeconds(1541300400));
}

TEST(DateFormatter, ParsesWholeValidTextsOnly) {
    const DateFormatter iso = fixed("yyyy-MM-dd", "en_US", "UTC");
    EXPECT_EQ(iso.date("2024-02-29"), Date::fromUnixSeconds(1709164800));
    for (const char* bad : {"", "2025-02-29", "2025-02-30", "2025-13-01", "2025-05-12x", "2025-05-12 ",
                            "12.05.2025", "May 12, 2025"})
        EXPECT_FALSE(iso.date(bad)) << bad;

    for (const char* locale : {"en_US", "en_GB", "de_DE"}) {
        DateFormatter numeric =
            DateFormatter::withTemplate("d MM yyyy").setLocale(locale).setTimeZone("Europe/Berlin");
        const Date midnight = Date::fromUnixSeconds(1747000800); // 2025-05-12 00:00 in Berlin
        EXPECT_EQ(numeric.date(*numeric.string(midnight)), midnight) << locale;
    }
    EXPECT_EQ(fixed("d MMMM yyyy", "de_DE", "UTC").date("12 Mai 2025"), Date::fromUnixSeconds(1747008000));
    EXPECT_FALSE(fixed("d MMMM yyyy", "en_US", "UTC").date("12 Mai 2025"));
}

TEST(DateFormatter, TwoDigitYearsFollowTheEnvironmentClock) {
    Environment::Override env({.now = may12});
    const DateFormatter shortYear = fixed("dd.MM.yy", "de_DE", "UTC");
    const DateFormatter fullYear = fixed("yyyy", "en_US", "UTC");
    const auto year = [&](const char* text) {
        return fullYear.string(shortYear.date(text).value_or(Date{}));
    };
    EXPECT_EQ(year("31.12.44"), "2044");
    EXPECT_EQ(year("01.01.45"), "2045"); // before May 1945, the start of the window
    EXPECT_EQ(year("01.06.45"), "1945");
    EXPECT_EQ(year("01.01.99"), "1999");
}

TEST(DateFormatter, EmptyAndUnusableConfigurations) {
    Environment::Override env({.locale = "en_US", .timeZone = "UTC"});
    const DateFormatter empty;
    EXPECT_EQ(empty.string(may12), "");
    EXPECT_EQ(empty.dateFormat(), "");
    EXPECT_FALSE(empty.date("2025-05-12"));
    EXPECT_EQ(empty.dateStyle(), Style::none);

    EXPECT_FALSE(fixed("yyyy", "en_US", "Mars/Olympus").string(may12));
    EXPECT_FALSE(fixed("yyyy", "en_US", "Mars/Olympus").date("2025"));
    EXPECT_FALSE(fixed("yyyy", "en-", "UTC").string(may12));
    EXPECT_FALSE(fixed("yyyy", "en_US", "UTC").string(Date{std::nan("")}));
    EXPECT_EQ(fixed("yyyy HH:mm", "en_US", "GMT+02:00").string(may12), "2025 15:00");

    // The last of style, pattern and template set decides.
    DateFormatter formatter = DateFormatter::withFormat("yyyy");
    formatter.setDateStyle(Style::short_);
    EXPECT_EQ(formatter.string(may12), "5/12/25");
    formatter.setLocalizedDateFormatFromTemplate("MMMM");
    EXPECT_EQ(formatter.string(may12), "May");
}
