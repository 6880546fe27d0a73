#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/Environment.h"
#include "platform/UserDefaults.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

using namespace zt;

namespace {

// A locale and fresh user defaults; nothing of the machine's settings leaks in.
struct Pinned {
    explicit Pinned(std::string locale)
        : defaults(std::make_shared<InMemoryUserDefaults>()),
          env({.locale = std::move(locale), .timeZone = "UTC", .userDefaults = defaults}) {}
    std::shared_ptr<InMemoryUserDefaults> defaults;
    Environment::Override env;
};

} // namespace

TEST(AppCurrencyCode, StoredChoiceThenLocaleThenDollar) {
    Pinned de("de_DE");
    EXPECT_EQ(appCurrencyCode(), "EUR"); // nothing stored: the locale's currency

    setAppCurrencyCode("gbp");
    EXPECT_EQ(appCurrencyCode(), "GBP"); // stored upper-cased
    EXPECT_EQ(de.defaults->string(std::string(appCurrencyCodeKey)), "GBP");

    de.defaults->set(std::string(appCurrencyCodeKey), "not a code");
    EXPECT_EQ(appCurrencyCode(), "EUR"); // a malformed value is ignored

    setAppCurrencyCode("");
    EXPECT_FALSE(de.defaults->contains(std::string(appCurrencyCodeKey)));
    {
        Pinned ch("de_CH");
        EXPECT_EQ(appCurrencyCode(), "CHF");
    }
    {
        Pinned languageOnly("ja"); // no region: the language's likely region decides
        EXPECT_EQ(appCurrencyCode(), "JPY");
    }
    Pinned root("und");
    EXPECT_EQ(appCurrencyCode(), "USD");
}

TEST(LocaleFor, KeepsTheCurrentLocaleWhenItUsesTheCurrency) {
    {
        Pinned de("de_DE");
        EXPECT_EQ(localeFor("EUR"), "de_DE");
        EXPECT_EQ(localeFor("eur"), "de_DE"); // codes compare case-insensitively
    }
    {
        Pinned at("de_AT");
        EXPECT_EQ(localeFor("EUR"), "de_AT"); // not replaced by the currency's home region
    }
    Pinned us("en_US");
    EXPECT_EQ(localeFor("USD"), "en_US");
}

TEST(LocaleFor, PrefersTheUsersLanguageThenTheCurrencysHome) {
    {
        Pinned us("en_US");
        EXPECT_EQ(localeFor("EUR"), "en_IE"); // English is Ireland's language, not Germany's
        EXPECT_EQ(localeFor("GBP"), "en_GB");
        EXPECT_EQ(currencyCode(localeFor("JPY")), "JPY");
    }
    {
        Pinned ch("de_CH");
        EXPECT_EQ(localeFor("EUR"), "de_DE"); // among German euro locales, the currency's home
    }
    {
        Pinned fr("fr_FR");
        EXPECT_EQ(localeFor("CHF"), "fr_CH"); // same language, though not Switzerland's main one
    }
    Pinned ja("ja_JP");
    EXPECT_EQ(localeFor("USD"), "en_US"); // no Japanese dollar locale: the home region's own
}

TEST(LocaleFor, UnknownCodesKeepTheCurrentLocale) {
    Pinned de("de_DE");
    EXPECT_EQ(localeFor("XYZ"), "de_DE");
    EXPECT_EQ(localeFor(""), "de_DE");
    EXPECT_EQ(localeFor("euro"), "de_DE");
}

TEST(CurrencyFormatters, FormatTheCodeTheWayItsUsersWriteIt) {
    Pinned us("en_US");
    EXPECT_EQ(makeCurrencyFormatter("USD").string(1234.5), "$1,234.50");
    EXPECT_EQ(makeCurrencyFormatter("eur").currencyCode(), "EUR");
    EXPECT_EQ(makeCurrencyFormatter("EUR").string(1234.5), "€1,234.50");
    EXPECT_EQ(makeCurrencyFormatter("GBP").string(-3), "-£3.00");

    setAppCurrencyCode("GBP");
    EXPECT_EQ(makeAppBasedCurrencyFormatter().currencyCode(), "GBP");
    EXPECT_EQ(makeAppBasedCurrencyFormatter().localeIdentifier(), "en_GB");
}

TEST(CurrencyFormatters, SharedFormatterFollowsLocaleAndAppCurrency) {
    Pinned us("en_US");
    EXPECT_EQ(sharedCurrencyFormatter().string(2), "$2.00");
    setAppCurrencyCode("EUR");
    EXPECT_EQ(sharedCurrencyFormatter().currencyCode(), "EUR");
    {
        Pinned de("de_DE");
        EXPECT_EQ(sharedCurrencyFormatter().string(2), "2,00\u00A0€");
    }
    EXPECT_EQ(sharedCurrencyFormatter().string(2), "€2.00"); // back in English with EUR stored
}
