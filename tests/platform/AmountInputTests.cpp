#include "platform/AmountInput.h"
#include "support/PinnedEnvironment.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using namespace zt;

namespace {

struct AmountCase {
    std::string text;
    std::optional<double> value;
};

void expectReadings(const std::string& locale, const std::vector<AmountCase>& cases) {
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(locale + " \"" + text + "\"");
        EXPECT_EQ(parseAmount(text, locale), value);
    }
}

// The locales' own grouping marks, as ICU writes them.
const std::string amountNbsp = "\u00A0", amountNarrowNbsp = "\u202F", amountRightQuote = "\u2019",
                  amountMinus = "\u2212";

} // namespace

TEST(ParseAmount, EnglishLocalesGroupWithCommasAndSeparateWithAPoint) {
    for (const std::string locale : {"en_US", "en_GB"})
        expectReadings(locale,
                       {{"842.17", 842.17},
                        {"1,250.50", 1250.5},
                        {"1,234,567", 1234567},
                        {"0.5", 0.5},
                        {".5", 0.5},
                        {"12", 12},
                        {"842,17", std::nullopt}, // a German decimal comma is grouping in the wrong place
                        {"1,5", std::nullopt},
                        {"12,34.5", std::nullopt},
                        {"1,2345", std::nullopt},
                        {"1.250,50", std::nullopt},
                        {"1.2.3", std::nullopt},
                        {"1 250", std::nullopt}}); // a space does not group in English
}

TEST(ParseAmount, GermanGroupsWithPointsAndSeparatesWithAComma) {
    expectReadings("de_DE", {{"842,17", 842.17},
                             {"1.250,50", 1250.5},
                             {"1.234.567,89", 1234567.89},
                             {"842.170", 842170}, // grouping where it groups
                             {"842.17", std::nullopt},
                             {"1.25,50", std::nullopt},
                             {"1,250.50", std::nullopt},
                             {"12,3,4", std::nullopt}});
}

TEST(ParseAmount, SwissAndFrenchGroupingAcceptWhatAKeyboardTypes) {
    expectReadings("de_CH", {{"1" + amountRightQuote + "250.50", 1250.5},
                             {"1'250.50", 1250.5}, // the plain apostrophe of a keyboard
                             {"842.17", 842.17},
                             {"842,17", std::nullopt},
                             {"12'50", std::nullopt},
                             {"1 250.50", std::nullopt}});
    expectReadings("fr_FR", {{"1" + amountNarrowNbsp + "250,50", 1250.5},
                             {"1" + amountNbsp + "250,50", 1250.5},
                             {"1 250,50", 1250.5}, // a plain space
                             {"842,17", 842.17},
                             {"842.17", std::nullopt},
                             {"1 25,5", std::nullopt},
                             {"1'250,50", std::nullopt}});
}

TEST(ParseAmount, OneLeadingSignAndSurroundingSpaces) {
    expectReadings("en_US", {{"-12.5", -12.5},
                             {"+12.5", 12.5},
                             {amountMinus + "12.5", -12.5},
                             {"  42  ", 42},
                             {"\t-1,000.25\n", -1000.25},
                             {amountNbsp + "7" + amountNbsp, 7},
                             {"- 12", std::nullopt},
                             {"--12", std::nullopt},
                             {"+-12", std::nullopt},
                             {"12-", std::nullopt},
                             {"1-2", std::nullopt},
                             {"-", std::nullopt},
                             {"+", std::nullopt},
                             {"", std::nullopt},
                             {"   ", std::nullopt}});
    expectReadings("de_DE", {{" -1.250,50 ", -1250.5}, {amountMinus + "0,5", -0.5}});
    // Minus zero is zero: nothing shows "-0" back to the user.
    const auto zero = parseAmount("-0", "en_US");
    ASSERT_TRUE(zero);
    EXPECT_FALSE(std::signbit(*zero));
}

TEST(ParseAmount, ExponentsLettersSymbolsAndBadBytesAreNotNumbers) {
    expectReadings("en_US", {{"1e5", std::nullopt},
                             {"1E5", std::nullopt},
                             {"12abc", std::nullopt},
                             {"abc", std::nullopt},
                             {"NaN", std::nullopt},
                             {"Infinity", std::nullopt},
                             {"\u221E", std::nullopt},
                             {"$12", std::nullopt},
                             {"12%", std::nullopt},
                             {"12 €", std::nullopt},
                             {"0x10", std::nullopt},
                             {"1/2", std::nullopt},
                             {"12\xff", std::nullopt},
                             {"\xc3\x28", std::nullopt},
                             {std::string("1\0"
                                          "2",
                                          3),
                              std::nullopt},
                             {std::string(400, '9'), std::nullopt}}); // beyond every double
}

class AmountFieldTest : public test::PinnedTest {};

TEST_F(AmountFieldTest, KeepsTheTextAsTypedAndTellsEmptyFromInvalid) {
    AmountField field; // the environment's locale: en_US
    EXPECT_EQ(field.localeIdentifier(), "en_US");
    EXPECT_TRUE(field.isEmpty());
    EXPECT_FALSE(field.isInvalid());
    EXPECT_FALSE(field.value());

    field.setText("1,250.5");
    EXPECT_EQ(field.value(), 1250.5);
    EXPECT_FALSE(field.isInvalid());

    field.setText("12,5");
    EXPECT_EQ(field.text(), "12,5"); // never replaced behind the user's back
    EXPECT_TRUE(field.isInvalid());
    EXPECT_FALSE(field.value());

    for (const std::string& blank :
         std::vector<std::string>{"", "  ", "\t", amountNbsp, amountNarrowNbsp + " "}) {
        field.setText(blank);
        EXPECT_TRUE(field.isEmpty()) << blank;
        EXPECT_FALSE(field.isInvalid()) << blank;
    }
    field.setText("\xff");
    EXPECT_FALSE(field.isEmpty());
    EXPECT_TRUE(field.isInvalid());
}

TEST_F(AmountFieldTest, ShowsAValueSoThatItReadsBackInEveryLocale) {
    for (const std::string locale : {"en_US", "en_GB", "de_DE", "de_CH", "fr_FR"}) {
        for (const double value : {842.17, -1250.5, 1234567.89, 0.0, 0.1 + 0.2}) {
            const auto field = AmountField::showing(value, locale);
            SCOPED_TRACE(locale + " \"" + field.text() + "\"");
            ASSERT_TRUE(field.value());
            EXPECT_NEAR(*field.value(), value, 1e-9);
            EXPECT_FALSE(field.isInvalid());
        }
    }
    EXPECT_EQ(AmountField::showing(1250.5, std::string("de_DE")).text(),
              "1250,5"); // no grouping to trip over
    EXPECT_EQ(AmountField::showing(842.17, std::string("en_US")).text(), "842.17");
    EXPECT_TRUE(AmountField::showing(std::nullopt).isEmpty());
}

TEST_F(AmountFieldTest, ReadsInTheLocaleItWasMadeFor) {
    const Environment::Override german({.locale = std::string("de_DE")});
    AmountField field("1.250,50");
    EXPECT_EQ(field.localeIdentifier(), "de_DE");
    EXPECT_EQ(field.value(), 1250.5);
    AmountField english("1.250,50", std::string("en_US"));
    EXPECT_TRUE(english.isInvalid());
}
