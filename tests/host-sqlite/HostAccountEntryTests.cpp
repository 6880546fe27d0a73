#include "HostFileTest.h"
#include "ZTSwiftUIComponents/accountentry/AccountEntryScreen.h"
#include "host-sqlite/HostAccountEntryController.h"
#include "host-sqlite/HostSeeder.h"
#include "platform/InMemoryNotificationCenter.h"
#include "platform/Logger.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <cmath>
#include <gtest/gtest.h>

namespace zt {
namespace {

using test::at;

// The account form on the real host: what the user enters is there after the file is reopened.
class HostAccountEntryTest : public test::HostFileTest {
protected:
    HostAccountEntryTest() : HostFileTest("zt-host-account-entry") {}

    std::shared_ptr<NotificationCenter> notifications =
        std::make_shared<InMemoryNotificationCenter>(NotificationAuthorizationStatus::authorized);

    // A card account entered through the form, its statement moved to open on opening.
    std::string enterCard(Date opening) {
        const auto controller = HostAccountEntryController::creating(database, notifications);
        const AccountEntryScreen screen(controller);
        ui::choose(screen.body(), ui::byId("accountType"), "creditCard");
        ui::typeText(screen.body(), ui::byId("accountName"), "Travel Card");
        ui::typeText(screen.body(), ui::byId("accountBalance"), "-300");
        ui::typeText(screen.body(), ui::byId("cardLimit"), "2,000");
        ui::typeText(screen.body(), ui::byId("statementDueAmount"), "450");
        ui::typeText(screen.body(), ui::byId("minimumDueAmount"), "25");
        auto& statement = *controller->creditCardDetails()->lastStatement()();
        statement.setOpeningDate(opening);
        auto& reminders = *controller->creditCardDetails()->reminderData()();
        reminders.reminders.set(
            ReminderToggle::reminders(statement.paymentDueDate(), {ReminderToggleType::threeDaysBefore}));
        ui::press(screen.body(), ui::byId("save"));
        EXPECT_EQ(controller->saveError(), std::nullopt);
        return controller->accountId().value_or("");
    }

    HostTransaction onCard(const std::string& card, const char* id, double amount, bool isExpense,
                           Date date) {
        HostTransaction t;
        t.id = id;
        t.accountId = card;
        t.amount = t.amountInAppCurrency = amount;
        t.isExpense = isExpense;
        t.date = date;
        return t;
    }
};

TEST_F(HostAccountEntryTest, ACardEnteredInTheFormComesBackWithItsStatementLimitAndReminders) {
    const auto id = enterCard(at(2025, 4, 28, 0));
    ASSERT_FALSE(id.empty());
    reopenDatabase();

    const auto account = database->account(id);
    ASSERT_TRUE(account);
    EXPECT_EQ(account->name, "Travel Card");
    EXPECT_EQ(account->type, AccountType::creditCard);
    EXPECT_EQ(account->accountCurrencyBalance(), -300);

    // The record in the "creditCards" array: the cycle, the due day and what is owed.
    HostCreditCards cards(database, notifications);
    CreditCardDatabase::Card stored;
    cards.cards()->retrieveCard(id, [&stored](CreditCardDatabase::Card card) { stored = std::move(card); });
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->limit(), 2000);
    EXPECT_EQ(stored->balance(), 300);
    EXPECT_EQ(stored->billingCycle().start, at(2025, 4, 28, 0));

    // Opened again in the form: everything the user entered.
    const auto again = HostAccountEntryController::editing(database, id, notifications);
    ASSERT_TRUE(again);
    const auto& card = *again->creditCardDetails();
    EXPECT_EQ(card.limit()(), 2000);
    const auto& statement = *card.lastStatement()();
    EXPECT_EQ(statement.openingDate(), at(2025, 4, 28, 0));
    EXPECT_EQ(statement.statementDueAmount(), 450);
    EXPECT_EQ(statement.minimumDueAmount(), 25);
    const auto selected = card.reminderData()()->selectedReminders();
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(selected.front().type, ReminderToggleType::threeDaysBefore);
    EXPECT_EQ(stored->paymentDueDay(), statement.calendar().components(statement.paymentDueDate()).day);

    // The details screen's newest statement is the one entered.
    const auto details = cards.details(*account);
    ASSERT_TRUE(details);
    EXPECT_EQ(details->limit()(), 2000);
    EXPECT_EQ(details->statements().front()->statementDueAmount(), 450);
}

TEST_F(HostAccountEntryTest, OlderStatementsAreWhatWasSpentLessRefundsAndWhatWasTransferredIn) {
    WidgetAccount checking("checking", "Checking", 1000, AccountType::checking);
    database->insertAccount(checking, 0);
    const auto card = enterCard(at(2025, 4, 28, 0));
    // Two cycles back (28 Feb to 27 Mar): 100 spent, 20 refunded (a plain income is a refund,
    // never a payment); paid 50 and 30 by transfers in the next cycle, the second on its closing
    // day. A transfer a moment after that closing pays the next statement.
    database->insertTransaction(onCard(card, "buy", 100, true, at(2025, 3, 10)));
    database->insertTransaction(onCard(card, "refund", 20, false, at(2025, 3, 15)));
    auto pay = [&](const char* id, double amount, Date date) {
        auto from = onCard("checking", (std::string(id) + "-out").c_str(), amount, true, date);
        database->insertTransfer(from, onCard(card, id, amount, false, date));
    };
    pay("pay1", 50, at(2025, 4, 2));
    pay("pay2", 30, at(2025, 4, 27, 23, 59));
    pay("pay3", 5, at(2025, 4, 28, 0));
    reopenDatabase();

    const auto details = HostCreditCards(database, notifications).details(*database->account(card));
    ASSERT_TRUE(details);
    const auto statements = details->statements();
    ASSERT_EQ(statements.size(), 3u);
    EXPECT_EQ(statements[2]->openingDate(), at(2025, 2, 28, 0));
    EXPECT_EQ(statements[2]->statementDueAmount(), 80);
    EXPECT_EQ(statements[2]->paidAmount(), 80);
    EXPECT_EQ(statements[1]->openingDate(), at(2025, 3, 28, 0));
    EXPECT_EQ(statements[1]->statementDueAmount(), 0);
    EXPECT_EQ(statements[1]->paidAmount(), 5);
    EXPECT_EQ(statements[0]->statementDueAmount(), 450);
}

TEST_F(HostAccountEntryTest, AnEditedAccountKeepsItsIdentifierAndTakesItsGroupAndTheKnownRate) {
    database->connection().execute(
        "INSERT INTO account_groups (id, name, sort_order) VALUES ('g1', 'Daily', 0)");
    WidgetAccount euros("eur", "Euro Cash", 50, AccountType::cash);
    euros.currencyCode = "EUR";
    euros.exchangeRate = 1.1;
    euros.balanceInAccountCurrency = 50;
    database->insertAccount(euros, 0);
    database->insertAccount(WidgetAccount("wallet", "Wallet", 10, AccountType::cash), 1);

    const auto controller = HostAccountEntryController::editing(database, "wallet", notifications);
    const AccountEntryScreen screen(controller);
    ui::typeText(screen.body(), ui::byId("accountName"), "Travel Wallet");
    ui::choose(screen.body(), ui::byId("group"), "Daily");
    ui::press(screen.body(), ui::byId("currency"));
    ui::choose(screen.body(), ui::byId("currencyPicker"), "EUR");
    ui::typeText(screen.body(), ui::byId("balance"), "20");
    ui::press(screen.body(), ui::byId("save"));
    EXPECT_EQ(controller->saveError(), std::nullopt);
    reopenDatabase();

    const auto account = database->account("wallet");
    ASSERT_TRUE(account);
    EXPECT_EQ(account->name, "Travel Wallet");
    EXPECT_EQ(account->groupId, "g1");
    EXPECT_EQ(account->currencyCode, "EUR");
    EXPECT_DOUBLE_EQ(account->exchangeRate, 1.1);
    EXPECT_DOUBLE_EQ(account->accountCurrencyBalance(), 20);
    EXPECT_DOUBLE_EQ(account->balance, 22);
    EXPECT_EQ(database->accounts().size(), 2u);
}

TEST_F(HostAccountEntryTest, ALoanEnteredInTheFormComesBackWithItsTerms) {
    const auto controller = HostAccountEntryController::creating(database, notifications);
    const AccountEntryScreen screen(controller);
    ui::choose(screen.body(), ui::byId("accountType"), "loan");
    // A new loan starts blank, not with anybody's example terms.
    EXPECT_EQ(controller->loanDetails()->initialAmount()(), std::nullopt);
    ui::typeText(screen.body(), ui::byId("accountName"), "Car Loan");
    ui::typeText(screen.body(), ui::byId("loanAmount"), "18,000");
    ui::typeText(screen.body(), ui::byId("loanTerm"), "4");
    ui::typeText(screen.body(), ui::byId("interestRate"), "3.9");
    controller->loanDetails()->currentPaymentSchedule()()->paymentDueDay().set(31);
    ui::press(screen.body(), ui::byId("save"));
    ASSERT_EQ(controller->saveError(), std::nullopt);
    reopenDatabase();

    const auto again = HostAccountEntryController::editing(database, *controller->accountId(), notifications);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->account()->type()(), AccountType::loan);
    auto& loan = *again->loanDetails();
    EXPECT_EQ(loan.initialAmount()(), 18000);
    EXPECT_EQ(loan.initialTermInYears()(), 4);
    EXPECT_EQ(loan.currentInterestRate()()->rate()(), 3.9);
    EXPECT_EQ(loan.currentPaymentSchedule()()->paymentDueDay()(), 31);
    EXPECT_EQ(loan.currentPaymentSchedule()()->frequency()(), "monthly");
    EXPECT_EQ(loan.startDate()(), Environment::current().now());
}

TEST_F(HostAccountEntryTest, ARefusedSaveStoresNothingAndSaysWhy) {
    LogCapture log;
    const auto controller = HostAccountEntryController::creating(database, notifications);
    controller->account()->name().set("Broken");
    controller->account()->balance().set(std::nan(""));
    controller->save(controller->account());
    EXPECT_EQ(controller->saveError(), "the balance is not a finite number");
    EXPECT_EQ(controller->accountId(), std::nullopt);

    // A card whose limit is not a number leaves neither the account nor the card behind.
    controller->account()->balance().set(-10.0);
    controller->account()->type().set(AccountType::creditCard);
    controller->creditCardDetails()->limit().set(INFINITY);
    controller->save(controller->account());
    EXPECT_EQ(controller->saveError(), "the limit is not a finite number");
    reopenDatabase();
    EXPECT_TRUE(database->accounts().empty());
    std::optional<std::vector<CreditCardDatabase::Card>> cards;
    HostCreditCards(database, notifications).cards()->retrieveCards([&cards](auto all) {
        cards = std::move(all);
    });
    EXPECT_TRUE(!cards || cards->empty());
    ASSERT_EQ(log.entries().size(), 2u);
    EXPECT_EQ(log.entries().back().level, LogLevel::error);

    EXPECT_EQ(HostAccountEntryController::editing(database, "missing", notifications), nullptr);
}

} // namespace
} // namespace zt
