#include "ZTSwiftUIComponents/accountentry/FormAmountField.h"
#include "ZTSwiftUIComponents/accountentry/LoanPaymentDuePicker.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "mocks/MockAccountEntryController.h"
#include "mocks/MockAccountListStore.h"
#include "platform/Console.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

class AccountEntryControllerTest : public PinnedTest {
protected:
    ConsoleCapture console;

    static WidgetAccount demoAccount(const std::string& id) {
        for (const auto& account : WidgetAccount::demo())
            if (account.id == id)
                return account;
        throw std::logic_error("no such demo account");
    }
};

} // namespace

TEST_F(AccountEntryControllerTest, ValidationNeedsANameAndJudgesCardAndLoanDetailsOnlyForTheirType) {
    const auto c = MockAccountEntryController::editing(demoAccount("acc-car-loan"));
    auto& account = *c->account();
    EXPECT_TRUE(c->isValidationPassed());
    for (const char* blank : {"", " ", "\t \n"}) {
        account.name().set(blank);
        EXPECT_FALSE(c->isValidationPassed()) << "'" << blank << "'";
    }
    account.name().set("x");
    EXPECT_TRUE(c->isValidationPassed());

    // A card balance above the limit, and a minimum above the statement amount, hold back a card...
    const auto card = c->creditCardDetails();
    card->limit().set(1000.0);
    account.balance().set(1000.01);
    account.type().set(AccountType::creditCard);
    EXPECT_FALSE(c->isValidationPassed());
    account.balance().set(1000.0);
    EXPECT_TRUE(c->isValidationPassed());
    card->lastStatement()()->minimumDueAmount.set(900.0);
    card->lastStatement()()->statementDueAmount.set(899.0);
    EXPECT_FALSE(c->isValidationPassed());
    // ...but not an account of another type, whose form never shows them.
    account.type().set(AccountType::savings);
    EXPECT_TRUE(c->isValidationPassed());

    // A loan needs an amount above 0 (or none yet) and a due day of the month.
    account.type().set(AccountType::loan);
    const auto loan = c->loanDetails();
    for (const auto& [amount, error] : std::vector<std::pair<std::optional<double>, bool>>{
             {0.0, true}, {-100.0, true}, {0.01, false}, {std::nullopt, false}}) {
        loan->initialAmount().set(amount);
        EXPECT_EQ(c->loanAmountValidationError().has_value(), error);
        EXPECT_EQ(c->isValidationPassed(), !error);
    }
    EXPECT_EQ(MockAccountEntryController::editing(demoAccount("acc-checking"))->loanAmountValidationError(),
              std::nullopt);
    loan->initialAmount().set(-1.0);
    account.type().set(AccountType::cash);
    EXPECT_EQ(c->loanAmountValidationError(), std::nullopt); // no loan, no objection
    account.type().set(AccountType::loan);
    loan->initialAmount().set(5000.0);
    auto& day = loan->currentPaymentSchedule()()->paymentDueDay();
    for (const auto& [value, valid] :
         std::vector<std::pair<int, bool>>{{0, false}, {1, true}, {31, true}, {32, false}, {-5, false}}) {
        day.set(value);
        EXPECT_EQ(c->isValidationPassed(), valid) << value;
    }
}

TEST_F(AccountEntryControllerTest, SaveWritesTheAccountToTheConsole) {
    const auto c = MockAccountEntryController::editing(demoAccount("acc-credit-card"));
    c->save(c->account());
    c->account()->balance().set(std::nullopt);
    c->account()->name().set("Spare");
    c->save(c->account());
    c->account()->balance().set(1e21);
    c->save(c->account());
    EXPECT_THAT(console.lines(), ElementsAre("Save did Press", "Account: Credit Card, balance: -640.2",
                                             "Save did Press", "Account: Spare, balance: none",
                                             "Save did Press", "Account: Spare, balance: 1e+21"));
    EXPECT_EQ(ui::find(c->currencyPicker(), ui::byId("currencyPicker")).as<ui::Text>()->content,
              "I am a currency Picker");
}

TEST_F(AccountEntryControllerTest, DemoControllersOpenAStoredAccountOrANewOne) {
    const auto card = MockAccountEntryController::editing(demoAccount("acc-credit-card"));
    EXPECT_FALSE(card->isNew());
    EXPECT_EQ(card->selectedGroup()().id, "credit-card");
    EXPECT_EQ(card->account()->type()(), AccountType::creditCard);
    EXPECT_EQ(card->locale(), "en_US");
    EXPECT_TRUE(card->areIconsSFSymbols());
    EXPECT_TRUE(card->canEditCurrency());
    EXPECT_THAT(card->iconNames(), ::testing::Contains("creditcard.fill"));
    EXPECT_EQ(card->groups().size(), MockAccountListStore::demoGroups().size());

    const auto euro = MockAccountEntryController::editing(demoAccount("acc-euro"));
    EXPECT_EQ(euro->account()->currencyCode()(), "EUR");
    EXPECT_EQ(euro->account()->balance()(), 920.0); // in its own currency

    setAppCurrencyCode("CHF");
    const auto created = MockAccountEntryController::creating();
    EXPECT_TRUE(created->isNew());
    EXPECT_TRUE(created->selectedGroup()().isNoGroup());
    EXPECT_EQ(created->account()->name()(), "");
    EXPECT_EQ(created->account()->balance()(), std::nullopt);
    EXPECT_EQ(created->account()->currencyCode()(), "CHF");
    EXPECT_EQ(created->account()->iconName()(), "building.columns.fill");
    EXPECT_FALSE(created->account()->isOnlineBanking()());
    EXPECT_FALSE(created->isValidationPassed());
}

TEST_F(AccountEntryControllerTest, ProvidersAnnounceEveryChangeOnOneSignal) {
    const auto c = MockAccountEntryController::creating();
    int account = 0, loan = 0, rate = 0, schedule = 0, controller = 0;
    auto s1 = c->account()->objectWillChange.observe([&] { ++account; });
    auto s2 = c->loanDetails()->objectWillChange.observe([&] { ++loan; });
    auto s3 = c->loanDetails()->currentInterestRate()()->objectWillChange.observe([&] { ++rate; });
    auto s4 = c->loanDetails()->currentPaymentSchedule()()->objectWillChange.observe([&] { ++schedule; });
    auto s5 = c->objectWillChange.observe([&] { ++controller; });
    c->account()->name().set("a");
    c->account()->vat().set(7.0);
    c->account()->isBusinessAccount().set(true);
    c->loanDetails()->initialTermInYears().set(std::int16_t{3});
    c->loanDetails()->currentInterestRate()()->startDate().set(at(2025, 1, 1));
    c->loanDetails()->currentPaymentSchedule()()->frequency().set("quarterly");
    c->loanDetails()->currentPaymentSchedule()()->amount().set(10.0);
    c->isNameInFocus().set(true);
    c->selectedGroup().set(c->groups().back());
    EXPECT_EQ(account, 3);
    EXPECT_EQ(loan, 1);
    EXPECT_EQ(rate, 1);
    EXPECT_EQ(schedule, 2);
    EXPECT_EQ(controller, 2);
}

TEST_F(AccountEntryControllerTest, AmountRulesIncludeTheirBounds) {
    const AmountRule percent{0, 100, false, {}};
    EXPECT_TRUE(percent.accepts(0));
    EXPECT_TRUE(percent.accepts(100));
    EXPECT_FALSE(percent.accepts(-0.0001));
    EXPECT_FALSE(percent.accepts(100.0001));
    EXPECT_FALSE(percent.accepts(std::numeric_limits<double>::quiet_NaN()));
    const AmountRule years{1, 10, true, {}};
    EXPECT_TRUE(years.accepts(1));
    EXPECT_FALSE(years.accepts(1.5));
    EXPECT_FALSE(years.accepts(0));
    EXPECT_TRUE(AmountRule{}.accepts(-1e300));
}

TEST_F(AccountEntryControllerTest, FieldCopiesShareWhatWasTyped) {
    std::optional<double> value = 5;
    int writes = 0;
    const FormAmountField field(AmountBinding{[&] { return value; },
                                              [&](std::optional<double> v) {
                                                  value = v;
                                                  ++writes;
                                              }},
                                "en_US", AmountRule{0, 10, false, [] { return std::string("0 to 10"); }});
    const FormAmountField copy = field;
    EXPECT_EQ(field.field().text(), "5");
    copy.type("12");
    EXPECT_EQ(field.field().text(), "12");
    EXPECT_TRUE(field.isInvalid());
    EXPECT_EQ(value, 5.0);
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(ui::find(field.row("Limit", "limit"), ui::byId("limitError")).as<ui::Text>()->content,
              "0 to 10");
    ui::typeText(copy.row("Limit", "limit"), ui::byId("limit"), "7.50");
    EXPECT_EQ(value, 7.5);
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(field.field().text(), "7.50");
    EXPECT_FALSE(field.isInvalid());
}

TEST_F(AccountEntryControllerTest, DuePickerWritesOnlyDaysOfTheMonth) {
    int day = 15;
    int writes = 0;
    const LoanPaymentDuePicker picker({[&] { return day; },
                                       [&](const int& d) {
                                           day = d;
                                           ++writes;
                                       }},
                                      NumberFormatter::ordinal("en_US"));
    const auto body = picker.body();
    const auto& menu = ui::findAs<ui::Picker>(body, ui::byId("paymentDueDay"));
    EXPECT_EQ(menu.title, "Payment Due Day");
    EXPECT_EQ(menu.selectedOption()->title, "15th");
    EXPECT_EQ(menu.options[1].title, "2nd");
    EXPECT_EQ(menu.options[22].title, "23rd");
    menu.onChange(0);
    EXPECT_EQ(day, 1);
    menu.onChange(30);
    EXPECT_EQ(day, 31);
    menu.onChange(31); // past the last option
    EXPECT_EQ(day, 31);
    EXPECT_EQ(writes, 2);
}
