#include "ZTSwiftUIComponents/creditcards/APRCalculator.h"
#include "ZTSwiftUIComponents/creditcards/CreditCard.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardCellItem.h"
#include "platform/Environment.h"

#include <gtest/gtest.h>
#include <memory>

using namespace zt;

namespace {

class Interest : public ::testing::Test {
protected:
    Calendar berlin{"Europe/Berlin"};
    Environment::Override env{{.locale = "en_US", .timeZone = "Europe/Berlin", .now = Date(0)}};

    DateInterval days(int y1, int m1, int d1, int y2, int m2, int d2) const {
        return DateInterval{berlin.date(y1, m1, d1).value(), berlin.date(y2, m2, d2, 23, 59, 59).value()};
    }
};

std::shared_ptr<CreditCard<CCTransaction>> card(double limit, double balance, std::string icon) {
    return std::make_shared<CreditCard<CCTransaction>>("c", "Everyday Visa", limit, balance, "EUR",
                                                       DateInterval{Date(0), Date(86399)}, 9, std::move(icon),
                                                       std::vector<CCTransaction>{});
}

} // namespace

TEST_F(Interest, ChargesTheDailyRateForEveryDayOfTheCycle) {
    const APRCalculator calculator(0.2); // a plain fraction: 20 % a year
    EXPECT_EQ(calculator.annualPercentageRate(), 0.2);
    EXPECT_DOUBLE_EQ(calculator.dailyPeriodicRate(), 0.2 / 365);
    // March has 31 days, both ends counted, though 30 March lasts only 23 hours.
    EXPECT_NEAR(calculator.interestCharged(1000, days(2025, 3, 1, 2025, 3, 31)), 16.99, 0.005);
    EXPECT_DOUBLE_EQ(calculator.interestCharged(1000, days(2025, 3, 1, 2025, 3, 31)), 1000 * 0.2 / 365 * 31);
    EXPECT_DOUBLE_EQ(calculator.interestCharged(365, days(2024, 2, 1, 2024, 2, 29)), 0.2 * 29); // leap year
    EXPECT_DOUBLE_EQ(calculator.interestCharged(365, days(2025, 5, 5, 2025, 5, 5)), 0.2);       // one day
    EXPECT_EQ(calculator.interestCharged(0, days(2025, 3, 1, 2025, 3, 31)), 0);

    // The day count follows the calendar handed in: in Tokyo the cycle's last instant already
    // falls on 1 April, one more day.
    const Calendar tokyo("Asia/Tokyo");
    EXPECT_DOUBLE_EQ(calculator.interestCharged(365, days(2025, 3, 1, 2025, 3, 31), tokyo), 0.2 * 32);
}

TEST_F(Interest, CellItemTextsComeFromTheCardAndTheFormatter) {
    const CreditCardCellItem item(card(1000, 250, "creditcard.fill"),
                                  NumberFormatter::currency("en_US", "EUR"));
    EXPECT_EQ(item.title, "Everyday Visa");
    EXPECT_EQ(item.dueDate, "nothing");
    EXPECT_EQ(item.balance, "€250.00");
    EXPECT_EQ(item.availableFunds, "€750.00 available");
    EXPECT_EQ(item.iconImage, "creditcard.fill");
    EXPECT_EQ(item.creditCard->identifier(), "c");

    const CreditCardCellItem overdrawn(card(1000, 1200, "no.such.symbol"),
                                       NumberFormatter::currency("en_US", "EUR"));
    EXPECT_EQ(overdrawn.availableFunds, "€0.00 available");
    EXPECT_EQ(overdrawn.iconImage, std::nullopt);
    EXPECT_EQ(CreditCardCellItem(card(1, 0, ""), NumberFormatter::currency("en_US", "EUR")).iconImage,
              std::nullopt);
}

TEST_F(Interest, CellItemTextsAreLocalised) {
    const Environment::Override german({.locale = "de_DE"});
    const CreditCardCellItem item(card(1000, 250, "creditcard"), NumberFormatter::currency("de_DE", "EUR"));
    EXPECT_EQ(item.balance, "250,00\u00a0€");
    EXPECT_EQ(item.availableFunds, "750,00\u00a0€ verfügbar");
}
