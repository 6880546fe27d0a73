#include "ZTSwiftUIComponents/creditcards/CreditCardBalanceSection.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardDetailCardView.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardDetailsProvider.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardDetailsView.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardLastStatementSection.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardLastStatementView.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardStatementPayButtonView.h"
#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

using namespace zt;
using ::testing::ElementsAre;

namespace {

using TransactionsRequest = std::tuple<std::optional<DateInterval>, bool, bool>;

class CardScreens : public ::testing::Test {
protected:
    Calendar berlin{"Europe/Berlin"};
    test::PinnedEnvironment pinned{{.now = at(2025, 5, 10, 12)}};
    DateFormatter dayMonth = DateFormatter::withFormat("d MMM");
    NumberFormatter dollars = NumberFormatter::currency("en_US", "USD");

    Date at(int y, int m, int d, int h = 0) const { return berlin.date(y, m, d, h).value(); }
    Date endOf(int y, int m, int d) const { return berlin.endOfDay(at(y, m, d)); }

    std::shared_ptr<CreditCardLastStatement>
    statement(Date opening, Date due, std::optional<double> amount = {}, double paid = 0) const {
        auto s =
            std::make_shared<CreditCardLastStatement>(opening, zt::closingDate(opening, berlin), due, berlin);
        s->statementDueAmount.set(amount);
        s->paidAmount.set(paid);
        return s;
    }
    ui::View payPrompt(Date due, Date reference, int* pressed = nullptr) const {
        return CreditCardStatementPayButtonView(reference, due, dayMonth,
                                                [pressed] {
                                                    if (pressed)
                                                        ++*pressed;
                                                })
            .body();
    }
    static std::string text(const ui::View& root, const std::string& id) {
        return ui::find(root, ui::byId(id)).as<ui::Text>()->content;
    }
};

} // namespace

TEST_F(CardScreens, PayPromptPastDueTodayOrDaysLeft) {
    // Due at midnight, looked at in the afternoon: the instant has passed, so no "today".
    auto body = payPrompt(at(2025, 5, 12), at(2025, 5, 12, 15));
    EXPECT_THAT(ui::visibleTexts(ui::find(body, ui::byId("paymentPrompt"))),
                ElementsAre("Payment due date", "12 May"));
    EXPECT_TRUE(ui::find(body, "12 May").as<ui::Text>()->style.bold);
    EXPECT_FALSE(ui::exists(body, "Payment is due today"));
    EXPECT_TRUE(ui::exists(payPrompt(at(2025, 5, 11, 23), at(2025, 5, 12)), "Payment due date"));

    // Due later the same day, or this very instant.
    for (const auto& [due, reference] : {std::pair{at(2025, 5, 12, 18), at(2025, 5, 12, 9)},
                                         std::pair{at(2025, 5, 12, 9), at(2025, 5, 12, 9)}}) {
        body = payPrompt(due, reference);
        const auto& today = *ui::find(body, "Payment is due today").as<ui::Text>();
        EXPECT_TRUE(today.style.bold);
        EXPECT_TRUE(today.style.color.has_value());
        EXPECT_FALSE(ui::exists(body, "Payment due date"));
    }

    // Later days: the payment-due message with its parts in bold.
    body = payPrompt(at(2025, 5, 12), at(2025, 5, 9));
    const auto& message = ui::find(body, ui::byAccessibilityLabel("Payment due in 3 days, by 12 May"));
    std::vector<std::string> bold;
    for (const auto& run : message.children()) {
        EXPECT_EQ(run.as<ui::Text>()->style.font, ui::Font::callout);
        if (run.as<ui::Text>()->style.bold)
            bold.push_back(run.as<ui::Text>()->content);
    }
    EXPECT_THAT(bold, ElementsAre("3 days", "12 May"));
    // Whole days only: an hour before the next day's midnight counts none.
    EXPECT_TRUE(ui::exists(payPrompt(at(2025, 5, 13), at(2025, 5, 12, 23)),
                           ui::byAccessibilityLabel("Payment due in 0 days, by 13 May")));

    int pressed = 0;
    ui::press(payPrompt(at(2025, 5, 12), at(2025, 5, 9), &pressed), "Make a Payment");
    EXPECT_EQ(pressed, 1);
    EXPECT_NO_THROW(
        ui::press(CreditCardStatementPayButtonView(at(2025, 5, 9), at(2025, 5, 12), dayMonth, {}).body(),
                  "Make a Payment"));
}

TEST_F(CardScreens, StatementViewShowsCongratsOnlyWhenNothingRemains) {
    const auto s = statement(at(2025, 3, 15), at(2025, 5, 12), 100, 100);
    int payments = 0;
    const CreditCardLastStatementView view(s, dollars, dayMonth, at(2025, 5, 9), [&] { ++payments; });
    auto body = view.body();
    EXPECT_TRUE(ui::exists(body, "Congrats"));
    EXPECT_EQ(ui::find(body, "Congrats").as<ui::Text>()->style.color, ui::Color(Theme::shared().accentColor));
    EXPECT_TRUE(ui::exists(body, "You have fully paid your last statement balance"));
    EXPECT_FALSE(ui::exists(body, "Make a Payment"));
    EXPECT_EQ(text(body, "remainingDue"), "$0.00");
    EXPECT_EQ(ui::find(body, ui::byId("statementCycle")).as<ui::Label>()->title,
              "Mar 15\u2009\u2013\u2009Apr 14, 2025");

    // Overpaid: the remainder is negative, not zero, so the prompt is back.
    s->paidAmount.set(120);
    body = view.body();
    EXPECT_FALSE(ui::exists(body, "Congrats"));
    EXPECT_EQ(text(body, "remainingDue"), "-$20.00");
    EXPECT_EQ(text(body, "paidAmount"), "$120.00");
    EXPECT_EQ(text(body, "totalAmount"), "$100.00");
    EXPECT_DOUBLE_EQ(ui::find(body, ui::byId("paidProgress")).as<ui::ProgressBar>()->value, 1.0);
    EXPECT_TRUE(ui::exists(body, ui::byAccessibilityLabel("Payment due in 3 days, by 12 May")));
    ui::press(body, "Make a Payment");
    EXPECT_EQ(payments, 1);

    s->paidAmount.set(25);
    EXPECT_DOUBLE_EQ(ui::find(view.body(), ui::byId("paidProgress")).as<ui::ProgressBar>()->value, 0.25);
    // No amount entered yet: nothing to pay, still not "fully paid".
    s->statementDueAmount.set(std::nullopt);
    s->paidAmount.set(0);
    body = view.body();
    EXPECT_TRUE(ui::exists(body, "Congrats"));
    EXPECT_EQ(text(body, "totalAmount"), "$0.00");
    EXPECT_DOUBLE_EQ(ui::find(body, ui::byId("paidProgress")).as<ui::ProgressBar>()->value, 0.0);
}

TEST_F(CardScreens, DetailsWithoutStatementsShowTheReferenceMonth) {
    auto details = std::make_shared<CreditCardDetailsProvider>(
        "Card", "creditcard", Color{}, 1000, std::vector<std::shared_ptr<CreditCardLastStatement>>{});
    const CreditCardDetailsView view(details, "USD", at(2025, 2, 14, 12), {});
    EXPECT_EQ(view.currentCycle(), (DateInterval{at(2025, 2, 1), endOf(2025, 2, 28)}));
    const auto body = view.body();
    EXPECT_EQ(body.as<ui::NavigationTitle>()->title, "Details");
    EXPECT_TRUE(ui::exists(body, "Current: Feb 1\u2009\u2013\u200928, 2025"));
    EXPECT_TRUE(ui::exists(body, "Billing Cycles"));
    EXPECT_FALSE(ui::exists(body, ui::byId("statementCycle")));
    EXPECT_FALSE(ui::exists(body, "Last billing cycle"));
    // No counter given: the screen does not know the cycle is empty.
    EXPECT_FALSE(ui::exists(body, "No transactions for this billing cycle"));
    EXPECT_NO_THROW(ui::press(body, "View purchases")); // no action given
}

TEST_F(CardScreens, DetailsListStatementsLatestDueFirstAndUseTheLatestAsCurrent) {
    const auto april = statement(at(2025, 2, 15), at(2025, 4, 9), 300, 300);
    const auto may = statement(at(2025, 3, 15), at(2025, 5, 9), 500, 100);
    auto details = std::make_shared<CreditCardDetailsProvider>(
        "Card", "creditcard", Color{}, 1000,
        std::vector<std::shared_ptr<CreditCardLastStatement>>{april, may});
    std::vector<TransactionsRequest> requests;
    std::vector<DateInterval> counted;
    std::size_t count = 0;
    const CreditCardDetailsView view(
        details, "USD", at(2025, 5, 10), {},
        [&](std::optional<DateInterval> interval, bool purchases, bool payments) {
            requests.emplace_back(interval, purchases, payments);
        },
        [&](const DateInterval& cycle) {
            counted.push_back(cycle);
            return count;
        });
    auto body = view.body();

    EXPECT_TRUE(ui::exists(body, "Current: Mar 15\u2009\u2013\u2009Apr 14, 2025"));
    std::vector<std::string> listed;
    for (const auto* label : ui::findAll(body, ui::byId("statementCycle")))
        listed.push_back(label->as<ui::Label>()->title);
    EXPECT_THAT(listed,
                ElementsAre("Mar 15\u2009\u2013\u2009Apr 14, 2025", "Feb 15\u2009\u2013\u2009Mar 14, 2025"));
    EXPECT_EQ(details->statements()[0], april); // the host's list is not reordered
    EXPECT_EQ(text(body, "lastBillingCycle"), "Feb 15\u2009\u2013\u2009Mar 14, 2025");
    EXPECT_EQ(text(body, "lastCycleExpenses"), "$300.00");
    EXPECT_THAT(counted, ElementsAre(may->billingCycle()));
    EXPECT_TRUE(ui::exists(body, "No transactions for this billing cycle"));

    ui::press(body, "View purchases");
    ui::press(body, "View payments");
    ui::press(body, "View all transactions");
    ui::press(body, ui::byId("lastCycleTransactions"));
    // Every statement, not only the previous one, opens its own cycle.
    const auto statementActions = ui::findAll(body, ui::byId("statementTransactions"));
    ASSERT_EQ(statementActions.size(), 2u);
    for (const auto* action : statementActions)
        ui::press(*action, ui::byId("statementTransactions"));
    EXPECT_THAT(requests, ElementsAre(TransactionsRequest{std::nullopt, true, false},
                                      TransactionsRequest{std::nullopt, false, true},
                                      TransactionsRequest{std::nullopt, true, true},
                                      TransactionsRequest{april->billingCycle(), true, false},
                                      TransactionsRequest{may->billingCycle(), true, false},
                                      TransactionsRequest{april->billingCycle(), true, false}));

    count = 4;
    EXPECT_FALSE(ui::exists(view.body(), "No transactions for this billing cycle"));
}

TEST_F(CardScreens, StatementSectionEditsTheStatement) {
    const auto s = statement(at(2025, 3, 15), at(2025, 5, 9));
    const CreditCardLastStatementSection section(s, at(2025, 5, 10, 12), dollars);
    auto body = section.body();
    EXPECT_EQ(ui::find(body, "Last Statement").as<ui::Section>()->footer,
              "You can get these data from your latest card statement from your bank.");
    EXPECT_EQ(text(body, "closingDate"), "Apr 14, 2025");

    // Amounts are typed as numbers of the user's locale; minimum above the amount is refused.
    ui::typeText(body, "Payment due", "50");
    ui::typeText(body, "Minimum due", "60");
    EXPECT_EQ(s->statementDueAmount(), 50.0);
    EXPECT_EQ(s->minimumDueAmount(), 60.0);
    body = section.body();
    EXPECT_EQ(ui::find(body, ui::byId("statementDueAmount")).as<ui::TextField>()->text, "50");
    EXPECT_TRUE(ui::exists(body, "Payment Due must be greater than Minimum Due."));
    ui::typeText(body, "Payment due", "1,200.5");
    EXPECT_EQ(s->statementDueAmount(), 1200.5);
    EXPECT_FALSE(section.hasInvalidAmount());

    // Text that is no number stays as typed and shows invalid; the statement keeps its amount.
    for (const char* typed : {"sixty", "$60.00", "60,5"}) {
        ui::typeText(section.body(), "Minimum due", typed);
        EXPECT_EQ(s->minimumDueAmount(), 60.0) << typed;
        const auto shown = section.body();
        const auto& field = ui::findAs<ui::TextField>(shown, ui::byId("minimumDueAmount"));
        EXPECT_EQ(field.text, typed);
        EXPECT_TRUE(field.invalid);
        EXPECT_TRUE(section.hasInvalidAmount());
    }
    EXPECT_FALSE(ui::exists(section.body(), "Payment Due must be greater than Minimum Due."));
    ui::typeText(section.body(), "Minimum due", "");
    EXPECT_EQ(s->minimumDueAmount(), std::nullopt);
    EXPECT_FALSE(section.hasInvalidAmount());

    // An amount changed elsewhere shows in its field.
    s->statementDueAmount.set(75.25);
    EXPECT_EQ(ui::find(section.body(), ui::byId("statementDueAmount")).as<ui::TextField>()->text, "75.25");

    // A new opening date moves closing and due dates; the grace period was 25 days.
    ui::pickDate(section.body(), "Opening Date", at(2025, 1, 31));
    EXPECT_EQ(s->closingDate(), endOf(2025, 2, 27));
    EXPECT_EQ(s->paymentDueDate(), endOf(2025, 3, 24));
    EXPECT_EQ(text(section.body(), "closingDate"), "Feb 27, 2025");
    // Openings after today and due dates before the closing cannot be picked.
    EXPECT_THROW(ui::pickDate(section.body(), "Opening Date", at(2025, 5, 11)), ui::ViewQueryError);
    EXPECT_NO_THROW(ui::pickDate(section.body(), "Opening Date", at(2025, 5, 10, 20)));
    EXPECT_THROW(ui::pickDate(section.body(), "Payment Due Date", at(2025, 6, 9)), ui::ViewQueryError);
    ui::pickDate(section.body(), "Payment Due Date", at(2025, 6, 20));
    EXPECT_EQ(s->paymentDueDate(), at(2025, 6, 20));
}

TEST_F(CardScreens, StatementSectionSheetListsTheUpcomingDueDates) {
    const CreditCardLastStatementSection section(statement(at(2025, 3, 15), at(2025, 5, 9)), at(2025, 5, 10),
                                                 dollars);
    EXPECT_FALSE(section.isUpcomingDueDateVisible());
    EXPECT_FALSE(ui::exists(section.body(), "Jun 9, 2025"));
    ui::press(section.body(), "View upcoming due dates");
    EXPECT_TRUE(section.isUpcomingDueDateVisible());
    const auto body = section.body();
    const auto& sheet = ui::find(body, "Upcoming Due Dates");
    // The due date is past, so the twelve following months.
    const auto dates = ui::visibleTexts(sheet);
    ASSERT_EQ(dates.size(), 13u); // the title and twelve dates
    EXPECT_EQ(dates[1], "Jun 9, 2025");
    EXPECT_EQ(dates[12], "May 9, 2026");
    ui::dismiss(body, "Upcoming Due Dates");
    EXPECT_FALSE(section.isUpcomingDueDateVisible());
}

TEST_F(CardScreens, BalanceSectionWritesThroughItsBindingsAndWarnsAboveTheLimit) {
    std::optional<double> balance = 250;
    std::optional<double> limit;
    const AmountBinding balanceBinding{[&] { return balance; },
                                       [&](std::optional<double> v) { balance = v; }};
    const AmountBinding limitBinding{[&] { return limit; }, [&](std::optional<double> v) { limit = v; }};
    bool passed = true;
    const CreditCardBalanceSection section(balanceBinding, limitBinding, dollars, "en_US",
                                           [&] { return passed; });
    auto body = section.body();
    EXPECT_EQ(ui::find(body, ui::byId("accountBalance")).as<ui::TextField>()->text, "250");
    EXPECT_EQ(ui::find(body, ui::byId("cardLimit")).as<ui::TextField>()->text, "");
    EXPECT_TRUE(ui::exists(body, "$")); // the currency beside the fields
    EXPECT_FALSE(ui::exists(body, "Limit must be greater than current balance."));
    ui::typeText(body, "Card limit", "1,000");
    ui::typeText(body, "Current balance", "1,200.00");
    EXPECT_EQ(limit, 1000.0);
    EXPECT_EQ(balance, 1200.0);
    ui::typeText(body, "Current balance", "$1,300");
    EXPECT_EQ(balance, 1200.0);
    EXPECT_TRUE(section.hasInvalidAmount());
    EXPECT_TRUE(ui::find(section.body(), ui::byId("accountBalance")).as<ui::TextField>()->invalid);
    ui::typeText(body, "Current balance", "");
    EXPECT_EQ(balance, std::nullopt);
    EXPECT_FALSE(section.hasInvalidAmount());

    passed = false;
    EXPECT_TRUE(ui::exists(section.body(), "Limit must be greater than current balance."));
    EXPECT_TRUE(
        ui::exists(CreditCardBalanceSection(balanceBinding, limitBinding, dollars, "en_US", false).body(),
                   "Limit must be greater than current balance."));

    // A German user types German numbers.
    const CreditCardBalanceSection german(balanceBinding, limitBinding,
                                          NumberFormatter::currency("de_DE", "EUR"), "de_DE", true);
    ui::typeText(german.body(), "Card limit", "1.500,50");
    EXPECT_EQ(limit, 1500.5);
}

TEST_F(CardScreens, CardSummaryShowsAvailableFundsOnlyWithALimit) {
    const Color purple{0.35, 0.34, 0.84};
    auto body = CreditCardDetailCardView("Travel", -842.17, 5000, dollars, "creditcard.fill", purple).body();
    EXPECT_EQ(text(body, "cardName"), "Travel");
    EXPECT_EQ(ui::find(body, ui::byId("cardIcon")).as<ui::Image>()->color, ui::Color(purple));
    EXPECT_EQ(text(body, "currentBalance"), "-$842.17");
    EXPECT_EQ(text(body, "cardLimit"), "$5,000.00");
    EXPECT_EQ(text(body, "availableAmount"), "$4,157.83");
    EXPECT_FALSE(ui::exists(body, ui::byId("transfer")));

    body =
        CreditCardDetailCardView("Travel", -842.17, std::nullopt, dollars, "creditcard.fill", purple).body();
    EXPECT_FALSE(ui::exists(body, "Limit"));
    EXPECT_FALSE(ui::exists(body, "Available"));
}

TEST_F(CardScreens, CardSummaryOpensTheHostsTransferScreen) {
    const CreditCardDetailCardView card(
        "Travel", 0, 1000, dollars, "creditcard.fill", Color{},
        [](std::function<void()> dismiss) { return ui::button("Send", std::move(dismiss)); });
    EXPECT_FALSE(ui::exists(card.body(), "Send"));
    ui::press(card.body(), ui::byAccessibilityLabel("Transfer"));
    EXPECT_TRUE(card.isTransferVisible());
    ui::press(card.body(), "Send");
    EXPECT_FALSE(card.isTransferVisible());
}

TEST_F(CardScreens, GermanTexts) {
    const Environment::Override german{{.locale = "de_DE"}};
    auto details =
        std::make_shared<CreditCardDetailsProvider>("Karte", "creditcard", Color{}, 1000,
                                                    std::vector<std::shared_ptr<CreditCardLastStatement>>{
                                                        statement(at(2025, 3, 15), at(2025, 5, 12), 10, 10),
                                                        statement(at(2025, 4, 15), at(2025, 6, 12, 18), 10)});
    const auto body = CreditCardDetailsView(details, "EUR", at(2025, 6, 12, 8), {}).body();
    EXPECT_EQ(body.as<ui::NavigationTitle>()->title, "Details");
    EXPECT_TRUE(ui::exists(body, "Abrechnungszeiträume"));
    EXPECT_TRUE(ui::exists(body, "Glückwunsch"));
    EXPECT_TRUE(ui::exists(body, "Die Zahlung ist heute fällig"));
    EXPECT_TRUE(ui::exists(body, "Zahlung leisten"));
    EXPECT_TRUE(ui::exists(body, "Einkäufe anzeigen"));
    EXPECT_TRUE(ui::exists(body, ui::byTextContaining("Aktuell: 15.04.")));
    const auto section =
        CreditCardLastStatementSection(details->statements()[0], at(2025, 6, 12), dollars).body();
    EXPECT_TRUE(ui::exists(section, "Letzte Abrechnung"));
    EXPECT_TRUE(ui::exists(section, "Mindestbetrag"));
}
