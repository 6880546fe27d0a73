#include "EntryTestSupport.h"
#include "ZTSwiftUIComponents/transactions/TransferSourceView.h"
#include "mocks/MockTransactionViewModel.h"
#include "mocks/MockTransferViewModel.h"
#include "platform/Console.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

class TransactionEntryViewModelTest : public EntryTest {};

} // namespace

TEST_F(TransactionEntryViewModelTest, StartsWithTheArgumentsAndNothingChosen) {
    const auto destinations = std::vector{account("d")};
    RecordingEntryViewModel vm(TransactionType::income, "12", {account("a")}, destinations, true);
    EXPECT_EQ(vm.type(), TransactionType::income);
    EXPECT_EQ(vm.date(), Environment::current().now());
    EXPECT_EQ(vm.amountText(), "12");
    EXPECT_FALSE(vm.selectedAccount() || vm.selectedReceiverAccount() || vm.selectedCategoryName());
    EXPECT_EQ(vm.amountReceiverText(), "");
    EXPECT_FALSE(vm.exchangeRate() || vm.destinationExchangeRateFormatted() || vm.newAccountWithGroupId());
    EXPECT_FALSE(vm.selectAccountPressed() || vm.selectCategoryPressed() || vm.addDescriptionPressed() ||
                 vm.addAttachmentPressed() || vm.makeRepeatingPressed() || vm.isNewAccountModal());
    EXPECT_TRUE(vm.canChangeDate && vm.isAutomaticLocationEnabled && vm.isRunningOniPhone);
    EXPECT_FALSE(vm.isRepeatingButtonDisabled);
    EXPECT_TRUE(vm.isEditMode);
    EXPECT_EQ(vm.destinationTransferAccounts, destinations);
    EXPECT_EQ(vm.formatter.localeIdentifier(), "en_US");
    ASSERT_TRUE(vm.locationManager);
    EXPECT_FALSE(vm.locationManager->selectedLocation());
    // The base model's own answers.
    TransactionEntryContainerViewModel& base = vm;
    EXPECT_FALSE(base.TransactionEntryContainerViewModel::hasAttachment());
    EXPECT_FALSE(base.TransactionEntryContainerViewModel::isKeyboardTypeCalculator());
    EXPECT_FALSE(base.TransactionEntryContainerViewModel::updatedExchangeRate());
}

TEST_F(TransactionEntryViewModelTest, BaseSaveNeedsAnyTextAtAll) {
    RecordingEntryViewModel vm(TransactionType::expense, "0");
    EXPECT_TRUE(vm.save());
    vm.amountText.set("");
    EXPECT_FALSE(vm.save());
    EXPECT_THAT(vm.calls, ElementsAre("save 0", "save "));
}

TEST_F(TransactionEntryViewModelTest, EveryAccountAssignmentRefreshesTheRateBeforeAnyoneHearsOfIt) {
    RecordingEntryViewModel vm;
    vm.rate = ExchangeRate::make("EUR", "USD", 1.1);
    std::vector<std::string> heard;
    const auto s = vm.selectedAccount.observe([&](const std::optional<WidgetAccount>& a) {
        heard.push_back((a ? a->id : "none") + (vm.exchangeRate() ? " with rate" : " without rate"));
    });
    int willChange = 0;
    const auto w = vm.objectWillChange.observe([&] { ++willChange; });

    vm.setSelectedAccount(account("a"));
    vm.rate.reset();
    vm.setSelectedAccount(std::nullopt);
    EXPECT_THAT(heard, ElementsAre("a with rate", "none without rate"));
    EXPECT_THAT(vm.calls, ElementsAre("rate a", "rate none"));
    EXPECT_FALSE(vm.exchangeRate());
    EXPECT_EQ(willChange, 4); // account and rate, twice
}

TEST_F(TransactionEntryViewModelTest, SelectTogglesThePickerFlagSoTwoCallsRestoreIt) {
    RecordingEntryViewModel vm;
    vm.select(account("a"));
    EXPECT_TRUE(vm.selectAccountPressed());
    vm.select(account("b"));
    EXPECT_FALSE(vm.selectAccountPressed());
    EXPECT_EQ(vm.selectedAccount()->id, "b");
    EXPECT_THAT(vm.calls, ElementsAre("rate a", "rate b"));
}

TEST_F(TransactionEntryViewModelTest, MulticurrencyComparesCodesWithoutCaseAndCountsAMissingCode) {
    EXPECT_FALSE(isMulticurrencyTransfer(account("a", "EUR"), account("b", "eur")));
    EXPECT_TRUE(isMulticurrencyTransfer(account("a", "EUR"), account("b", std::nullopt)));
    EXPECT_TRUE(isMulticurrencyTransfer(account("a", std::nullopt), account("b", "USD")));
    EXPECT_FALSE(isMulticurrencyTransfer(account("a", std::nullopt), account("b", std::nullopt)));
    EXPECT_TRUE(isMulticurrencyTransfer(account("a", "EUR"), account("b", "USD")));
    EXPECT_FALSE(isMulticurrencyTransfer(account("a", "EUR"), std::nullopt));
    EXPECT_FALSE(isMulticurrencyTransfer(std::nullopt, account("b", "USD")));
}

TEST_F(TransactionEntryViewModelTest, ErrorManagerIsSharedUntilReset) {
    auto& manager = TransactionEntryErrorManager::shared();
    EXPECT_EQ(&manager, &TransactionEntryErrorManager::shared());
    int heard = 0;
    const auto s = manager.alert.observe([&](const auto&) { ++heard; });
    manager.alert.set(AlertItem{});
    EXPECT_EQ(heard, 1);
    TransactionEntryErrorManager::resetShared();
    EXPECT_FALSE(TransactionEntryErrorManager::shared().alert());
    TransactionEntryErrorManager::shared().alert.set(AlertItem{});
    EXPECT_EQ(heard, 1);
}

TEST_F(TransactionEntryViewModelTest, DemoModelsNameEachStep) {
    ConsoleCapture console;
    MockTransactionViewModel transaction;
    MockTransferViewModel transfer;
    EXPECT_FALSE(transaction.exchangeRate("EUR") || transfer.exchangeRate("EUR"));
    EXPECT_TRUE(transaction.isValidationPassed("x") && transfer.isValidationPassed(""));
    EXPECT_FALSE(transaction.updatedCurrencyLabel("1") || transfer.updatedCurrencyLabel("1"));
    EXPECT_DOUBLE_EQ(transfer.convertedSourceAmount(), 1.4);
    EXPECT_EQ(transfer.updatedExchangeRate(TransactionType::transferSource),
              (TransferViewModelConformable::RateAndText{2.0, std::nullopt}));
    transaction.prepareTransactionObjectForSaving();
    EXPECT_TRUE(transaction.save());
    transaction.cancel();
    transfer.prepareTransactionObjectForSaving();
    EXPECT_TRUE(transfer.save());
    transfer.cancel();
    EXPECT_THAT(console.lines(),
                ElementsAre("prepareTransactionObjectForSaving()", "Saving transaction....",
                            "Cancel. Dimissing transaction...", "prepareTransactionObjectForSaving()",
                            "Saving transfer....", "Cancel. Dimissing..."));
}
