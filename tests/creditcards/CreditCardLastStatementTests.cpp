#include "ZTSwiftUIComponents/creditcards/CreditCardLastStatement.h"
#include "platform/Environment.h"
#include "support/Observation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace zt;
using ::testing::ElementsAre;

namespace {

class LastStatement : public ::testing::Test {
protected:
    Calendar berlin{"Europe/Berlin"};
    Environment::Override env{{.locale = "en_US", .timeZone = "Europe/Berlin", .now = at(2025, 6, 10, 12)}};

    Date at(int y, int m, int d, int h = 0, int mi = 0, int s = 0) const {
        return berlin.date(y, m, d, h, mi, s).value();
    }
    Date endOf(int y, int m, int d) const { return at(y, m, d, 23, 59, 59); }
};

} // namespace

TEST_F(LastStatement, WithoutADueDateItIsDueFifteenDaysAfterClosing) {
    const CreditCardLastStatement statement(at(2025, 3, 15), endOf(2025, 4, 14));
    EXPECT_EQ(statement.openingDate(), at(2025, 3, 15));
    EXPECT_EQ(statement.closingDate(), endOf(2025, 4, 14));
    EXPECT_EQ(statement.paymentDueDate(), endOf(2025, 4, 29));
    EXPECT_EQ(statement.billingGracePeriod(), 15);
    EXPECT_EQ(statement.statementDueAmount(), std::nullopt);
    EXPECT_EQ(statement.minimumDueAmount(), std::nullopt);
    EXPECT_EQ(statement.paidAmount(), 0);
    EXPECT_EQ(statement.calendar().timeZoneIdentifier(), "Europe/Berlin"); // the environment's
    EXPECT_EQ(statement.billingCycle(), (DateInterval{at(2025, 3, 15), endOf(2025, 4, 14)}));

    // Fifteen calendar days, not 15 × 24 hours: 30 March has 23 hours.
    const CreditCardLastStatement acrossDST(at(2025, 2, 21), endOf(2025, 3, 20), std::nullopt, berlin);
    EXPECT_EQ(acrossDST.paymentDueDate(), endOf(2025, 4, 4));
}

TEST_F(LastStatement, AGivenDueDateFixesTheGracePeriodAsADayCount) {
    const CreditCardLastStatement statement(at(2025, 3, 15), endOf(2025, 4, 14), at(2025, 5, 9));
    EXPECT_EQ(statement.paymentDueDate(), at(2025, 5, 9)); // kept as given
    EXPECT_EQ(statement.billingGracePeriod(), 25);         // 14 April to 9 May, not the 9 of the due day

    // Day starts are counted, so the 23-hour 30 March does not cost a day.
    const CreditCardLastStatement acrossDST(at(2025, 2, 21), endOf(2025, 3, 20), at(2025, 4, 5));
    EXPECT_EQ(acrossDST.billingGracePeriod(), 16);
    const CreditCardLastStatement sameDay(at(2025, 2, 21), endOf(2025, 3, 20), at(2025, 3, 20, 8));
    EXPECT_EQ(sameDay.billingGracePeriod(), 0);
}

TEST_F(LastStatement, ChangingTheOpeningDateMovesClosingAndDueDateInThatOrder) {
    // Only the rule moves the opening date: assigned alone it would leave the other dates behind.
    EXPECT_FALSE((test::assignableFromOutside<decltype(CreditCardLastStatement::openingDate), Date>));
    EXPECT_TRUE((test::assignableFromOutside<decltype(CreditCardLastStatement::paymentDueDate), Date>));
    CreditCardLastStatement statement(at(2025, 3, 15), endOf(2025, 4, 14), at(2025, 5, 9));
    std::vector<std::string> heard;
    std::vector<Date> openingWhenClosingHeard;
    auto a = statement.openingDate.observe([&](Date) { heard.push_back("opening"); });
    auto b = statement.closingDate.observe([&](Date) {
        heard.push_back("closing");
        openingWhenClosingHeard.push_back(statement.openingDate());
    });
    auto c = statement.paymentDueDate.observe([&](Date) { heard.push_back("due"); });

    statement.setOpeningDate(at(2025, 5, 15));
    EXPECT_THAT(heard, ElementsAre("opening", "closing", "due"));
    EXPECT_THAT(openingWhenClosingHeard, ElementsAre(at(2025, 5, 15))); // already moved
    EXPECT_EQ(statement.closingDate(), endOf(2025, 6, 14));
    EXPECT_EQ(statement.paymentDueDate(), endOf(2025, 7, 9)); // the same 25 days on: due on the 9th again

    // A cycle opening on the 31st closes before the clamped next opening.
    statement.setOpeningDate(at(2025, 1, 31));
    EXPECT_EQ(statement.closingDate(), endOf(2025, 2, 27));
    EXPECT_EQ(statement.paymentDueDate(), endOf(2025, 3, 24));
    EXPECT_EQ(statement.billingGracePeriod(), 25); // fixed at construction
}

TEST_F(LastStatement, AmountsProgressAndValidation) {
    CreditCardLastStatement statement(at(2025, 3, 15), endOf(2025, 4, 14));
    std::vector<std::optional<double>> dueAmounts;
    auto s = statement.statementDueAmount.observe([&](const auto& v) { dueAmounts.push_back(v); });
    EXPECT_EQ(statement.progress(), 0); // nothing due yet
    EXPECT_TRUE(statement.isValidationPassed());

    statement.paidAmount.set(10);
    EXPECT_EQ(statement.remainingDue(), -10);
    statement.statementDueAmount.set(200.0);
    statement.paidAmount.set(50);
    EXPECT_EQ(statement.remainingDue(), 150);
    EXPECT_EQ(statement.progress(), 0.25);
    statement.paidAmount.set(300);
    EXPECT_EQ(statement.progress(), 1.5); // overpaid, not clamped
    EXPECT_EQ(statement.remainingDue(), -100);

    statement.statementDueAmount.set(0.0);
    EXPECT_EQ(statement.progress(), 0); // paid over nothing due
    statement.paidAmount.set(0);
    EXPECT_EQ(statement.progress(), 0); // 0 / 0
    EXPECT_THAT(dueAmounts, ElementsAre(200.0, 0.0));

    statement.statementDueAmount.set(50.0);
    statement.minimumDueAmount.set(50.0);
    EXPECT_TRUE(statement.isValidationPassed());
    statement.minimumDueAmount.set(60.0);
    EXPECT_FALSE(statement.isValidationPassed());
    statement.statementDueAmount.set(std::nullopt);
    EXPECT_TRUE(statement.isValidationPassed()); // one amount missing: nothing to compare
}

TEST_F(LastStatement, UpcomingDueDatesStartWithTheDueDateOnlyWhenItIsNotPast) {
    // Now is 10 June 2025 12:00.
    const CreditCardLastStatement yesterday(at(2025, 4, 10), endOf(2025, 5, 9), at(2025, 6, 9));
    const auto past = yesterday.upcomingDueDates();
    ASSERT_EQ(past.size(), 12u);
    EXPECT_EQ(past.front(), at(2025, 7, 9));
    EXPECT_EQ(past.back(), at(2026, 6, 9));

    const CreditCardLastStatement tomorrow(at(2025, 4, 12), endOf(2025, 5, 11), at(2025, 6, 11));
    const auto coming = tomorrow.upcomingDueDates();
    ASSERT_EQ(coming.size(), 13u);
    EXPECT_EQ(coming.front(), at(2025, 6, 11));
    EXPECT_EQ(coming[1], at(2025, 7, 11));

    const CreditCardLastStatement now(at(2025, 4, 11), endOf(2025, 5, 10), at(2025, 6, 10, 12));
    EXPECT_EQ(now.upcomingDueDates().size(), 13u); // due this very instant is not past

    // Each month is counted from the due date itself, so a clamped February does not stick.
    const CreditCardLastStatement endOfMonth(at(2024, 12, 1), endOf(2024, 12, 31), at(2025, 1, 31, 9));
    const auto dates = endOfMonth.upcomingDueDates(at(2025, 1, 1));
    EXPECT_THAT(std::vector<Date>(dates.begin(), dates.begin() + 4),
                ElementsAre(at(2025, 1, 31, 9), at(2025, 2, 28, 9), at(2025, 3, 31, 9), at(2025, 4, 30, 9)));
}
