#include "platform/Environment.h"
#include "platform/LocaleNames.h"

#include <gtest/gtest.h>

using namespace zt;

TEST(LocaleNames, LanguageAndRegionNames) {
    EXPECT_EQ(LocaleNames::languageName("de"), "German");
    EXPECT_EQ(LocaleNames::languageName("en"), "English");
    EXPECT_EQ(LocaleNames::regionName("DE"), "Germany");
    EXPECT_EQ(LocaleNames::regionName("GB"), "United Kingdom");
    EXPECT_EQ(LocaleNames::regionName("419"), "Latin America");
    EXPECT_EQ(LocaleNames::languageName("de", "de_DE"), "Deutsch");
    EXPECT_EQ(LocaleNames::regionName("US", "de"), "Vereinigte Staaten");

    for (const char* unknown : {"", "qx", "de_AT", "de-AT", "xxxxxxxxxxx"})
        EXPECT_FALSE(LocaleNames::languageName(unknown)) << unknown;
    for (const char* unknown : {"", "QQ", "DE_AT", "D E"})
        EXPECT_FALSE(LocaleNames::regionName(unknown)) << unknown;
}

TEST(LocaleNames, CapitalizesEachWordByTheLocaleRules) {
    EXPECT_EQ(LocaleNames::capitalized("credit card payment", "en_US"), "Credit Card Payment");
    EXPECT_EQ(LocaleNames::capitalized("hELLO wORLD", "en_GB"), "Hello World");
    EXPECT_EQ(LocaleNames::capitalized("über die brücke", "de_DE"), "Über Die Brücke");
    EXPECT_EQ(LocaleNames::capitalized("ijsland", "nl"), "IJsland");
    EXPECT_EQ(LocaleNames::capitalized("istanbul", "tr"), "İstanbul");
    EXPECT_EQ(LocaleNames::capitalized("istanbul", "en"), "Istanbul");
    EXPECT_EQ(LocaleNames::capitalized(""), "");

    Environment::Override env({.locale = "tr_TR"});
    EXPECT_EQ(LocaleNames::capitalized("izmir"), "İzmir");
}
