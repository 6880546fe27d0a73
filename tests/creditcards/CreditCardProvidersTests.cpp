#include "ZTSwiftUIComponents/creditcards/CreditCardDetailsProvider.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardEntryProvider.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/InMemoryNotificationCenter.h"
#include "platform/MainQueue.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

using namespace zt;
using ::testing::ElementsAre;

namespace {

class Providers : public ::testing::Test {
protected:
    Calendar berlin{"Europe/Berlin"};
    test::PinnedEnvironment pinned{{.now = at(2025, 6, 10, 12)}};

    Date at(int y, int m, int d, int h = 0) const { return berlin.date(y, m, d, h).value(); }
    Date endOf(int y, int m, int d) const { return berlin.endOfDay(at(y, m, d)); }

    std::shared_ptr<CreditCardEntryProvider> entry(std::optional<double> limit, Date due) const {
        return std::make_shared<CreditCardEntryProvider>(
            limit,
            std::make_shared<CreditCardLastStatement>(at(2025, 3, 15), endOf(2025, 4, 14), due, berlin),
            AccountRemindersData::create({}, std::nullopt, std::make_shared<InMemoryNotificationCenter>()));
    }

    std::shared_ptr<CreditCardLastStatement> statement(Date due, std::optional<double> amount,
                                                       double paid) const {
        auto s = std::make_shared<CreditCardLastStatement>(at(2025, 1, 1), endOf(2025, 1, 31), due, berlin);
        s->statementDueAmount.set(amount);
        s->paidAmount.set(paid);
        return s;
    }
    static std::vector<std::optional<double>> dueAmounts(const CreditCardDetailsProviding& details) {
        std::vector<std::optional<double>> out;
        for (const auto& s : details.statements())
            out.push_back(s->statementDueAmount());
        return out;
    }
};

} // namespace

TEST_F(Providers, BalanceMayNotExceedTheLimitOnceBothAreEntered) {
    const auto card = entry(1000, at(2025, 5, 9));
    EXPECT_TRUE(card->isValidationPassed(std::nullopt));
    EXPECT_TRUE(card->isValidationPassed(1000));
    EXPECT_FALSE(card->isValidationPassed(1000.01));
    card->limit().set(std::nullopt);
    EXPECT_TRUE(card->isValidationPassed(1e9));
}

TEST_F(Providers, UpcomingDueDateIsTheNextOneNotInThePast) {
    // Now is 10 June 2025 12:00.
    EXPECT_EQ(entry(1000, at(2025, 6, 20))->upcomingDueDate(), at(2025, 6, 20));
    EXPECT_EQ(entry(1000, at(2025, 6, 10, 12))->upcomingDueDate(), at(2025, 6, 10, 12)); // due this instant
    EXPECT_EQ(entry(1000, at(2025, 6, 10, 9))->upcomingDueDate(), at(2025, 7, 10, 9));
    EXPECT_EQ(entry(1000, at(2025, 5, 9))->upcomingDueDate(), at(2025, 7, 9));
    // All twelve months later are past too: the due date itself.
    EXPECT_EQ(entry(1000, at(2023, 5, 9))->upcomingDueDate(), at(2023, 5, 9));
}

TEST_F(Providers, CurrentCycleComesFromTheLastStatementAsTheKnownCycle) {
    const auto card = entry(1000, at(2025, 5, 9));
    EXPECT_EQ(card->currentBilingCycle(), (DateInterval{at(2025, 5, 15), endOf(2025, 6, 14)}));
    EXPECT_EQ(card->currentBilingCycle(at(2025, 6, 15)), (DateInterval{at(2025, 6, 15), endOf(2025, 7, 14)}));
    EXPECT_EQ(card->currentCycleFormatted(), "Current: May 15\u2009\u2013\u2009Jun 14, 2025");

    // A statement moved to another opening day moves the cycle.
    card->lastStatement()()->setOpeningDate(at(2025, 3, 31));
    EXPECT_EQ(card->currentBilingCycle(), (DateInterval{at(2025, 5, 31), endOf(2025, 6, 29)}));

    const Environment::Override german{{.locale = "de_DE"}};
    EXPECT_EQ(card->currentCycleFormatted(), "Aktuell: 31.05. \u2013 29.06.2025");
}

TEST_F(Providers, DemoEntryProviderOnlyWritesToTheConsoleWhenScheduling) {
    const ConsoleCapture console;
    entry(1000, at(2025, 5, 9))->scheduleReminders();
    EXPECT_THAT(console.lines(), ElementsAre("Reminders scheduled."));
}

TEST_F(Providers, CurrentDueDateIsTheNextDayWithTheDueNumberAfterTheCycle) {
    const DateInterval cycle{at(2025, 3, 15), endOf(2025, 4, 14)};
    EXPECT_EQ(CreditCardDetailsProviding::currentDueDate(cycle, 25), at(2025, 4, 25));
    EXPECT_EQ(CreditCardDetailsProviding::currentDueDate(cycle, 14), at(2025, 5, 14));
    EXPECT_EQ(CreditCardDetailsProviding::currentDueDate(cycle, 0), std::nullopt);
}

TEST_F(Providers, RemainingDueCarriesUnpaidAmountsForwardInDueDateOrder) {
    // Given out of order; the host's order is kept, only the amounts change.
    const auto june = statement(at(2025, 6, 9), std::nullopt, 10);
    const auto april = statement(at(2025, 4, 9), 100, 40);
    const auto may = statement(at(2025, 5, 9), 200, 0);
    CreditCardDetailsProvider details("Card", "creditcard", Color{}, 1000, {june, april, may});
    details.calculateRemainingDue(12345);
    EXPECT_THAT(dueAmounts(details), ElementsAre(260, 100, 260));
    EXPECT_EQ(details.statements()[0], june);

    // Overpaid statements carry a credit; equal due dates keep the host's order.
    const auto first = statement(at(2025, 4, 9), 50, 80);
    const auto second = statement(at(2025, 4, 9), 20, 0);
    CreditCardDetailsProvider ties("Card", "creditcard", Color{}, std::nullopt, {first, second});
    ties.calculateRemainingDue();
    EXPECT_THAT(dueAmounts(ties), ElementsAre(50, -10));

    CreditCardDetailsProvider empty("Card", "creditcard", Color{}, std::nullopt, {});
    EXPECT_NO_THROW(empty.calculateRemainingDue());
}
