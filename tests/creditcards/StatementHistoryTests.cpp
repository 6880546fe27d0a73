#include "ZTSwiftUIComponents/creditcards/CreditCardLastStatement.h"
#include "platform/Environment.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <vector>

using namespace zt;
using ::testing::ElementsAre;

namespace {

using History = std::vector<std::shared_ptr<CreditCardLastStatement>>;

class StatementHistory : public ::testing::Test {
protected:
    Calendar berlin{"Europe/Berlin"};
    Environment::Override env{{.locale = "en_US", .timeZone = "Europe/Berlin", .now = at(2025, 6, 10)}};

    Date at(int y, int m, int d, int h = 0, int mi = 0, int s = 0) const {
        return berlin.date(y, m, d, h, mi, s).value();
    }
    Date endOf(int y, int m, int d) const { return at(y, m, d, 23, 59, 59); }
    DateInterval days(int y1, int m1, int d1, int y2, int m2, int d2) const {
        return DateInterval{at(y1, m1, d1), endOf(y2, m2, d2)};
    }

    static std::vector<DateInterval> cycles(const History& history) {
        std::vector<DateInterval> out;
        for (const auto& s : history)
            out.push_back(s->billingCycle());
        return out;
    }
    static std::vector<Date> dueDates(const History& history) {
        std::vector<Date> out;
        for (const auto& s : history)
            out.push_back(s->paymentDueDate());
        return out;
    }
};

} // namespace

TEST_F(StatementHistory, GoesBackUntilAStatementCoversTheDateToReach) {
    const auto known = days(2025, 3, 15, 2025, 4, 14);
    const auto history =
        CreditCardLastStatement::generateBillingCycles(known, at(2025, 5, 9), at(2025, 1, 20));
    EXPECT_THAT(cycles(history), ElementsAre(days(2025, 3, 15, 2025, 4, 14), days(2025, 2, 15, 2025, 3, 14),
                                             days(2025, 1, 15, 2025, 2, 14)));
    EXPECT_THAT(dueDates(history), ElementsAre(at(2025, 5, 9), at(2025, 4, 9), at(2025, 3, 9)));
    for (const auto& statement : history) {
        EXPECT_EQ(statement->statementDueAmount(), 0.0);
        EXPECT_EQ(statement->paidAmount(), 0);
    }
    // The statements share one calendar: the environment's.
    EXPECT_EQ(&history[0]->calendar(), &history[2]->calendar());
    EXPECT_EQ(history[0]->calendar().timeZoneIdentifier(), "Europe/Berlin");

    // A date after the first statement needs no history; one inside it neither.
    EXPECT_EQ(CreditCardLastStatement::generateBillingCycles(known, at(2025, 5, 9), at(2025, 5, 1)).size(),
              1u);
    EXPECT_EQ(CreditCardLastStatement::generateBillingCycles(known, at(2025, 5, 9), at(2025, 4, 1)).size(),
              1u);
    // The opening and closing days count as covered, whatever the time of day.
    EXPECT_EQ(CreditCardLastStatement::generateBillingCycles(known, at(2025, 5, 9), at(2025, 2, 15, 0, 0, 1))
                  .size(),
              2u);
    EXPECT_EQ(
        CreditCardLastStatement::generateBillingCycles(known, at(2025, 5, 9), at(2025, 2, 14, 23)).size(),
        3u);
}

TEST_F(StatementHistory, ACycleOpeningOnThe31stClampsEachMonthFromTheFirstStatement) {
    // Known cycle 31 May – 30 June 2025; the first closing is anchored to the next opening.
    const auto known = days(2025, 5, 31, 2025, 6, 30);
    const auto history =
        CreditCardLastStatement::generateBillingCycles(known, at(2025, 7, 20), at(2025, 1, 31));
    EXPECT_THAT(cycles(history), ElementsAre(days(2025, 5, 31, 2025, 6, 29), days(2025, 4, 30, 2025, 5, 30),
                                             days(2025, 3, 31, 2025, 4, 29), days(2025, 2, 28, 2025, 3, 30),
                                             days(2025, 1, 31, 2025, 2, 27)));
    // Due dates step back from the first one, so February's clamp does not carry into January.
    EXPECT_THAT(dueDates(history), ElementsAre(at(2025, 7, 20), at(2025, 6, 20), at(2025, 5, 20),
                                               at(2025, 4, 20), at(2025, 3, 20)));
    // Consecutive statements tile: each closes one second before the next one opens.
    for (std::size_t i = 1; i < history.size(); ++i)
        EXPECT_EQ(history[i]->closingDate() + 1, history[i - 1]->openingDate()) << i;
}

TEST_F(StatementHistory, TilesWhereADayStartsAtOneInTheMorning) {
    // In Santiago the clocks jump from 00:00 to 01:00 on the first Sunday of September
    // (8 September 2024): that day starts at 01:00.
    const Environment::Override chile({.timeZone = "America/Santiago"});
    const Calendar santiago("America/Santiago");
    const auto local = [&](int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
        return santiago.date(y, m, d, h, mi, s).value();
    };
    const DateInterval known{local(2024, 10, 8), local(2024, 11, 7, 23, 59, 59)};
    const auto history =
        CreditCardLastStatement::generateBillingCycles(known, local(2024, 11, 25), local(2024, 8, 20));
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history[1]->openingDate(), local(2024, 9, 8, 1)); // the first instant of the 8th
    EXPECT_EQ(santiago.component(CalendarComponent::hour, history[1]->openingDate()), 1);
    EXPECT_EQ(history[2]->closingDate(), local(2024, 9, 7, 23, 59, 59));
    for (std::size_t i = 1; i < history.size(); ++i)
        EXPECT_EQ(history[i]->closingDate() + 1, history[i - 1]->openingDate()) << i;
}

TEST_F(StatementHistory, TheLoopIsBoundedForDatesItCannotReach) {
    const auto known = days(2025, 3, 15, 2025, 4, 14);
    constexpr auto bound = static_cast<std::size_t>(CreditCardLastStatement::maximumHistoryLength);
    static_assert(CreditCardLastStatement::maximumHistoryLength == 1200);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(CreditCardLastStatement::generateBillingCycles(known, at(2025, 5, 9), Date(nan)).size(), bound);
    const auto farPast =
        CreditCardLastStatement::generateBillingCycles(known, at(2025, 5, 9), at(1700, 1, 1));
    ASSERT_EQ(farPast.size(), bound);
    // The last one allowed: 1199 months before the first.
    EXPECT_EQ(farPast.back()->billingCycle(), days(1925, 4, 15, 1925, 5, 14));

    // Reaching exactly the last allowed statement is still a complete history…
    const auto exact =
        CreditCardLastStatement::generateBillingCycles(known, at(2025, 5, 9), at(1925, 4, 15, 12));
    EXPECT_EQ(exact.size(), bound);
    EXPECT_TRUE(exact.back()->billingCycle().contains(at(1925, 4, 15, 12)));
    // …one day earlier would need one more and stops at the bound all the same.
    const auto beyond =
        CreditCardLastStatement::generateBillingCycles(known, at(2025, 5, 9), at(1925, 4, 14, 12));
    EXPECT_EQ(beyond.size(), bound);
    EXPECT_FALSE(beyond.back()->billingCycle().contains(at(1925, 4, 14, 12)));

    // A known cycle that is no date at all gives the one statement it describes.
    const DateInterval broken{Date(nan), Date(nan)};
    EXPECT_EQ(CreditCardLastStatement::generateBillingCycles(broken, at(2025, 5, 9), at(2025, 1, 1)).size(),
              1u);
}
