#pragma once

#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerViewModel.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryErrorManager.h"
#include "platform/Console.h"
#include "support/PinnedEnvironment.h"

#include <memory>
#include <string>
#include <vector>

namespace zt::test {

/// An entry model that records what the library calls, in order, and answers as configured.
class RecordingEntryViewModel : public TransactionEntryContainerViewModel {
public:
    explicit RecordingEntryViewModel(TransactionType type = TransactionType::expense,
                                     std::string amountText = {}, std::vector<WidgetAccount> accounts = {},
                                     std::optional<std::vector<WidgetAccount>> destinations = std::nullopt,
                                     bool isEditMode = false)
        : TransactionEntryContainerViewModel(
              type, std::move(amountText), nullptr, std::make_shared<TransactionDescriptionViewModel>(""),
              std::make_shared<RepeatTransactionsModalViewModel>(
                  false, RepeatingInterval::monthly, Date{0}, RepeatTransactionsModalViewModel::foreverDate,
                  false, false),
              std::move(accounts), std::move(destinations), nullptr, nullptr, std::nullopt, isEditMode, false,
              {TransactionType::expense, TransactionType::income, TransactionType::transferSource}) {}

    bool calculator = false;
    bool attachment = false;
    std::optional<bool> saveResult; // none: the base behaviour
    std::optional<ExchangeRate> rate;
    std::vector<std::string> calls;

    bool hasAttachment() const override { return attachment; }
    bool isKeyboardTypeCalculator() const override { return calculator; }
    bool save() override {
        calls.push_back("save " + amountText());
        return saveResult ? *saveResult : TransactionEntryContainerViewModel::save();
    }
    void cancel() override { calls.push_back("cancel"); }
    void setupTransferAmountManager(double amount) override {
        calls.push_back("amount " + std::to_string(amount));
    }
    std::optional<ExchangeRate> updatedExchangeRate() override {
        calls.push_back("rate " + (selectedAccount() ? selectedAccount()->id : std::string("none")));
        return rate;
    }
};

inline WidgetAccount account(std::string id, std::optional<std::string> currency = "USD",
                             double balance = 100) {
    return WidgetAccount(id, "Account " + id, balance, AccountType::checking, std::move(currency),
                         "banknote");
}

/// A pinned environment, a fresh error channel and a quiet console for every test.
class EntryTest : public PinnedTest {
protected:
    EntryTest() { TransactionEntryErrorManager::resetShared(); }
    ~EntryTest() override { TransactionEntryErrorManager::resetShared(); }

    ConsoleCapture quiet;
};

} // namespace zt::test
