#include "platform/DateIntervalFormatter.h"
#include "platform/Environment.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace zt;

namespace {

const Date may12 = Date::fromUnixSeconds(1747008000); // 2025-05-12 00:00 UTC
const Date may15 = Date::fromUnixSeconds(1747267200); // 2025-05-15 00:00 UTC
const Date jun11 = Date::fromUnixSeconds(1749600000); // 2025-06-11 00:00 UTC
const Date dec24 = Date::fromUnixSeconds(1734998400); // 2024-12-24 00:00 UTC

// ICU puts thin spaces around the dash between two full dates; "~" stands for one here.
std::string thin(std::string text) {
    for (size_t at = text.find('~'); at != std::string::npos; at = text.find('~', at))
        text.replace(at, 1, "\u2009");
    return text;
}

std::optional<std::string> mediumIn(const char* locale, DateInterval interval, const char* zone = "UTC") {
    return DateIntervalFormatter().setLocale(locale).setTimeZone(zone).string(interval);
}

} // namespace

TEST(DateIntervalFormatter, MediumDatesShareTheCommonFields) {
    EXPECT_EQ(mediumIn("en_US", {may12, may15}), thin("May 12~–~15, 2025"));
    EXPECT_EQ(mediumIn("en_US", {may12, jun11}), thin("May 12~–~Jun 11, 2025"));
    EXPECT_EQ(mediumIn("en_US", {dec24, jun11}), thin("Dec 24, 2024~–~Jun 11, 2025"));
    EXPECT_EQ(mediumIn("en_GB", {may12, may15}), "12–15 May 2025");
    EXPECT_EQ(mediumIn("en_GB", {dec24, jun11}), thin("24 Dec 2024~–~11 Jun 2025"));
    EXPECT_EQ(mediumIn("de_DE", {may12, may15}), "12.–15.05.2025");
    EXPECT_EQ(mediumIn("de_DE", {may12, jun11}), "12.05. – 11.06.2025");
    // Both ends on one day read as that day alone; a period's last instant stays on its day.
    EXPECT_EQ(mediumIn("en_GB", {may12, may12 + 86399}), "12 May 2025");
}

TEST(DateIntervalFormatter, TemplateDayMonthYear) {
    const DateIntervalFormatter numeric = DateIntervalFormatter::withTemplate("d MM yyyy");
    const auto in = [&](const char* locale, DateInterval interval) {
        return DateIntervalFormatter(numeric).setLocale(locale).setTimeZone("UTC").string(interval);
    };
    EXPECT_EQ(in("de_DE", {may12, may15}), "12.–15.05.2025");
    EXPECT_EQ(in("de_DE", {dec24, jun11}), thin("24.12.2024~–~11.06.2025"));
    EXPECT_EQ(in("en_GB", {may12, may15}), thin("12/05/2025~–~15/05/2025"));
    EXPECT_EQ(in("en_US", {may12, may15}), thin("5/12/2025~–~5/15/2025"));
}

TEST(DateIntervalFormatter, TimeZoneAndEnvironment) {
    // 2025-05-12 22:30 UTC to 2025-05-15 22:30 UTC: already the next days in Berlin.
    const DateInterval evenings{Date::fromUnixSeconds(1747089000), Date::fromUnixSeconds(1747348200)};
    EXPECT_EQ(mediumIn("en_US", evenings, "UTC"), thin("May 12~–~15, 2025"));
    EXPECT_EQ(mediumIn("en_US", evenings, "Europe/Berlin"), thin("May 13~–~16, 2025"));

    const DateIntervalFormatter following;
    {
        Environment::Override env({.locale = "de_DE", .timeZone = "Europe/Berlin"});
        EXPECT_EQ(following.string(evenings), "13.–16.05.2025");
        EXPECT_EQ(following.timeZoneIdentifier(), "Europe/Berlin");
    }
    {
        Environment::Override env({.locale = "en_GB", .timeZone = "UTC"});
        EXPECT_EQ(following.string(evenings), "12–15 May 2025");
    }
}

TEST(DateIntervalFormatter, FailuresAndEmptyStyles) {
    EXPECT_FALSE(mediumIn("en_US", {may12, may15}, "Nowhere/Special"));
    EXPECT_FALSE(mediumIn("en-", {may12, may15}));
    EXPECT_FALSE(
        DateIntervalFormatter().setLocale("en_US").setTimeZone("UTC").string(Date{std::nan("")}, may15));
    EXPECT_EQ(DateIntervalFormatter::withStyles(DateIntervalFormatter::Style::none)
                  .setLocale("en_US")
                  .setTimeZone("UTC")
                  .string(DateInterval{may12, may15}),
              "");

    DateIntervalFormatter withTime = DateIntervalFormatter::withStyles(DateIntervalFormatter::Style::medium,
                                                                       DateIntervalFormatter::Style::short_);
    withTime.setLocale("en_GB").setTimeZone("UTC");
    EXPECT_EQ(withTime.string(may12 + 9 * 3600, may12 + 17 * 3600), "12 May 2025, 09:00–17:00");
    // A template set after styles wins; styles set after a template drop it.
    withTime.setDateTemplate("d MM yyyy");
    EXPECT_EQ(withTime.string(may12, may15), thin("12/05/2025~–~15/05/2025"));
    withTime.setDateStyle(DateIntervalFormatter::Style::long_)
        .setTimeStyle(DateIntervalFormatter::Style::none);
    EXPECT_EQ(withTime.string(may12, may15), "12–15 May 2025");
}
