#include "ZTSwiftUIComponents/accountentry/AccountEntryScreen.h"
#include "mocks/CreditCardDemos.h"
#include "mocks/MockAccountEntryController.h"
#include "mocks/MockAccountListStore.h"
#include "platform/Console.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <algorithm>
#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace zt;
using namespace zt::test;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

namespace {

/// Icons whose name contains the search text, in a fixed order.
class FixedIcons final : public IconPickerServicing {
public:
    std::vector<Icon> icon(std::string_view matching) const override {
        std::vector<Icon> out;
        for (const char* name : {"banknote", "car.fill", "creditcard", "house.fill"})
            if (std::string_view(name).find(matching) != std::string_view::npos)
                out.push_back(Icon{name, "Demo", {}});
        return out;
    }
};

class AccountEntryTest : public PinnedTest {
protected:
    ConsoleCapture console;

    static WidgetAccount demoAccount(AccountType type) {
        for (const auto& account : WidgetAccount::demo())
            if (account.type == type)
                return account;
        throw std::logic_error("no demo account of that type");
    }
    static MockAccountEntryController::Details details(const WidgetAccount& account) {
        const Date now = at(2025, 5, 15);
        const auto groups = MockAccountListStore::demoGroups();
        return {.account = std::make_shared<AccountEntryProvider>(account),
                .creditCardDetails = CreditCardDemo(now).entry(),
                .loanDetails = LoanEntryProvider::demo(now),
                .groups = groups,
                .selectedGroup = groups.front()};
    }
    static std::shared_ptr<MockAccountEntryController> controller(const WidgetAccount& account) {
        return std::make_shared<MockAccountEntryController>(details(account));
    }

    static const ui::TextField& field(const ui::View& root, const std::string& id) {
        return *ui::find(root, ui::byId(id)).as<ui::TextField>();
    }
    static bool saveEnabled(const ui::View& root) {
        return ui::findAs<ui::Button>(root, ui::byId("save")).enabled;
    }
    static std::vector<std::string> sectionIds(const ui::View& root) {
        std::vector<std::string> ids;
        const auto& list = *std::find_if(root.children().begin(), root.children().end(),
                                         [](const ui::View& v) { return v.is<ui::List>(); });
        for (const auto& section : list.children())
            ids.push_back(section.identifier());
        return ids;
    }
};

} // namespace

TEST_F(AccountEntryTest, SectionsFollowTheTypeAndSwitchWhenTheTypeChanges) {
    const auto c = controller(demoAccount(AccountType::loan));
    const AccountEntryScreen screen(c);
    auto body = screen.body();
    EXPECT_THAT(sectionIds(body), ElementsAre("typeSection", "nameSection", "iconSection", "loanSection",
                                              "currencySection", "groupSection", "useSection"));
    EXPECT_THAT(ui::visibleTexts(ui::find(body, ui::byId("loanSection"))),
                ElementsAre("Loan Details", "Start Date", "Loan Amount", "25000", "$", "Loan Term In Years",
                            "5", "Interest Rate Per Year", "4.5", "%", "Payment Due Day", "15th"));
    EXPECT_FALSE(ui::exists(body, ui::byId("balance")));

    ui::choose(body, ui::byId("accountType"), "Credit Card");
    EXPECT_EQ(c->account()->type()(), AccountType::creditCard);
    body = screen.body();
    EXPECT_THAT(sectionIds(body), ElementsAre("typeSection", "nameSection", "iconSection", "balanceSection",
                                              "lastStatementSection", "remindersSection", "currencySection",
                                              "groupSection", "useSection"));
    EXPECT_TRUE(ui::exists(body, "Current balance"));
    EXPECT_TRUE(ui::exists(body, "Card limit"));
    EXPECT_FALSE(ui::exists(body, "Loan Details"));

    // Every other type shows the plain balance field.
    ui::choose(body, ui::byId("accountType"), "Vehicle");
    body = screen.body();
    EXPECT_THAT(sectionIds(body), ElementsAre("typeSection", "nameSection", "iconSection", "balanceSection",
                                              "currencySection", "groupSection", "useSection"));
    EXPECT_EQ(field(body, "balance").text, "-8200");
    EXPECT_FALSE(ui::exists(body, "Last Statement"));
}

TEST_F(AccountEntryTest, AnOnlineBankingAccountKeepsItsTypeAndSaysWhy) {
    const auto online = controller(WidgetAccount::onlineBankingDemo());
    const AccountEntryScreen screen(online);
    auto body = screen.body();
    EXPECT_EQ(ui::find(body, ui::byId("typeSection")).as<ui::Section>()->footer,
              "You cannot change the type of an online banking account.");
    EXPECT_THROW(ui::choose(body, ui::byId("accountType"), "Savings"), ui::ViewQueryError);
    // Even a toolkit that ignores the disabled flag cannot change it.
    ui::findAs<ui::Picker>(body, ui::byId("accountType")).onChange(1);
    EXPECT_EQ(online->account()->type()(), AccountType::checking);

    const auto manual = controller(demoAccount(AccountType::checking));
    body = AccountEntryScreen(manual).body();
    EXPECT_EQ(ui::find(body, ui::byId("typeSection")).as<ui::Section>()->footer, "");
    EXPECT_TRUE(ui::findAs<ui::Picker>(body, ui::byId("accountType")).enabled);
    ui::choose(body, ui::byId("accountType"), "Savings");
    EXPECT_EQ(manual->account()->type()(), AccountType::savings);
}

TEST_F(AccountEntryTest, SaveFollowsTheValidationOnEveryDrawAndHandsOverTheAccount) {
    const auto c = controller(demoAccount(AccountType::checking));
    const AccountEntryScreen screen(c);
    auto body = screen.body();
    EXPECT_TRUE(saveEnabled(body));

    ui::typeText(body, ui::byId("accountName"), "");
    EXPECT_FALSE(c->isValidationPassed());
    body = screen.body();
    EXPECT_FALSE(saveEnabled(body));
    EXPECT_THROW(ui::press(body, ui::byId("save")), ui::ViewQueryError);
    ui::typeText(body, ui::byId("accountName"), "   ");
    EXPECT_FALSE(saveEnabled(screen.body()));

    // A change the host makes is judged on the next draw too.
    c->account()->name().set("Household");
    body = screen.body();
    EXPECT_TRUE(saveEnabled(body));
    ui::typeText(body, ui::byId("balance"), "-12.5");
    console.clear();
    ui::press(screen.body(), ui::byId("save"));
    EXPECT_THAT(console.lines(), ElementsAre("Save did Press", "Account: Household, balance: -12.5"));

    // A tree that outlives its screen stays harmless.
    auto orphan = std::make_unique<AccountEntryScreen>(c);
    const auto kept = orphan->body();
    orphan.reset();
    console.clear();
    ui::press(kept, ui::byId("save"));
    ui::press(kept, ui::byId("icon"));
    ui::typeText(kept, ui::byId("balance"), "99");
    EXPECT_TRUE(console.lines().empty());
    EXPECT_EQ(c->account()->balance()(), -12.5);
}

TEST_F(AccountEntryTest, AmountFieldsKeepWhatWasTypedAndBlockSavingWhileItIsNoNumber) {
    const auto c = controller(demoAccount(AccountType::checking));
    const AccountEntryScreen screen(c);
    ui::typeText(screen.body(), ui::byId("balance"), "1,250.50");
    EXPECT_EQ(c->account()->balance()(), 1250.5);
    auto body = screen.body();
    EXPECT_EQ(field(body, "balance").text, "1,250.50");
    EXPECT_FALSE(ui::exists(body, ui::byId("balanceError")));
    EXPECT_FALSE(field(body, "balance").invalid);

    for (const char* typo : {"12abc", "1,5", "1e5", "--3", "1.2.3"}) {
        ui::typeText(screen.body(), ui::byId("balance"), typo);
        body = screen.body();
        EXPECT_EQ(field(body, "balance").text, typo);
        EXPECT_EQ(ui::find(body, ui::byId("balanceError")).as<ui::Text>()->content, "Not a number") << typo;
        EXPECT_TRUE(field(body, "balance").invalid) << typo;
        EXPECT_EQ(c->account()->balance()(), 1250.5) << typo;
        EXPECT_FALSE(saveEnabled(body)) << typo;
        EXPECT_FALSE(screen.canSave());
    }
    // The host changing the balance meanwhile does not wipe out the text to correct.
    c->account()->balance().set(7.0);
    EXPECT_EQ(field(screen.body(), "balance").text, "1.2.3");

    ui::typeText(screen.body(), ui::byId("balance"), "");
    EXPECT_EQ(c->account()->balance()(), std::nullopt);
    EXPECT_TRUE(saveEnabled(screen.body()));
    // Without a mistake, a value set elsewhere is shown as the locale writes it.
    c->account()->balance().set(-3.25);
    EXPECT_EQ(field(screen.body(), "balance").text, "-3.25");

    // A mistake in a field the type or the switch hides holds nothing back, and is there again
    // when the field comes back.
    ui::typeText(screen.body(), ui::byId("balance"), "3x");
    ui::flip(screen.body(), ui::byId("isBusinessAccount"));
    ui::typeText(screen.body(), ui::byId("vat"), "7%%");
    EXPECT_FALSE(saveEnabled(screen.body()));
    ui::flip(screen.body(), ui::byId("isBusinessAccount"));
    EXPECT_FALSE(saveEnabled(screen.body())); // the balance still shows its mistake
    c->account()->type().set(AccountType::loan);
    EXPECT_TRUE(saveEnabled(screen.body()));
    c->account()->type().set(AccountType::savings);
    body = screen.body();
    EXPECT_EQ(field(body, "balance").text, "3x");
    EXPECT_FALSE(saveEnabled(body));
    ui::flip(body, ui::byId("isBusinessAccount"));
    EXPECT_EQ(field(screen.body(), "vat").text, "7%%");
}

TEST_F(AccountEntryTest, AmountsAreTypedInTheControllersLocale) {
    auto d = details(demoAccount(AccountType::loan));
    d.locale = "de_DE";
    const auto c = std::make_shared<MockAccountEntryController>(d);
    const AccountEntryScreen screen(c);
    auto body = screen.body();
    EXPECT_EQ(field(body, "interestRate").text, "4,5");
    ui::typeText(body, ui::byId("loanAmount"), "12.500,75");
    ui::typeText(body, ui::byId("interestRate"), "3,25");
    EXPECT_EQ(c->loanDetails()->initialAmount()(), 12500.75);
    EXPECT_EQ(c->loanDetails()->currentInterestRate()()->rate()(), 3.25);
    // An English decimal point is a grouping mark in German, and misplaced.
    ui::typeText(screen.body(), ui::byId("interestRate"), "3.25");
    EXPECT_TRUE(ui::exists(screen.body(), ui::byId("interestRateError")));
    EXPECT_EQ(c->loanDetails()->currentInterestRate()()->rate()(), 3.25);
}

TEST_F(AccountEntryTest, LoanTermAndRateAreRefusedOutsideTheirRange) {
    const auto c = controller(demoAccount(AccountType::loan));
    const AccountEntryScreen screen(c);
    auto& term = c->loanDetails()->initialTermInYears();
    const auto firstRate = c->loanDetails()->currentInterestRate()();
    auto& rate = firstRate->rate();

    struct Case {
        const char* id;
        const char* text;
        bool accepted;
    };
    for (const auto& [id, text, accepted] : std::vector<Case>{{"loanTerm", "1", true},
                                                              {"loanTerm", "0", false},
                                                              {"loanTerm", "2.5", false},
                                                              {"loanTerm", "-3", false},
                                                              {"loanTerm", "32767", true},
                                                              {"loanTerm", "32768", false},
                                                              {"loanTerm", "30", true},
                                                              {"interestRate", "0", true},
                                                              {"interestRate", "100", true},
                                                              {"interestRate", "100.01", false},
                                                              {"interestRate", "-0.5", false},
                                                              {"interestRate", "6.75", true}}) {
        const auto termBefore = term();
        const auto rateBefore = rate();
        ui::typeText(screen.body(), ui::byId(id), text);
        const auto body = screen.body();
        EXPECT_EQ(field(body, id).text, text);
        EXPECT_EQ(ui::exists(body, ui::byId(std::string(id) + "Error")), !accepted) << id << " " << text;
        EXPECT_EQ(field(body, id).invalid, !accepted) << id << " " << text;
        EXPECT_EQ(saveEnabled(body), accepted) << id << " " << text;
        if (!accepted) {
            EXPECT_EQ(term(), termBefore) << text;
            EXPECT_EQ(rate(), rateBefore) << text;
        }
    }
    EXPECT_EQ(term(), std::optional<std::int16_t>(30));
    EXPECT_EQ(rate(), 6.75);
    ui::typeText(screen.body(), ui::byId("loanTerm"), "2.5");
    EXPECT_EQ(ui::find(screen.body(), ui::byId("loanTermError")).as<ui::Text>()->content,
              "The term must be a whole number of years, at least 1.");
    ui::typeText(screen.body(), ui::byId("loanTerm"), "");
    EXPECT_EQ(term(), std::nullopt);

    // A new rate object from the host is what the field then edits.
    c->loanDetails()->currentInterestRate().set(std::make_shared<InterestRateProvider>(2.0, at(2025, 1, 1)));
    EXPECT_EQ(field(screen.body(), "interestRate").text, "2");
    ui::typeText(screen.body(), ui::byId("interestRate"), "2.5");
    EXPECT_EQ(c->loanDetails()->currentInterestRate()()->rate()(), 2.5);
    EXPECT_EQ(rate(), 6.75); // the replaced object is left alone
}

TEST_F(AccountEntryTest, LoanAmountObjectionAndDueDayDecideWhetherALoanCanBeSaved) {
    const auto c = controller(demoAccount(AccountType::loan));
    const AccountEntryScreen screen(c);
    ui::typeText(screen.body(), ui::byId("loanAmount"), "0");
    auto body = screen.body();
    EXPECT_EQ(c->loanDetails()->initialAmount()(), 0.0);
    EXPECT_EQ(ui::find(body, ui::byId("loanAmountValidation")).as<ui::Text>()->content,
              "Enter a loan amount above 0.");
    EXPECT_FALSE(saveEnabled(body));
    ui::typeText(body, ui::byId("loanAmount"), "0.01");
    body = screen.body();
    EXPECT_FALSE(ui::exists(body, ui::byId("loanAmountValidation")));
    EXPECT_TRUE(saveEnabled(body));

    const auto& picker = ui::findAs<ui::Picker>(body, ui::byId("paymentDueDay"));
    ASSERT_EQ(picker.options.size(), 31u);
    EXPECT_EQ(picker.options.front().title, "1st");
    EXPECT_EQ(picker.options.back().title, "31st");
    ui::choose(body, ui::byId("paymentDueDay"), "31st");
    auto& day = c->loanDetails()->currentPaymentSchedule()()->paymentDueDay();
    EXPECT_EQ(day(), 31);

    // A day the host stored outside the month shows no choice and blocks saving until one is made.
    for (int stored : {0, 32, -1}) {
        day.set(stored);
        body = screen.body();
        EXPECT_EQ(ui::findAs<ui::Picker>(body, ui::byId("paymentDueDay")).selectedOption(), nullptr)
            << stored;
        EXPECT_FALSE(saveEnabled(body)) << stored;
    }
    ui::choose(body, ui::byId("paymentDueDay"), "1st");
    EXPECT_EQ(day(), 1);
    EXPECT_TRUE(saveEnabled(screen.body()));
}

TEST_F(AccountEntryTest, VatIsOfferedForBusinessAccountsAndKeptWhenTheSwitchGoesOff) {
    const auto c = controller(demoAccount(AccountType::checking));
    const AccountEntryScreen screen(c);
    EXPECT_FALSE(ui::exists(screen.body(), ui::byId("vat")));
    ui::flip(screen.body(), ui::byId("isBusinessAccount"));
    EXPECT_TRUE(c->account()->isBusinessAccount()());
    ui::typeText(screen.body(), ui::byId("vat"), "19");
    EXPECT_EQ(c->account()->vat()(), 19.0);
    ui::typeText(screen.body(), ui::byId("vat"), "100.5");
    EXPECT_EQ(ui::find(screen.body(), ui::byId("vatError")).as<ui::Text>()->content,
              "The VAT rate must be between 0 and 100 %.");
    EXPECT_EQ(c->account()->vat()(), 19.0);
    ui::typeText(screen.body(), ui::byId("vat"), "7");
    ui::flip(screen.body(), ui::byId("isBusinessAccount"));
    EXPECT_FALSE(ui::exists(screen.body(), ui::byId("vat")));
    EXPECT_EQ(c->account()->vat()(), 7.0);
}

TEST_F(AccountEntryTest, IconPickerSearchesTheOfferedIconsAndSetsTheChoice) {
    auto d = details(demoAccount(AccountType::checking));
    d.iconNames = {"car.fill", "house.fill", "banknote"};
    const auto c = std::make_shared<MockAccountEntryController>(d);
    const AccountEntryScreen screen(c, {}, std::make_shared<FixedIcons>());
    EXPECT_EQ(screen.selectedIconId(), "building.columns.fill");
    ui::press(screen.body(), ui::byId("icon"));
    EXPECT_TRUE(screen.isIconPickerVisible());
    auto body = screen.body();
    // The service's order, narrowed to what the controller offers ("creditcard" is not).
    std::vector<std::string> shown;
    for (const auto& cell : ui::find(body, ui::byId("iconGrid")).children())
        shown.push_back(cell.identifier());
    EXPECT_THAT(shown, ElementsAre("banknote", "car.fill", "house.fill"));

    ui::typeText(body, ui::byId("iconSearch"), "fill");
    body = screen.body();
    EXPECT_FALSE(ui::exists(body, ui::byId("banknote")));
    ui::typeText(body, ui::byId("iconSearch"), "zebra");
    EXPECT_TRUE(ui::exists(screen.body(), "No Results Found"));
    ui::typeText(screen.body(), ui::byId("iconSearch"), "car");
    ui::press(screen.body(), ui::byId("car.fill"));
    EXPECT_EQ(c->account()->iconName()(), "car.fill");
    EXPECT_EQ(screen.selectedIconId(), "car.fill");
    EXPECT_FALSE(screen.isIconPickerVisible());
    EXPECT_EQ(ui::find(screen.body(), ui::byId("icon")).accessibilityLabel(), "car.fill");
}

TEST_F(AccountEntryTest, IconPickerUsesTheBundledCatalogueByDefault) {
    const auto c = controller(demoAccount(AccountType::checking)); // offers every icon
    const AccountEntryScreen screen(c);
    ui::press(screen.body(), ui::byId("icon"));
    ui::typeText(screen.body(), ui::byId("iconSearch"), "car");
    auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, ui::byId("car.fill")));
    EXPECT_FALSE(ui::exists(body, ui::byId("banknote.fill")));
    // The chosen icon is drawn in the accent colour.
    ui::typeText(body, ui::byId("iconSearch"), "");
    body = screen.body();
    const auto& selected = ui::find(body, ui::byId("building.columns.fill")).children().front();
    EXPECT_TRUE(selected.as<ui::Image>()->color.has_value());
    EXPECT_FALSE(
        ui::find(body, ui::byId("banknote.fill")).children().front().as<ui::Image>()->color.has_value());
}

TEST_F(AccountEntryTest, CurrencyRowOpensTheControllersPickerOrCallsTheHost) {
    auto c = controller(demoAccount(AccountType::checking));
    const AccountEntryScreen screen(c);
    EXPECT_FALSE(ui::exists(screen.body(), "I am a currency Picker"));
    ui::press(screen.body(), ui::byId("currency"));
    EXPECT_TRUE(screen.isCurrencyPickersVisible());
    EXPECT_TRUE(ui::exists(screen.body(), "I am a currency Picker"));
    ui::dismiss(screen.body(), "Currency");
    EXPECT_FALSE(screen.isCurrencyPickersVisible());

    int hostCalls = 0;
    c->onCurrencyDidPress = [&hostCalls] { ++hostCalls; };
    ui::press(screen.body(), ui::byId("currency"));
    EXPECT_EQ(hostCalls, 1);
    EXPECT_FALSE(screen.isCurrencyPickersVisible());
    c->account()->currencyCode().set("EUR");
    auto body = screen.body();
    EXPECT_EQ(ui::find(body, ui::byId("currencyCode")).as<ui::Text>()->content, "EUR");
    EXPECT_EQ(ui::visibleTexts(ui::find(body, ui::byId("balanceSection"))).back(), "€");

    auto d = details(demoAccount(AccountType::checking));
    d.canEditCurrency = false;
    const AccountEntryScreen locked(std::make_shared<MockAccountEntryController>(d));
    EXPECT_THROW(ui::press(locked.body(), ui::byId("currency")), ui::ViewQueryError);
    EXPECT_FALSE(locked.isCurrencyPickersVisible());
}

TEST_F(AccountEntryTest, GroupPickerSetsTheControllersGroup) {
    const auto c = controller(demoAccount(AccountType::checking));
    const AccountEntryScreen screen(c);
    EXPECT_EQ(ui::findAs<ui::Picker>(screen.body(), ui::byId("group")).selectedOption()->title, "No group");
    ui::choose(screen.body(), ui::byId("group"), "Cash");
    EXPECT_EQ(c->selectedGroup()().name, "Cash");
    EXPECT_EQ(ui::findAs<ui::Picker>(screen.body(), ui::byId("group")).selectedOption()->title, "Cash");
}

TEST_F(AccountEntryTest, CancellingAsksOnlyWhenSomethingWouldBeLost) {
    const auto c = controller(demoAccount(AccountType::checking));
    int dismissed = 0;
    const AccountEntryScreen screen(c, [&dismissed] { ++dismissed; });
    ui::press(screen.body(), ui::byId("cancel"));
    EXPECT_EQ(dismissed, 1);
    EXPECT_FALSE(screen.showConfirmation());

    ui::typeText(screen.body(), ui::byId("accountName"), "Everyday");
    EXPECT_TRUE(screen.hasChanges());
    ui::press(screen.body(), ui::byId("cancel"));
    EXPECT_TRUE(screen.showConfirmation());
    EXPECT_EQ(dismissed, 1);
    ui::press(screen.body(), "Keep Editing");
    EXPECT_FALSE(screen.showConfirmation());
    EXPECT_EQ(dismissed, 1);
    ui::press(screen.body(), ui::byId("cancel"));
    ui::press(screen.body(), "Discard Changes");
    EXPECT_EQ(dismissed, 2);

    // Typing the old name back leaves nothing to lose; a mistake in a field is something.
    ui::typeText(screen.body(), ui::byId("accountName"), demoAccount(AccountType::checking).name);
    EXPECT_FALSE(screen.hasChanges());
    ui::typeText(screen.body(), ui::byId("balance"), "abc");
    EXPECT_TRUE(screen.hasChanges());
    ui::typeText(screen.body(), ui::byId("balance"), "2450.75");
    EXPECT_FALSE(screen.hasChanges());

    // Changes in the card and loan parts count too.
    c->creditCardDetails()->lastStatement()()->minimumDueAmount.set(1.0);
    EXPECT_TRUE(screen.hasChanges());
}

TEST_F(AccountEntryTest, NewAccountTakesTheNameFocusOnAppear) {
    const auto created = MockAccountEntryController::creating();
    const AccountEntryScreen screen(created);
    auto body = screen.body();
    EXPECT_EQ(body.as<ui::NavigationTitle>()->title, "New Account");
    EXPECT_FALSE(saveEnabled(body));
    EXPECT_FALSE(created->isNameInFocus()());
    screen.onAppear();
    EXPECT_TRUE(created->isNameInFocus()());

    const auto edited = controller(demoAccount(AccountType::savings));
    const AccountEntryScreen editing(edited);
    EXPECT_EQ(editing.body().as<ui::NavigationTitle>()->title, "Edit Account");
    editing.onAppear();
    EXPECT_FALSE(edited->isNameInFocus()());
    ui::typeText(editing.body(), ui::byId("accountName"), "Rainy Day");
    EXPECT_TRUE(edited->isNameInFocus()());
}

TEST_F(AccountEntryTest, CardSectionsKeepTheirSheetsBetweenDrawsAndFollowANewStatementOrCurrency) {
    const auto c = controller(demoAccount(AccountType::creditCard));
    const AccountEntryScreen screen(c);
    EXPECT_TRUE(saveEnabled(screen.body()));
    ui::press(screen.body(), "View upcoming due dates");
    EXPECT_TRUE(ui::find(screen.body(), "Upcoming Due Dates").as<ui::Sheet>()->presented);

    // The balance is checked against the card limit.
    ui::typeText(screen.body(), ui::byId("accountBalance"), "6000");
    auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, "Limit must be greater than current balance."));
    EXPECT_FALSE(saveEnabled(body));
    ui::typeText(body, ui::byId("accountBalance"), "4000");
    EXPECT_EQ(c->account()->balance()(), 4000.0);
    EXPECT_TRUE(saveEnabled(screen.body()));

    // Text that is no number stays in the card's fields, marked, and holds back saving.
    ui::typeText(screen.body(), ui::byId("cardLimit"), "5,00");
    body = screen.body();
    EXPECT_EQ(field(body, "cardLimit").text, "5,00");
    EXPECT_TRUE(field(body, "cardLimit").invalid);
    EXPECT_FALSE(saveEnabled(body));
    ui::typeText(body, ui::byId("cardLimit"), "5,000");
    EXPECT_TRUE(saveEnabled(screen.body()));
    ui::typeText(screen.body(), ui::byId("minimumDueAmount"), "25 $");
    body = screen.body();
    EXPECT_EQ(field(body, "minimumDueAmount").text, "25 $");
    EXPECT_FALSE(saveEnabled(body));

    const auto card = c->creditCardDetails();
    const auto old = card->lastStatement()();
    card->lastStatement().set(std::make_shared<CreditCardLastStatement>(at(2025, 4, 1), at(2025, 4, 30, 23),
                                                                        std::nullopt, Calendar::current()));
    body = screen.body();
    EXPECT_FALSE(ui::exists(body, "Upcoming Due Dates")); // a fresh section, its sheet closed
    EXPECT_EQ(ui::find(body, ui::byId("closingDate")).as<ui::Text>()->content, "Apr 30, 2025");
    ui::typeText(body, ui::byId("minimumDueAmount"), "40");
    EXPECT_EQ(card->lastStatement()()->minimumDueAmount(), 40.0);
    EXPECT_EQ(old->minimumDueAmount(), 25.0);

    EXPECT_TRUE(saveEnabled(screen.body())) << "the new statement's fields hold no mistake";

    // A new currency reaches the statement's amounts too: the symbol beside the number as typed.
    const auto statementTexts = [&] {
        return ui::visibleTexts(ui::find(screen.body(), ui::byId("lastStatementSection")));
    };
    EXPECT_EQ(field(screen.body(), "minimumDueAmount").text, "40");
    EXPECT_THAT(statementTexts(), Contains("$"));
    c->account()->currencyCode().set("EUR");
    EXPECT_EQ(field(screen.body(), "minimumDueAmount").text, "40");
    EXPECT_THAT(statementTexts(), Contains("€"));
    EXPECT_THAT(statementTexts(), Not(Contains("$")));
}

TEST_F(AccountEntryTest, GermanForm) {
    Environment::Override german({.locale = "de_DE"});
    const auto c = controller(WidgetAccount::onlineBankingDemo());
    c->account()->type().set(AccountType::loan);
    const auto body = AccountEntryScreen(c).body();
    EXPECT_EQ(body.as<ui::NavigationTitle>()->title, "Konto bearbeiten");
    EXPECT_EQ(ui::find(body, ui::byId("typeSection")).as<ui::Section>()->footer,
              "Den Typ eines Online-Banking-Kontos kannst du nicht ändern.");
    EXPECT_TRUE(ui::exists(body, "Kreditdetails"));
    EXPECT_TRUE(ui::exists(body, "Zinssatz pro Jahr"));
    EXPECT_EQ(ui::findAs<ui::Picker>(body, ui::byId("paymentDueDay")).selectedOption()->title, "15.");
    EXPECT_EQ(ui::findAs<ui::Button>(body, ui::byId("save")).title, "Speichern");
}
