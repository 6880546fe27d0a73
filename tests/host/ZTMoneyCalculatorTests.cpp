#include "ZTSwiftUIComponents/host/ZTMoneyCalculator.h"
#include "platform/Environment.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace zt;

namespace {

std::optional<std::string> en(std::string_view text) {
    return ZTMoneyCalculator("en_US").evaluate(text);
}
std::optional<std::string> de(std::string_view text) {
    return ZTMoneyCalculator("de_DE").evaluate(text);
}

const std::optional<std::string> nothing = std::nullopt;

} // namespace

TEST(ZTMoneyCalculator, MultiplyAndDivideBindTighterEqualRanksLeftToRight) {
    EXPECT_EQ(en("2+3×4"), "14");
    EXPECT_EQ(en("2×3+4"), "10");
    EXPECT_EQ(en("10-4-3"), "3");
    EXPECT_EQ(en("100÷10÷5"), "2");
    EXPECT_EQ(en("8÷4×2"), "4");
    EXPECT_EQ(en("1+2×3-8÷4"), "5");
    EXPECT_EQ(en("12.50+3×4.2-1÷3"), "24.77");
    EXPECT_EQ(de("12,50+3×4,2-1÷3"), "24,77");
}

TEST(ZTMoneyCalculator, ArithmeticIsExactAndOnlyTheResultIsRounded) {
    EXPECT_EQ(en("0.1+0.2"), "0.3");
    EXPECT_EQ(en("0.1×3-0.3"), "0");
    EXPECT_EQ(en("1÷3×3"), "1");
    EXPECT_EQ(en("10÷3"), "3.33");
    EXPECT_EQ(en("20÷3"), "6.67");
    // An exact tie of the division rounds half-even; a rounded intermediate would miss it.
    EXPECT_EQ(en("1÷3×0.045"), "0.02");
    EXPECT_EQ(en("1÷3×0.075"), "0.02");
}

TEST(ZTMoneyCalculator, RoundsHalfEvenToCentsAndDropsTrailingZeros) {
    EXPECT_EQ(en("1÷8"), "0.12");
    EXPECT_EQ(en("3÷8"), "0.38");
    EXPECT_EQ(en("1.005"), "1");
    EXPECT_EQ(en("1.015"), "1.02");
    EXPECT_EQ(en("1.0051"), "1.01");
    EXPECT_EQ(en("-1.005"), "-1");
    EXPECT_EQ(en("-1.015"), "-1.02");
    EXPECT_EQ(en("2.50"), "2.5");
    EXPECT_EQ(en("3.00"), "3");
    EXPECT_EQ(en("0.999"), "1");
}

TEST(ZTMoneyCalculator, NegativeResultsAndNegativeZero) {
    EXPECT_EQ(en("-5+2"), "-3");
    EXPECT_EQ(en("-5×2"), "-10");
    EXPECT_EQ(en("2-5"), "-3");
    EXPECT_EQ(en("-0"), "0");
    EXPECT_EQ(en("-0.001"), "0");
    EXPECT_EQ(en("0.004-0.005"), "0");
    EXPECT_EQ(en("1-1.005"), "0");
}

TEST(ZTMoneyCalculator, SingleNumbersAndLooseSeparators) {
    EXPECT_EQ(en("42"), "42");
    EXPECT_EQ(en("007"), "7");
    EXPECT_EQ(en("09+0.08"), "9.08"); // leading zeros are decimal, never an octal prefix
    EXPECT_EQ(en(".5"), "0.5");
    EXPECT_EQ(en("5."), "5");
    EXPECT_EQ(en("5.+.5"), "5.5");
    EXPECT_EQ(en("  12.5\t"), "12.5");
    EXPECT_EQ(en("\n1+1 "), "2");
}

TEST(ZTMoneyCalculator, DecimalSeparatorFollowsTheLocale) {
    EXPECT_EQ(ZTMoneyCalculator("en_US").decimalSeparator(), ".");
    EXPECT_EQ(ZTMoneyCalculator("de_DE").decimalSeparator(), ",");
    EXPECT_EQ(ZTMoneyCalculator("fr_FR").evaluate("1,5×2,25"), "3,38");
    EXPECT_EQ(ZTMoneyCalculator("de_CH").evaluate("1.5+1.25"), "2.75");
    EXPECT_EQ(ZTMoneyCalculator("de-DE").evaluate("1,5+1"), "2,5");
    // The other locale's separator is a foreign character, not a grouping to skip.
    EXPECT_EQ(en("1,5"), nothing);
    EXPECT_EQ(de("1.5"), nothing);
    EXPECT_EQ(ZTMoneyCalculator("de_CH").evaluate("1,5"), nothing);
    EXPECT_EQ(en("1,000.5"), nothing);
    EXPECT_EQ(de("1.000,5"), nothing);
}

TEST(ZTMoneyCalculator, LocalesWithTheirOwnDigitsAndMinusSigns) {
    const ZTMoneyCalculator arabic("ar_EG");
    const auto oneAndAHalf = arabic.evaluate("1+0\u066B5");
    ASSERT_TRUE(oneAndAHalf);
    EXPECT_EQ(*oneAndAHalf, "\u0661\u066B\u0665");
    EXPECT_EQ(arabic.evaluate("\u0661\u066B\u0665\u00D7\u0662"), "\u0663");
    const auto minusThree = arabic.evaluate("2-5");
    ASSERT_TRUE(minusThree);
    EXPECT_EQ(arabic.evaluate(*minusThree), minusThree);

    const ZTMoneyCalculator swedish("sv_SE");
    EXPECT_EQ(swedish.evaluate("2-5"), "\u22123");
    EXPECT_EQ(swedish.evaluate("\u22123+1"), "\u22122");
    EXPECT_EQ(swedish.evaluate("-3+1"), "\u22122");
    // The locale's minus is only a sign, never the subtraction operator.
    EXPECT_EQ(swedish.evaluate("5\u22123"), nothing);

    // Persian writes an invisible direction mark before its minus; typed without it, it still reads.
    const ZTMoneyCalculator persian("fa_IR");
    const auto minusTwo = persian.evaluate("1-3");
    ASSERT_TRUE(minusTwo);
    EXPECT_EQ(persian.evaluate(*minusTwo), minusTwo);
    EXPECT_EQ(persian.evaluate("\u22122"), minusTwo);
}

TEST(ZTMoneyCalculator, DefaultLocaleIsTheEnvironmentsAndBadIdentifiersFallBackToRoot) {
    {
        Environment::Override pin({.locale = "de_DE"});
        EXPECT_EQ(ZTMoneyCalculator().evaluate("1,5+1"), "2,5");
    }
    {
        Environment::Override pin({.locale = "en_US"});
        EXPECT_EQ(ZTMoneyCalculator().evaluate("1,5+1"), nothing);
    }
    EXPECT_EQ(ZTMoneyCalculator("not a locale!").evaluate("1.5+1"), "2.5");
    EXPECT_EQ(ZTMoneyCalculator("").evaluate("1.5+1"), "2.5");
}

TEST(ZTMoneyCalculator, MalformedExpressionsGiveNothing) {
    for (const char* text :
         {"",      "   ",   "\t\n", "+",    "-",       "×",       "÷",      "5+",   "5×",   "5-",
          "+5",    "--5",   "×5",   "5++2", "5+-2",    "5×-2",    "5÷-2",   "5--2", "5×÷2", "1..5",
          "1.2.3", ".",     "-.",   "5+.",  "1 + 2",   "1 000",   "12a",    "abc",  "1e5",  "0x10",
          "5=",    "(1+2)", "1*2",  "1/2",  "\u22125", "5\u00A0", "\u00D75"}) {
        EXPECT_EQ(en(text), nothing) << '"' << text << '"';
    }
}

TEST(ZTMoneyCalculator, DivisionByZeroGivesNothing) {
    EXPECT_EQ(en("5÷0"), nothing);
    EXPECT_EQ(en("5÷0.00"), nothing);
    EXPECT_EQ(en("1+5÷0×2"), nothing);
    EXPECT_EQ(en("0÷5"), "0");
}

TEST(ZTMoneyCalculator, BrokenUtf8AndHalfOperatorsGiveNothing) {
    EXPECT_EQ(en("5\xC3"), nothing); // the first byte of × alone
    EXPECT_EQ(en("5\xC3\x97"
                 "2"),
              "10"); // × spelled byte by byte
    EXPECT_EQ(en("5\xC3\xB7"
                 "2"),
              "2.5"); // ÷
    EXPECT_EQ(en("5\xC3\x98"
                 "2"),
              nothing); // Ø, a neighbour of ×
    EXPECT_EQ(en(std::string("5\0+1", 4)), nothing);
}

TEST(ZTMoneyCalculator, CapsInputLengthAndDigitsPerNumber) {
    std::string sum = "1";
    while (sum.size() + 2 <= ZTMoneyCalculator::maxInputBytes)
        sum += "+1";
    ASSERT_LE(sum.size(), ZTMoneyCalculator::maxInputBytes);
    EXPECT_EQ(en(sum), std::to_string((sum.size() + 1) / 2));
    EXPECT_EQ(en(sum + "+1"), nothing);
    EXPECT_EQ(en(std::string(ZTMoneyCalculator::maxInputBytes + 1, ' ') + "1"), nothing);

    EXPECT_EQ(en("0." + std::string(28, '0') + "1"), "0"); // 30 digits
    EXPECT_EQ(en("0." + std::string(29, '0') + "1"), nothing);
    EXPECT_EQ(en(std::string(29, '0') + "7"), "7");
    EXPECT_EQ(en(std::string(30, '0') + "7"), nothing);
}

TEST(ZTMoneyCalculator, ValuesBeyondTheMoneyRangeGiveNothing) {
    const std::string largest = "9999999999999"; // 13 digits
    EXPECT_EQ(en(largest), largest);
    EXPECT_EQ(en("-" + largest), "-" + largest);
    EXPECT_EQ(en(largest + ".99"), largest + ".99");
    EXPECT_EQ(en("10000000000000"), nothing);
    EXPECT_EQ(en(largest + "+1"), nothing);
    EXPECT_EQ(en("-" + largest + "-1"), nothing);
    // Rounding up to the limit leaves the range too.
    EXPECT_EQ(en(largest + ".995"), nothing);
    EXPECT_EQ(en(largest + ".994"), largest + ".99");
    // Intermediate products are bounded as well, even when a later step would bring them back.
    EXPECT_EQ(en("5000000000000×2÷4"), nothing);
    EXPECT_EQ(en("5000000000000÷4×2"), "2500000000000");
    EXPECT_EQ(en("9999999×9999999"), nothing);
    EXPECT_EQ(en("0.0000001×0.0000001"), "0");
}

TEST(ZTMoneyCalculator, ResultsEvaluateToThemselves) {
    for (const char* locale :
         {"en_US", "de_DE", "fr_FR", "de_CH", "sv_SE", "ar_EG", "fa_IR", "hi_IN", "bn_BD"}) {
        const ZTMoneyCalculator calculator(locale);
        for (const char* expression :
             {"1÷3", "-7÷8", "1234567.891", "0-0.004", "2÷3-1", "9999999999999.99"}) {
            // Typed in ASCII digits; the separator is the locale's.
            std::string text = expression;
            if (const auto dot = text.find('.'); dot != std::string::npos)
                text.replace(dot, 1, calculator.decimalSeparator());
            const auto result = calculator.evaluate(text);
            ASSERT_TRUE(result) << locale << ' ' << expression;
            EXPECT_EQ(calculator.evaluate(*result), result) << locale << ' ' << expression;
            EXPECT_EQ(result->find("\u00A0"), std::string::npos) << "grouping in " << *result;
        }
    }
}
