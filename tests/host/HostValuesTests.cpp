#include "ZTSwiftUIComponents/host/BaseLocation.h"
#include "ZTSwiftUIComponents/host/ExchangeRate.h"
#include "ZTSwiftUIComponents/host/Markdown.h"
#include "platform/Environment.h"

#include <gtest/gtest.h>

using namespace zt;

TEST(ExchangeRate, DisplayTextInTheEnvironmentsLocale) {
    {
        Environment::Override env({.locale = "en_US"});
        const auto rate = ExchangeRate::make("EUR", "USD", 1.09);
        EXPECT_EQ(rate.formattedString, "1 EUR = 1.09 USD");
        EXPECT_DOUBLE_EQ(rate.converted(100), 109);
        EXPECT_EQ(ExchangeRate::make("USD", "JPY", 143.123456).formattedString, "1 USD = 143.1235 JPY");
    }
    Environment::Override env({.locale = "de_DE"});
    auto rate = ExchangeRate::make("GBP", "EUR", 1.1725);
    EXPECT_EQ(rate.formattedString, "1 GBP = 1,1725 EUR");
    // Overwriting the rate keeps the other fields, as the rate editor does.
    const auto before = rate;
    rate.rate = 1.2;
    EXPECT_NE(rate, before);
    EXPECT_EQ(rate.formattedString, before.formattedString);
}

TEST(BaseLocation, DistancesAndSymbols) {
    const Coordinate berlin{52.5200, 13.4050}, paris{48.8566, 2.3522};
    EXPECT_NEAR(berlin.distance(paris), 877500, 2000);
    EXPECT_DOUBLE_EQ(berlin.distance(berlin), 0);
    EXPECT_NEAR(berlin.distance(paris), paris.distance(berlin), 1e-6);
    // About 300 m north: short distances stay accurate.
    EXPECT_NEAR(berlin.distance({52.5227, 13.4050}), 300, 3);

    BaseLocation place{"p", "Bean There", "Main Street 1", berlin, "cafe"};
    EXPECT_EQ(place.systemImageName(), "cup.and.saucer.fill");
    place.pointOfInterestCategory = "somethingNew";
    EXPECT_EQ(place.systemImageName(), "mappin.circle.fill");
    place.pointOfInterestCategory.reset();
    EXPECT_EQ(place.systemImageName(), "mappin.circle.fill");
}

TEST(ToMarkdown, KeepsTheTextAndItsLines) {
    EXPECT_EQ(toMarkdown("Plain words, 12.50 €"), "Plain words, 12.50 €");
    EXPECT_EQ(toMarkdown("a*b_c `d` [e]"), "a\\*b\\_c \\`d\\` \\[e\\]");
    EXPECT_EQ(toMarkdown("# not a heading\n- not a list\nx - y"),
              "\\# not a heading\\\n\\- not a list\\\nx - y");
    EXPECT_EQ(toMarkdown("one\r\ntwo"), "one\\\ntwo");
    EXPECT_EQ(toMarkdown(""), "");
}
