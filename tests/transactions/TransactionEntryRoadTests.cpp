#include "EntryTestSupport.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/overview/NewOverviewScreen2024.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerScreen.h"
#include "mocks/LoadedOverview.h"
#include "mocks/MockCategoryPicker.h"
#include "mocks/MockOverviewDatabase.h"
#include "mocks/MockSyncManager.h"
#include "mocks/MockTransactionEntryViewModel.h"
#include "platform/Console.h"
#include "platform/ui/ViewQuery.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::Contains;
using ::testing::ElementsAre;

namespace {

class TransactionEntryRoadTest : public EntryTest {
protected:
    TransactionEntryRoadTest() { setAppCurrencyCode("USD"); }

    ConsoleCapture console;
    std::shared_ptr<MockOverviewDatabase> database = std::make_shared<MockOverviewDatabase>();
    std::shared_ptr<MockTransactionEntryViewModel> vm =
        std::make_shared<MockTransactionEntryViewModel>(database);
    std::vector<std::string> events;

    TransactionEntryContainerScreen entry() {
        TransactionEntryContainerScreen screen(
            vm, nullptr, [vm = vm] { return MockCategoryPicker(vm).body(); }, {}, {},
            [this] { events.push_back("saved"); });
        screen.dismiss = [this] { events.push_back("closed"); };
        return screen;
    }
    static std::string card(const ui::View& overview, const std::string& cardId, const std::string& valueId) {
        return ui::findAs<ui::Text>(ui::find(overview, ui::byId(cardId)), ui::byId(valueId)).content;
    }
    std::string alertTitle() const {
        const auto& alert = TransactionEntryErrorManager::shared().alert();
        return alert ? alert->title : "none";
    }
};

} // namespace

TEST_F(TransactionEntryRoadTest, ANewExpenseTypedWithTheCalculatorBarReachesTheOverviewCards) {
    // The application currency stays the accounts' dollar, which German users see written the
    // American way.
    const Environment::Override german({.locale = "de_DE"});
    vm = std::make_shared<MockTransactionEntryViewModel>(database);
    NavigationRouter router;
    const auto overview =
        makeLoadedOverviewScreen(database, std::make_shared<MockSyncManager>(), queue(), router);
    auto cards = overview.body();
    EXPECT_EQ(card(cards, "dailyLimit", "spentAmount"), "$17.30");
    EXPECT_THAT(ui::visibleTexts(ui::find(cards, ui::byId("topCategories"))), Contains("$150.00"));

    ui::press(cards, ui::byId("floatingActionButton"));
    ASSERT_EQ(router.modalDestination(), ModalDestination::newTransaction);
    auto screen = entry();
    screen.onAppear();
    queue().advance(0.3);
    ui::typeText(screen.body(), ui::byId("amount"), "12,5");
    ui::press(screen.body(), ui::byId("calculator-plus"));
    ui::typeText(screen.body(), ui::byId("amount"), "12,5+3");
    ui::press(screen.body(), ui::byId("account"));
    ui::press(screen.body(), ui::byId("acc-checking"));
    ui::press(screen.body(), ui::byId("category"));
    ui::press(screen.body(), ui::byId("cat-groceries"));
    EXPECT_TRUE(ui::exists(ui::find(screen.body(), ui::byId("category")), "Groceries"));
    EXPECT_TRUE(ui::exists(ui::find(screen.body(), ui::byId("account")), "Checking"));
    ui::press(screen.body(), ui::byId("calculator-save"));
    EXPECT_EQ(vm->amountText(), "15,5");
    EXPECT_THAT(events, ElementsAre("saved", "closed"));
    ASSERT_EQ(database->addedTransactions().size(), 1u);
    const auto& stored = *database->addedTransactions().front();
    EXPECT_DOUBLE_EQ(stored.amount(), 15.5);
    EXPECT_EQ(stored.categoryName(), "Groceries");
    EXPECT_EQ(stored.accountId(), "acc-checking");
    EXPECT_TRUE(stored.isExpense());
    EXPECT_FALSE(stored.amountOriginalCurrency());

    queue().drain();
    cards = overview.body();
    EXPECT_EQ(card(cards, "remainingForPeriod", "remainingAmount"), "$84.50");
    EXPECT_EQ(card(cards, "dailyLimit", "spentAmount"), "$32.80");
    EXPECT_THAT(ui::visibleTexts(ui::find(cards, ui::byId("topCategories"))), Contains("$165.50"));
}

TEST_F(TransactionEntryRoadTest, RefusedSavesExplainWhyAndKeepEverythingTyped) {
    const auto screen = entry();
    EXPECT_FALSE(vm->save());
    EXPECT_EQ(alertTitle(), "Amount missing");
    vm->amountText.set("abc");
    EXPECT_FALSE(vm->save());
    EXPECT_EQ(alertTitle(), "Invalid amount");
    EXPECT_EQ(vm->amountText(), "abc");
    vm->amountText.set("-4");
    EXPECT_FALSE(vm->save());
    vm->amountText.set("12");
    EXPECT_FALSE(vm->save());
    EXPECT_EQ(alertTitle(), "Account missing");

    // An expression the calculator cannot evaluate goes to the model as typed.
    vm->select(vm->accounts().front());
    ui::typeText(screen.body(), ui::byId("amount"), "12\u00D7");
    ui::press(screen.body(), ui::byId("calculator-save"));
    EXPECT_EQ(alertTitle(), "Invalid amount");
    EXPECT_TRUE(ui::exists(screen.body(), ui::byId("errorBanner")));
    EXPECT_EQ(vm->amountText(), "12\u00D7");
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(database->addedTransactions().empty());
}

TEST_F(TransactionEntryRoadTest, AForeignAccountsAmountIsConvertedWithTheEntrysRate) {
    const auto screen = entry();
    ui::press(screen.body(), ui::byId("account"));
    ui::press(screen.body(), ui::byId("acc-euro"));
    ASSERT_TRUE(vm->exchangeRate());
    EXPECT_DOUBLE_EQ(vm->exchangeRate()->rate, 1.09);
    ui::typeText(screen.body(), ui::byId("amount"), "10");
    EXPECT_EQ(ui::findAs<ui::Button>(screen.body(), ui::byId("exchangeRateButton")).title, "$10.90");
    // The user's own rate wins over the account's.
    ui::press(screen.body(), ui::byId("exchangeRateButton"));
    ui::typeText(screen.body(), ui::byId("newRate"), "1.2");
    ui::press(screen.body(), ui::byId("update"));
    ui::press(screen.body(), ui::byId("save"));
    ASSERT_EQ(database->addedTransactions().size(), 1u);
    const auto& stored = *database->addedTransactions().front();
    EXPECT_DOUBLE_EQ(stored.amount(), 12.0);
    EXPECT_EQ(stored.amountOriginalCurrency(), 10.0);
    EXPECT_EQ(stored.currencyCode(), "EUR");
}

TEST_F(TransactionEntryRoadTest, AMulticurrencyTransferFillsInTheReceivedAmountAndStoresBothSides) {
    vm->type.set(TransactionType::transferSource);
    const auto screen = entry();
    ui::press(ui::find(screen.body(), ui::byId("sourceAccounts")), ui::byId("acc-euro"));
    ui::press(ui::find(screen.body(), ui::byId("destinationAccounts")), ui::byId("acc-checking"));
    ui::typeText(screen.body(), ui::byId("amount"), "10");
    EXPECT_EQ(vm->amountReceiverText(), "10.9");
    EXPECT_EQ(vm->destinationExchangeRateFormatted(), "1 EUR = 1.09 USD");
    ui::press(screen.body(), ui::byId("save"));
    ASSERT_EQ(database->addedTransactions().size(), 2u);
    const auto& sent = *database->addedTransactions()[0];
    const auto& received = *database->addedTransactions()[1];
    EXPECT_TRUE(sent.isTransfer() && sent.isExpense() && received.isTransfer() && !received.isExpense());
    EXPECT_DOUBLE_EQ(sent.amount(), 10.9);
    EXPECT_EQ(sent.amountOriginalCurrency(), 10.0);
    EXPECT_DOUBLE_EQ(received.amount(), 10.9);
    EXPECT_EQ(received.accountId(), "acc-checking");
    EXPECT_THAT(console.lines(), Contains("Saving transfer...."));
}
