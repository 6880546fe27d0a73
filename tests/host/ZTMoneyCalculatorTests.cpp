#include "ZTSwiftUIComponents/host/ZTMoneyCalculator.h"
#include "platform/Environment.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace zt;

namespace {

using Result = std::optional<std::string>;
const Result nothing = std::nullopt;

void expectAll(const char* locale, const std::vector<std::pair<std::string, Result>>& cases) {
    const ZTMoneyCalculator calculator(locale);
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(calculator.evaluate(text), expected) << locale << " \"" << text << '"';
}

} // namespace

TEST(ZTMoneyCalculator, PrecedenceAndExactArithmetic) {
    expectAll("en_US", {{"2+3×4", "14"},
                        {"10-4-3", "3"},
                        {"100÷10÷5", "2"},
                        {"8÷4×2", "4"},
                        {"1+2×3-8÷4", "5"},
                        {"12.50+3×4.2-1÷3", "24.77"},
                        {"0.1+0.2", "0.3"},
                        {"0.1×3-0.3", "0"},
                        {"1÷3×3", "1"},
                        {"10÷3", "3.33"},
                        {"20÷3", "6.67"},
                        // Exact ties reached through a division; a rounded 1÷3 would round them down.
                        {"1÷3×0.045", "0.02"},
                        {"1÷3×0.075", "0.02"}});
    expectAll("de_DE", {{"12,50+3×4,2-1÷3", "24,77"}});
}

TEST(ZTMoneyCalculator, RoundsHalfEvenToCentsWithoutTrailingZerosOrNegativeZero) {
    expectAll("en_US", {{"1÷8", "0.12"},      {"3÷8", "0.38"},     {"1.005", "1"},      {"1.015", "1.02"},
                        {"1.0051", "1.01"},   {"-1.005", "-1"},    {"-1.015", "-1.02"}, {"2.50", "2.5"},
                        {"3.00", "3"},        {"0.999", "1"},      {"-5+2", "-3"},      {"-5×2", "-10"},
                        {"-0", "0"},          {"-0.001", "0"},     {"1-1.005", "0"},    {"42", "42"},
                        {"007", "7"},         {"09+0.08", "9.08"}, {".5", "0.5"},       {"5.+.5", "5.5"},
                        {"  12.5\t", "12.5"}, {"\n1+1 ", "2"}});
}

TEST(ZTMoneyCalculator, DecimalSeparatorFollowsTheLocale) {
    EXPECT_EQ(ZTMoneyCalculator("en_US").decimalSeparator(), ".");
    EXPECT_EQ(ZTMoneyCalculator("de_DE").decimalSeparator(), ",");
    expectAll("fr_FR", {{"1,5×2,25", "3,38"}, {"1.5", nothing}});
    expectAll("de_CH", {{"1.5+1.25", "2.75"}, {"1,5", nothing}});
    expectAll("de-DE", {{"1,5+1", "2,5"}});
    // The other locale's separator is a foreign character, not a grouping to skip.
    expectAll("en_US", {{"1,5", nothing}, {"1,000.5", nothing}});
    expectAll("de_DE", {{"1.5", nothing}, {"1.000,5", nothing}});
    // Malformed identifiers fall back to the root locale.
    expectAll("not a locale!", {{"1.5+1", "2.5"}});
    {
        Environment::Override pin({.locale = "de_DE"});
        EXPECT_EQ(ZTMoneyCalculator().evaluate("1,5+1"), "2,5");
    }
    Environment::Override pin({.locale = "en_US"});
    EXPECT_EQ(ZTMoneyCalculator().evaluate("1,5+1"), nothing);
}

TEST(ZTMoneyCalculator, LocalesWithTheirOwnDigitsAndMinusSigns) {
    expectAll("ar_EG", {{"1+0\u066B5", "\u0661\u066B\u0665"}, {"\u0661\u066B\u0665\u00D7\u0662", "\u0663"}});
    // The locale's minus is a sign only, never the subtraction operator.
    expectAll("sv_SE",
              {{"2-5", "\u22123"}, {"\u22123+1", "\u22122"}, {"-3+1", "\u22122"}, {"5\u22123", nothing}});
    // Persian writes a direction mark before its minus; typed without it, the sign still reads.
    const ZTMoneyCalculator persian("fa_IR");
    const auto minusTwo = persian.evaluate("1-3");
    ASSERT_TRUE(minusTwo);
    EXPECT_EQ(persian.evaluate("\u22122"), minusTwo);
}

TEST(ZTMoneyCalculator, MalformedTextGivesNothing) {
    std::vector<std::pair<std::string, Result>> cases;
    // clang-format off
    const char* const malformed[] = {
        "", "   ", "\n\t", "+", "-", "×", "÷", "5+", "5×", "5-", "+5", "--5", "×5", "5++2", "5+-2",
        "5×-2", "5÷-2", "5--2", "5×÷2", "1..5", "1.2.3", ".", "-.", "5+.", "1 + 2", "1 000", "12a",
        "1e5", "0x10", "5=", "(1+2)", "1*2", "1/2", "\u22125", "5\u00A0", "5\xC3", "5\xC3\x98\x32",
        "5÷0", "5÷0.00", "1+5÷0×2"};
    // clang-format on
    for (const char* text : malformed)
        cases.emplace_back(text, nothing);
    cases.emplace_back(std::string("5\0+1", 4), nothing);
    cases.emplace_back("0÷5", "0");
    cases.emplace_back("5\xC3\xB7\x32", "2.5"); // ÷ byte by byte, next to Ø (C3 98) above
    expectAll("en_US", cases);
}

TEST(ZTMoneyCalculator, CapsInputLengthDigitsAndMagnitude) {
    std::string ones = "1";
    while (ones.size() + 2 <= ZTMoneyCalculator::maxInputBytes)
        ones += "+1";
    const std::string largest = "9999999999999"; // 13 digits
    expectAll("en_US", {{ones, std::to_string((ones.size() + 1) / 2)},
                        {ones + "+1", nothing},
                        {std::string(ZTMoneyCalculator::maxInputBytes, ' ') + "1", nothing},
                        {"0." + std::string(28, '0') + "1", "0"}, // 30 digits
                        {"0." + std::string(29, '0') + "1", nothing},
                        {largest + ".99", largest + ".99"},
                        {"-" + largest, "-" + largest},
                        {"10000000000000", nothing},
                        {largest + "+1", nothing},
                        {"-" + largest + "-1", nothing},
                        {largest + ".994", largest + ".99"},
                        {largest + ".995", nothing}, // rounds up out of range
                        // Intermediate values are bounded too, even when a later step shrinks them.
                        {"5000000000000×2÷4", nothing},
                        {"5000000000000÷4×2", "2500000000000"},
                        {"9999999×9999999", nothing},
                        {"0.0000001×0.0000001", "0"}});
}

TEST(ZTMoneyCalculator, ResultsEvaluateToThemselves) {
    for (const char* locale :
         {"en_US", "de_DE", "fr_FR", "de_CH", "sv_SE", "ar_EG", "fa_IR", "hi_IN", "bn_BD"}) {
        const ZTMoneyCalculator calculator(locale);
        for (std::string text : {"1÷3", "-7÷8", "1234567.891", "0-0.004", "2÷3-1", "9999999999999.99"}) {
            if (const auto dot = text.find('.'); dot != std::string::npos)
                text.replace(dot, 1, calculator.decimalSeparator());
            const auto result = calculator.evaluate(text);
            ASSERT_TRUE(result) << locale << ' ' << text;
            EXPECT_EQ(calculator.evaluate(*result), result) << locale << ' ' << text;
        }
    }
}
