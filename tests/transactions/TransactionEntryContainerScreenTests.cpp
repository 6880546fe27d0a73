#include "EntryTestSupport.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerScreen.h"
#include "ZTSwiftUIComponents/transactions/TransactionTypeSegmentedControl.h"
#include "ZTSwiftUIComponents/transactions/TransferAccountListView.h"
#include "platform/ui/ViewQuery.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

class TransactionEntryScreenTest : public EntryTest {
protected:
    std::shared_ptr<RecordingEntryViewModel> vm = std::make_shared<RecordingEntryViewModel>(
        TransactionType::expense, "", std::vector{account("a"), account("b")});
    std::shared_ptr<TransactionEntryContainerScreen::AccountStore> store =
        std::make_shared<TransactionEntryContainerScreen::AccountStore>(
            std::vector{account("a"), account("b")});
    std::vector<std::string> events;

    TransactionEntryContainerScreen make() {
        TransactionEntryContainerScreen screen(
            vm, store, [] { return ui::text("Host categories"); },
            [] { return ui::text("Host attachments"); },
            [](const std::optional<std::string>& group) {
                return ui::text("New account in " + group.value_or("none"));
            },
            [this] { events.push_back("onDidSave"); });
        screen.dismiss = [this] { events.push_back("dismiss"); };
        return screen;
    }
    std::string symbol(const ui::View& body, const std::string& id) {
        return ui::findAs<ui::Button>(body, ui::byId(id)).symbol;
    }
};

} // namespace

TEST_F(TransactionEntryScreenTest, TypeIconsByPositionAndALaterKindGetsAQuestionMark) {
    EXPECT_EQ(transactionTypeIcon(TransactionType::expense), "minus.circle.fill");
    EXPECT_EQ(transactionTypeIcon(TransactionType::income), "plus.circle.fill");
    EXPECT_EQ(transactionTypeIcon(TransactionType::transferSource), "arrow.right.arrow.left.circle.fill");
    EXPECT_EQ(transactionTypeIcon(TransactionType::transferDestination),
              "arrow.right.arrow.left.circle.fill");
    EXPECT_EQ(transactionTypeIcon(static_cast<TransactionType>(4)), "questionmark.square");

    const auto body = make().body();
    const auto& picker = ui::findAs<ui::Picker>(body, ui::byId("transactionType"));
    ASSERT_EQ(picker.options.size(), 3u);
    EXPECT_EQ(picker.options[2].title, "Transfer");
    EXPECT_EQ(picker.options[2].symbol, "arrow.right.arrow.left.circle.fill");
    EXPECT_TRUE(picker.enabled);
}

TEST_F(TransactionEntryScreenTest, FocusFollowsTheFirstAppearanceAndEveryRealTypeChangeWithAHaptic) {
    const auto screen = make();
    screen.onAppear();
    screen.onAppear();
    queue().advance(0.29);
    EXPECT_FALSE(screen.focusedField());
    queue().advance(0.01);
    EXPECT_EQ(screen.focusedField(), TransactionEntryField::expenseOrIncome);
    EXPECT_THAT(pinned.feedback->events(), ElementsAre("impact medium"));

    ui::choose(screen.body(), ui::byId("transactionType"), "Transfer");
    EXPECT_EQ(screen.focusedField(), TransactionEntryField::transferSource);
    vm->type.set(TransactionType::transferSource); // the same type again is no change
    vm->type.set(TransactionType::income);
    EXPECT_EQ(screen.focusedField(), TransactionEntryField::expenseOrIncome);
    EXPECT_EQ(pinned.feedback->events().size(), 3u);
}

TEST_F(TransactionEntryScreenTest, OnlyAmountsThatReadAsNumbersReachTheTransferAmountManager) {
    const auto screen = make();
    ui::typeText(screen.body(), ui::byId("amount"), "1,250.5");
    ui::typeText(screen.body(), ui::byId("amount"), "12+3");
    ui::typeText(screen.body(), ui::byId("amount"), "12+3");
    ui::typeText(screen.body(), ui::byId("amount"), "abc");
    vm->amountText.set("7");
    EXPECT_THAT(vm->calls, ElementsAre("amount 1250.500000", "amount 7.000000"));
    EXPECT_EQ(vm->amountText(), "7");
}

TEST_F(TransactionEntryScreenTest, AnExpressionIsValidWhileTextThatIsNoAmountDisablesSave) {
    const auto screen = make();
    ui::typeText(screen.body(), ui::byId("amount"), "12+3");
    EXPECT_FALSE(ui::exists(screen.body(), ui::byId("amountInvalid")));
    EXPECT_FALSE(ui::findAs<ui::TextField>(screen.body(), ui::byId("amount")).invalid);
    EXPECT_TRUE(ui::findAs<ui::Button>(screen.body(), ui::byId("save")).enabled);
    ui::typeText(screen.body(), ui::byId("amount"), "12\u00D7");
    EXPECT_TRUE(ui::exists(screen.body(), "Not a valid amount"));
    EXPECT_TRUE(ui::findAs<ui::TextField>(screen.body(), ui::byId("amount")).invalid);
    EXPECT_FALSE(ui::findAs<ui::Button>(screen.body(), ui::byId("save")).enabled);
    EXPECT_EQ(vm->amountText(), "12\u00D7"); // kept as typed
}

TEST_F(TransactionEntryScreenTest, SaveEvaluatesFirstThenCallsOnDidSaveAndClosesOnlyOnSuccess) {
    const auto screen = make();
    vm->amountText.set("10+2.5");
    vm->saveResult = false;
    ui::press(screen.body(), ui::byId("save"));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(vm->amountText(), "12.5");
    vm->saveResult.reset();
    ui::press(screen.body(), ui::byId("save"));
    EXPECT_THAT(events, ElementsAre("onDidSave", "dismiss"));
    EXPECT_THAT(vm->calls, ElementsAre("amount 12.500000", "save 12.5", "save 12.5"));

    ui::press(screen.body(), ui::byAccessibilityLabel("Close"));
    EXPECT_THAT(events, ElementsAre("onDidSave", "dismiss", "dismiss"));
    EXPECT_EQ(vm->calls.back(), "cancel");
}

TEST_F(TransactionEntryScreenTest, CalculatorBarOnlyForAnAmountFocusOfACalculatorModel) {
    const auto screen = make();
    screen.focus(TransactionEntryField::expenseOrIncome);
    EXPECT_FALSE(screen.calculatorBar());
    vm->calculator = true;
    EXPECT_TRUE(ui::exists(screen.body(), ui::byId("calculatorBar")));
    screen.focus(TransactionEntryField::description);
    EXPECT_FALSE(ui::exists(screen.body(), ui::byId("calculatorBar")));
    screen.focus(std::nullopt);
    EXPECT_FALSE(screen.calculatorBar());
    // Typing into a field gives it the focus.
    ui::typeText(screen.body(), ui::byId("amount"), "12");
    ui::press(screen.body(), ui::byId("calculator-multiply"));
    ui::press(screen.body(), ui::byId("calculator-equal"));
    EXPECT_EQ(vm->amountText(), "12\u00D7");
    ui::press(screen.body(), ui::byId("calculator-save"));
    EXPECT_EQ(vm->calls.back(), "save 12\u00D7"); // the model's own validation decides
    EXPECT_THAT(events, ElementsAre("onDidSave", "dismiss"));
}

TEST_F(TransactionEntryScreenTest, RowsOpenTheirSheetsAndShowTheirSymbols) {
    const auto screen = make();
    auto body = screen.body();
    EXPECT_EQ(symbol(body, "descriptionRow"), "doc.append");
    EXPECT_EQ(symbol(body, "attachmentRow"), "paperclip");
    vm->descriptionViewModel()->descriptionText.set("Lunch");
    vm->attachment = true;
    body = screen.body();
    EXPECT_EQ(symbol(body, "descriptionRow"), "custom.doc.append.badge.checkmark");
    EXPECT_EQ(symbol(body, "attachmentRow"), "custom.paperclip.badge.checkmark");
    EXPECT_TRUE(ui::exists(body, "Lunch"));

    ui::press(body, ui::byId("attachmentRow"));
    EXPECT_TRUE(ui::exists(screen.body(), "Host attachments"));
    ui::dismiss(screen.body(), "Attachment");
    EXPECT_FALSE(vm->addAttachmentPressed());
    ui::press(screen.body(), ui::byId("category"));
    EXPECT_TRUE(ui::exists(screen.body(), "Host categories"));
    ui::press(screen.body(), ui::byId("repeatRow"));
    EXPECT_TRUE(ui::exists(screen.body(), "Repeating Details"));
    ui::press(screen.body(), ui::byId("descriptionRow"));
    EXPECT_EQ(screen.focusedField(), TransactionEntryField::description);
    ui::typeText(screen.body(), ui::byId("descriptionText"), "Dinner");
    EXPECT_EQ(vm->descriptionViewModel()->descriptionText(), "Dinner");

    vm->isRepeatingButtonDisabled = true;
    vm->canChangeDate = false;
    EXPECT_FALSE(ui::findAs<ui::Button>(screen.body(), ui::byId("repeatRow")).enabled);
    EXPECT_FALSE(ui::findAs<ui::DatePicker>(screen.body(), ui::byId("date")).enabled);
}

TEST_F(TransactionEntryScreenTest, AccountPickerSelectsAndTheRefreshedStoreReplacesTheAccounts) {
    const auto screen = make();
    ui::press(screen.body(), ui::byId("account"));
    EXPECT_TRUE(vm->selectAccountPressed());
    ui::press(ui::find(screen.body(), "Select Account"), ui::byId("b"));
    EXPECT_EQ(vm->selectedAccount()->id, "b");
    EXPECT_FALSE(vm->selectAccountPressed());
    EXPECT_TRUE(ui::exists(screen.body(), "Account b"));

    store->set({account("a"), account("b"), account("c")});
    EXPECT_EQ(vm->accounts().size(), 3u);
    ui::press(screen.body(), ui::byId("account"));
    ui::press(screen.body(), "New Account");
    EXPECT_TRUE(vm->isNewAccountModal());
    EXPECT_TRUE(ui::exists(screen.body(), "New account in none"));
}

TEST_F(TransactionEntryScreenTest, TransferShowsTheReceivedAmountOnlyBetweenCurrencies) {
    vm->accounts.set({account("usd", "USD"), account("eur", "EUR"), account("eur2", "eur")});
    vm->type.set(TransactionType::transferSource);
    const auto screen = make();
    ui::press(ui::find(screen.body(), ui::byId("sourceAccounts")), ui::byId("eur"));
    EXPECT_FALSE(ui::exists(ui::find(screen.body(), ui::byId("destinationAccounts")), ui::byId("eur")));
    ui::press(ui::find(screen.body(), ui::byId("destinationAccounts")), ui::byId("eur2"));
    EXPECT_FALSE(ui::exists(screen.body(), ui::byId("receivedAmount")));
    ui::press(ui::find(screen.body(), ui::byId("destinationAccounts")), ui::byId("usd"));
    vm->destinationExchangeRateFormatted.set("1 EUR = 1.10 USD");
    const auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, ui::byId("receivedAmount")));
    EXPECT_TRUE(ui::exists(body, "1 EUR = 1.10 USD"));
    EXPECT_TRUE(ui::exists(ui::find(ui::find(body, ui::byId("destinationAccounts")), ui::byId("usd")),
                           ui::byId("selected")));
    ui::typeText(body, ui::byId("receivedAmount"), "5x");
    EXPECT_FALSE(ui::findAs<ui::Button>(screen.body(), ui::byId("save")).enabled);
}

TEST_F(TransactionEntryScreenTest, AnEditedTransferKeepsItsAccountsAndTheBannerGoesAfterThreeSeconds) {
    vm = std::make_shared<RecordingEntryViewModel>(TransactionType::transferSource, "5",
                                                   std::vector{account("a"), account("b")},
                                                   std::vector{account("b"), account("c")}, true);
    vm->selectedReceiverAccount.set(account("b"));
    const auto screen = make();
    ui::press(ui::find(screen.body(), ui::byId("destinationAccounts")), ui::byId("c"));
    EXPECT_EQ(vm->selectedReceiverAccount()->id, "b");
    const auto alert = TransactionEntryErrorManager::shared().alert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title, "Not allowed");
    EXPECT_EQ(alert->message, "Cannot change accounts while editing a transfer");
    EXPECT_EQ(alert->systemImageName, "xmark.circle.fill");
    EXPECT_EQ(alert->color, (Color{1.0, 64.0 / 255.0, 89.0 / 255.0, 1.0}));
    EXPECT_EQ(alert->duration, 3);
    EXPECT_TRUE(ui::exists(screen.body(), ui::byId("errorBanner")));

    queue().advance(2.0);
    TransactionEntryErrorManager::shared().alert.set(
        TransferAccountListView::notAllowedAlert()); // a new banner
    queue().advance(1.0);
    EXPECT_TRUE(ui::exists(screen.body(), ui::byId("errorBanner")));
    queue().advance(2.0);
    EXPECT_FALSE(ui::exists(screen.body(), ui::byId("errorBanner")));
}

TEST_F(TransactionEntryScreenTest, TheCurrentPlaceFillsInOnlyWhileNothingIsChosenAndAutomaticIsOn) {
    const auto screen = make();
    auto& manager = *vm->locationManager;
    manager.currentUserLocation.set(BaseLocation{"p1", "Bakery", "Main St", std::nullopt, "bakery"});
    EXPECT_EQ(manager.selectedLocation()->id, "p1");
    manager.selectedLocation.set(BaseLocation{"p0", "Chosen", "", std::nullopt, std::nullopt});
    manager.currentUserLocation.set(BaseLocation{"p2", "Cafe", "", std::nullopt, "cafe"});
    EXPECT_EQ(manager.selectedLocation()->id, "p0");
    // The chosen place's card: removing asks first, then the search offers the current place.
    ui::press(screen.body(), ui::byId("placeRow"));
    ui::press(screen.body(), ui::byId("removeLocation"));
    ui::press(ui::find(screen.body(), ui::byId("removeLocationConfirmation")), "Delete");
    EXPECT_FALSE(manager.selectedLocation());
    ui::press(screen.body(), ui::byId("addLocation"));
    ui::press(screen.body(), ui::byId("currentPlace"));
    ui::press(screen.body(), "Select");
    EXPECT_EQ(manager.selectedLocation()->id, "p2");
    EXPECT_FALSE(ui::exists(screen.body(), ui::byId("placeSearchField"))) << "choosing closes the sheet";

    vm->isAutomaticLocationEnabled = false;
    manager.selectedLocation.set(std::nullopt);
    manager.currentUserLocation.set(BaseLocation{"p3", "Bar", "", std::nullopt, std::nullopt});
    EXPECT_FALSE(manager.selectedLocation());
}

TEST_F(TransactionEntryScreenTest, TheReceivedAmountHasItsOwnCalculatorAndBankingAccountsTheirOwnSheet) {
    vm->calculator = true;
    vm->amountText.set("5");
    vm->amountReceiverText.set("4");
    auto screen = make();
    screen.focus(TransactionEntryField::transferDestination);
    ui::press(screen.body(), ui::byId("calculator-plus"));
    EXPECT_EQ(vm->amountReceiverText(), "4+");
    EXPECT_EQ(vm->amountText(), "5");

    screen.transactionRepeatMode = TransactionRepeatMode::banking;
    vm->makeRepeatingPressed.set(true);
    EXPECT_TRUE(ui::exists(screen.body(), "Frequency"));
    screen.transactionRepeatMode = TransactionRepeatMode::manual;
    EXPECT_FALSE(ui::exists(screen.body(), "Frequency"));
    ui::press(screen.body(), "Done");
    EXPECT_FALSE(vm->makeRepeatingPressed());
}

TEST_F(TransactionEntryScreenTest, AccountPickerGroupsByTypeAndShowsOnlyForeignBalances) {
    auto card = account("card", "usd", -40);
    card.type = AccountType::creditCard;
    auto euro = account("euro", "EUR", 0);
    euro.balanceInAccountCurrency = 920;
    vm->accounts.set({account("a"), card, euro});
    vm->setSelectedAccount(euro);
    vm->selectAccountPressed.set(true);
    const auto body = make().body();
    const auto& picker = ui::find(body, "Select Account");
    const auto texts = ui::visibleTexts(picker);
    const auto position = [&](const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) - texts.begin();
    };
    EXPECT_LT(position(localized(AccountType::checking)), position(localized(AccountType::creditCard)));
    EXPECT_FALSE(ui::exists(ui::find(picker, ui::byId("card")), ui::byId("accountCurrencyBalance")));
    EXPECT_EQ(
        ui::findAs<ui::Text>(ui::find(picker, ui::byId("euro")), ui::byId("accountCurrencyBalance")).content,
        "€920.00");
    EXPECT_TRUE(ui::exists(ui::find(picker, ui::byId("euro")), ui::byId("selected")));
}

TEST_F(TransactionEntryScreenTest, TreesKeptAfterTheScreenIsGoneDoNothingAndKeepNothingAlive) {
    std::weak_ptr<RecordingEntryViewModel> weakVm = vm;
    std::optional<ui::View> kept;
    {
        const auto screen = make();
        screen.onAppear();
        kept = screen.body();
        vm.reset();
    }
    ui::press(*kept, ui::byId("placeRow")); // the screen's state is gone: nothing happens
    queue().drain();
    kept.reset();
    EXPECT_TRUE(weakVm.expired());
}

TEST_F(TransactionEntryScreenTest, DescriptionEditorHandsEverythingOverAndCloses) {
    std::vector<std::string> saved;
    vm->descriptionViewModel()->onDidSave = [&](const auto& payee, const auto& tags,
                                                const std::string& text) {
        saved.push_back(text + (payee ? " with payee" : "") + " " + std::to_string(tags.size()) + " tags");
    };
    const auto screen = make();
    ui::press(screen.body(), ui::byId("editDescription"));
    ui::typeText(screen.body(), ui::byId("descriptionText"), "Team lunch");
    ui::press(screen.body(), "Done");
    EXPECT_THAT(saved, ElementsAre("Team lunch 0 tags"));
    EXPECT_FALSE(vm->addDescriptionPressed());
    EXPECT_THAT(ui::visibleTexts(ui::find(screen.body(), ui::byId("editDescription"))),
                ElementsAre("Team lunch"));
}
