#include "platform/NumberFormatter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace zt;

namespace {

// ICU separates some symbols with no-break spaces; spelt out so the expectations are visible.
constexpr const char* nbsp = "\u00a0";

std::string withNbsp(std::string text) {
    for (size_t at = text.find('_'); at != std::string::npos; at = text.find('_', at))
        text.replace(at, 1, nbsp);
    return text;
}

} // namespace

TEST(NumberFormatter, CurrencyFollowsTheLocaleOrTheGivenCode) {
    EXPECT_EQ(NumberFormatter::currency("en_US").string(1234.5), "$1,234.50");
    EXPECT_EQ(NumberFormatter::currency("en_GB").string(1234.5), "£1,234.50");
    EXPECT_EQ(NumberFormatter::currency("de_DE").string(1234.5), withNbsp("1.234,50_€"));
    EXPECT_EQ(NumberFormatter::currency("de_DE").string(-3), withNbsp("-3,00_€"));

    EXPECT_EQ(NumberFormatter::currency("de_DE", "USD").string(1234.56), withNbsp("1.234,56_$"));
    EXPECT_EQ(NumberFormatter::currency("en_GB", "USD").string(1234.56), "US$1,234.56");
    EXPECT_EQ(NumberFormatter::currency("en_US", "usd").currencyCode(), "USD");
    // The currency's own digits: yen has none, and halves round to even.
    EXPECT_EQ(NumberFormatter::currency("en_US", "JPY").string(1234.5), "¥1,234");
    EXPECT_EQ(NumberFormatter::currency("en_US", "JPY").string(1235.5), "¥1,236");
}

TEST(NumberFormatter, PercentOrdinalAndDecimalStyles) {
    EXPECT_EQ(NumberFormatter::percent("en_US").string(0.125), "12%");
    EXPECT_EQ(NumberFormatter::percent("en_GB").string(1.5), "150%");
    EXPECT_EQ(NumberFormatter::percent("de_DE").string(0.42), withNbsp("42_%"));

    const NumberFormatter english = NumberFormatter::ordinal("en_US");
    std::string written;
    for (int n : {1, 2, 3, 4, 11, 12, 13, 21, 22, 23, 101, 111})
        written += english.string(n).value_or("?") + " ";
    EXPECT_EQ(written, "1st 2nd 3rd 4th 11th 12th 13th 21st 22nd 23rd 101st 111th ");
    EXPECT_EQ(NumberFormatter::ordinal("en_GB").string(22), "22nd");
    EXPECT_EQ(NumberFormatter::ordinal("de_DE").string(1), "1.");
    EXPECT_EQ(NumberFormatter::ordinal("de_DE").string(22), "22.");

    EXPECT_EQ(NumberFormatter::decimal("en_US").string(1234.5678), "1,234.568");
    EXPECT_EQ(NumberFormatter::decimal("en_GB").string(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberFormatter::decimal("de_DE").string(1234.5678), "1.234,568");
    EXPECT_EQ(NumberFormatter::decimal("de-DE").string(1234.5), "1.234,5");
}

TEST(NumberFormatter, WhatCannotBeFormattedGivesNothingOrADash) {
    const NumberFormatter euro = NumberFormatter::currency("de_DE");
    EXPECT_FALSE(euro.string(std::nan("")));
    EXPECT_FALSE(euro.string(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(euro.stringOrDash(-std::numeric_limits<double>::infinity()), "--");
    EXPECT_EQ(euro.stringOrDash(1), withNbsp("1,00_€"));

    EXPECT_EQ(NumberFormatter::currency("de_DE", "XYZ").stringOrDash(1), "--");
    EXPECT_EQ(NumberFormatter::currency("de_DE", "").stringOrDash(1), "--");
    EXPECT_EQ(NumberFormatter::currency("de_DE", "EURO").stringOrDash(1), "--");
    // A language alone has no currency of its own, though it formats plain numbers.
    EXPECT_EQ(NumberFormatter::currency("de").stringOrDash(1), "--");
    EXPECT_EQ(NumberFormatter::decimal("de").string(1.5), "1,5");
    EXPECT_EQ(NumberFormatter::decimal("en-").stringOrDash(1), "--");
    EXPECT_FALSE(NumberFormatter::currency("de_DE", "XYZ").number("1,00"));
}

TEST(NumberFormatter, ParsesWholeTextsWithTheLocaleSeparators) {
    const NumberFormatter german = NumberFormatter::decimal("de_DE");
    EXPECT_EQ(german.number("1,5"), 1.5);
    EXPECT_EQ(german.number("1.234,5"), 1234.5);
    EXPECT_EQ(german.number("-3,25"), -3.25);
    EXPECT_FALSE(german.number("1.5")); // a grouping separator in the wrong place

    const NumberFormatter american = NumberFormatter::decimal("en_US");
    EXPECT_EQ(american.number("1.5"), 1.5);
    EXPECT_EQ(american.number("1,234.5"), 1234.5);
    EXPECT_FALSE(american.number("1,5"));
    for (const char* bad : {"", "12abc", "abc", "12 ", " 12", "1.2.3", "NaN", "∞"})
        EXPECT_FALSE(american.number(bad)) << bad;

    for (const char* locale : {"en_US", "en_GB", "de_DE"}) {
        const NumberFormatter money = NumberFormatter::currency(locale);
        EXPECT_EQ(money.number(*money.string(-1234.56)), -1234.56) << locale;
        const NumberFormatter percent = NumberFormatter::percent(locale);
        EXPECT_DOUBLE_EQ(*percent.number(*percent.string(0.12)), 0.12) << locale;
    }
    EXPECT_FALSE(NumberFormatter::currency("en_US").number("$1,234.56 extra"));
    EXPECT_EQ(NumberFormatter::ordinal("en_US").number("22nd"), 22);
}

TEST(NumberFormatter, FractionDigitsAndGroupingOptions) {
    NumberFormatter formatter = NumberFormatter::decimal("en_US");
    formatter.setMinimumFractionDigits(2);
    EXPECT_EQ(formatter.string(3), "3.00");
    EXPECT_EQ(formatter.string(3.14159), "3.142");

    // Lowering the maximum below the minimum pulls the minimum down with it.
    formatter.setMaximumFractionDigits(1);
    EXPECT_EQ(formatter.minimumFractionDigits(), 1);
    EXPECT_EQ(formatter.maximumFractionDigits(), 1);
    EXPECT_EQ(formatter.string(2.25), "2.2");

    formatter.setMaximumFractionDigits(-4).setUsesGroupingSeparator(false);
    EXPECT_EQ(formatter.maximumFractionDigits(), 0);
    EXPECT_EQ(formatter.string(12345.6), "12346");

    NumberFormatter euro = NumberFormatter::currency("de_DE");
    euro.setMaximumFractionDigits(0);
    EXPECT_EQ(euro.string(1234.56), withNbsp("1.235_€"));
}

TEST(NumberFormatter, DescribesItsSymbols) {
    const NumberFormatter german = NumberFormatter::currency("de_DE");
    EXPECT_EQ(german.style(), NumberFormatter::Style::currency);
    EXPECT_EQ(german.localeIdentifier(), "de_DE");
    EXPECT_EQ(german.currencyCode(), "EUR");
    EXPECT_EQ(german.currencySymbol(), "€");
    EXPECT_EQ(german.decimalSeparator(), ",");
    EXPECT_EQ(german.groupingSeparator(), ".");

    EXPECT_EQ(NumberFormatter::currency("de_DE", "USD").currencySymbol(), "$");
    EXPECT_EQ(NumberFormatter::currency("en_GB", "USD").currencySymbol(), "US$");
    EXPECT_EQ(NumberFormatter::decimal("en_GB").currencyCode(), "");
    EXPECT_EQ(NumberFormatter::decimal("en_GB").currencySymbol(), "£");
    EXPECT_EQ(NumberFormatter::decimal("en_US").decimalSeparator(), ".");
}

TEST(NumberFormatter, CopiesAreIndependent) {
    NumberFormatter original = NumberFormatter::decimal("en_US");
    NumberFormatter copy = original;
    copy.setMinimumFractionDigits(2);
    EXPECT_EQ(original.string(1), "1");
    EXPECT_EQ(copy.string(1), "1.00");

    original = copy;
    copy.setMinimumFractionDigits(4);
    EXPECT_EQ(original.string(1), "1.00");

    NumberFormatter moved = std::move(copy);
    EXPECT_EQ(moved.string(1), "1.0000");

    const NumberFormatter broken = NumberFormatter::currency("en_US", "XYZ");
    NumberFormatter brokenCopy = broken;
    EXPECT_FALSE(brokenCopy.string(1));
}
