#include "platform/DateFormatter.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

using namespace zt;

namespace {

constexpr const char* paymentDue = "Payment due in %@, by %@";
constexpr const char* paymentDueComment =
    "A text showing the payment due date and number of days until then. First "
    "parameter: number of days, second parameter: date";

// The message the credit-card screens build: "%d %@" with the host's word for days, then the
// library's sentence around it and the date.
std::string paymentDueMessage(int days, Date due) {
    const std::string daysText = format(L("%d %@"), days, LHost("days"));
    const std::string dateText =
        DateFormatter::withStyles(DateFormatter::Style::medium).string(due).value_or("");
    return format(L(paymentDue, paymentDueComment), daysText, dateText);
}

} // namespace

TEST(StringTable, EnglishIsTheSourceText) {
    Environment::Override env({.locale = "en_US", .timeZone = "UTC"});
    EXPECT_EQ(L(paymentDue, paymentDueComment), paymentDue);
    EXPECT_EQ(LHost("days"), "days");
    EXPECT_EQ(L("Income", "A column title", TextContext{"column"}), "Income");
    EXPECT_EQ(paymentDueMessage(3, Date::fromUnixSeconds(1747008000)),
              "Payment due in 3 days, by May 12, 2025");
    EXPECT_EQ(paymentDueMessage(1, Date::fromUnixSeconds(1747008000)),
              "Payment due in 1 days, by May 12, 2025");
}

TEST(StringTable, GermanTablesOfBothDomains) {
    Environment::Override env({.locale = "de_DE", .timeZone = "Europe/Berlin"});
    EXPECT_EQ(L(paymentDue, paymentDueComment), "Noch %@ bis zur Fälligkeit am %@");
    EXPECT_EQ(paymentDueMessage(3, Date::fromUnixSeconds(1747008000)),
              "Noch 3 Tage bis zur Fälligkeit am 12.05.2025");
    EXPECT_EQ(LHost("Allow notifications"), "Mitteilungen erlauben");
    EXPECT_EQ(LHost("None"), "Keine");
    // A context keeps two uses of one English word apart; an unknown context finds nothing.
    EXPECT_EQ(L("Income", "Transaction type"), "Einnahme");
    EXPECT_EQ(L("Income", "A column title", TextContext{"column"}), "Einnahmen");
    EXPECT_EQ(L("Income", "", TextContext{"no such context"}), "Income");
    // Each domain answers only for its own texts.
    EXPECT_EQ(L("days"), "days");
    EXPECT_EQ(LHost(paymentDue), paymentDue);
    EXPECT_EQ(L("A text nobody translated"), "A text nobody translated");
    // The empty id holds the catalogue's header in gettext; it must not leak out.
    EXPECT_EQ(L(""), "");
}

TEST(StringTable, LocaleSpellingsAndLanguagesWithoutATable) {
    for (const char* german : {"de_DE", "de-DE", "de", "de_AT", "de_CH@currency=CHF"})
        EXPECT_EQ(localizedString(hostStringDomain, "days", german), "Tage") << german;
    for (const char* other : {"fr_FR", "ja", "en_GB", "", "en-", "C"})
        EXPECT_EQ(localizedString(hostStringDomain, "days", other), "days") << other;
    EXPECT_EQ(localizedString("NoSuchDomain", "days", "de_DE"), "days");

    // The environment is read at each call, not when the table was first loaded.
    {
        Environment::Override env({.locale = "fr_FR"});
        EXPECT_EQ(LHost("days"), "days");
    }
    Environment::Override env({.locale = "de-DE"});
    EXPECT_EQ(LHost("days"), "Tage");
}

TEST(StringTable, DirectoryCanBeSetByTheHost) {
    const std::string original = stringTableDirectory();
    ASSERT_FALSE(original.empty());
    setStringTableDirectory("no/such/directory");
    EXPECT_EQ(stringTableDirectory(), "no/such/directory");
    EXPECT_EQ(localizedString(hostStringDomain, "days", "de_DE"), "days");
    setStringTableDirectory("");
    EXPECT_EQ(stringTableDirectory(), original);
    EXPECT_EQ(localizedString(hostStringDomain, "days", "de_DE"), "Tage");
}

TEST(StringTableFormat, FillsSpecifiersInOrderAndByPosition) {
    EXPECT_EQ(format("%d %@", 3, "days"), "3 days");
    EXPECT_EQ(format("%ld of %lld, %i, %u", 1L, 2LL, -3, 4U), "1 of 2, -3, 4");
    EXPECT_EQ(format("%lld", std::numeric_limits<int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(format("%llu", std::numeric_limits<uint64_t>::max()), "18446744073709551615");
    EXPECT_EQ(format("100%% of %@", std::string("budget")), "100% of budget");
    // Translations reorder with positions; an argument may be used twice.
    EXPECT_EQ(format("%2$@, %1$@", "3 days", "12 May"), "12 May, 3 days");
    EXPECT_EQ(format("%2$lld/%1$lld/%2$lld", 1, 2), "2/1/2");
    EXPECT_EQ(format("%@ %@", std::string_view("a"), "b"), "a b");
    EXPECT_EQ(format("no specifiers"), "no specifiers");
}

TEST(StringTableFormat, NumbersWidthsAndPrecision) {
    EXPECT_EQ(format("%.2f", 3.14159), "3.14");
    EXPECT_EQ(format("%.2f", 2.675), "2.67"); // the binary value lies just below 2.675
    EXPECT_EQ(format("%.0f|%f", 0.5, 1.5), "0|1.500000");
    EXPECT_EQ(format("%.2f", 3), "3.00");
    EXPECT_EQ(format("%05d|%-4d|%4d|%+d", -42, 7, 7, 5), "-0042|7   |   7|+5");
    EXPECT_EQ(format("%3$05.1f", 0, 0, 2.25), "002.2");
    EXPECT_EQ(format("%-6@|", "Ä"), "Ä     |"); // width counts characters
    EXPECT_EQ(format("%@ %d", true, false), "1 0");
}

TEST(StringTableFormat, MismatchesAndMalformedSpecifiersDoNotCrash) {
    EXPECT_EQ(format("%d", "abc"), "abc");
    EXPECT_EQ(format("%@", 42), "42");
    EXPECT_EQ(format("%d", 2.5), "2.5");
    EXPECT_EQ(format("%f", "x"), "x");
    EXPECT_EQ(format("%@", static_cast<const char*>(nullptr)), "(null)");
    // Missing values and unknown kinds stay as written.
    EXPECT_EQ(format("%@ and %@", "one"), "one and %@");
    EXPECT_EQ(format("%3$@", "a"), "%3$@");
    EXPECT_EQ(format("%x %@", 1), "%x 1");
    EXPECT_EQ(format("50%", 1), "50%");
    EXPECT_EQ(format("%l", 1), "%l");
    EXPECT_EQ(format("%0$@", "a"), "%0$@");
}
