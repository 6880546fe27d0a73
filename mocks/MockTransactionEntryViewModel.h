#pragma once

#include "MockOverviewDatabase.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerViewModel.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryValidation.h"

#include <memory>
#include <string>
#include <vector>

namespace zt {

/// The demo host's entry model: it validates what was typed, converts an amount of a foreign-
/// currency account into the application currency, and stores the transaction (a transfer as its
/// two sides) in the demo overview database, which then tells its observers. A refused save shows
/// why through the entry screen's banner and keeps everything typed.
class MockTransactionEntryViewModel : public TransactionEntryContainerViewModel {
public:
    /// A new entry of type over the demo's active accounts.
    MockTransactionEntryViewModel(std::shared_ptr<MockOverviewDatabase> database,
                                  TransactionType type = TransactionType::expense);
    MockTransactionEntryViewModel(std::shared_ptr<MockOverviewDatabase> database,
                                  std::vector<WidgetAccount> accounts, TransactionType type);

    bool isKeyboardTypeCalculator() const override { return true; }
    bool save() override;
    void cancel() override;
    /// For a multicurrency transfer, fills in what the destination receives and the rate text.
    void setupTransferAmountManager(double amount) override;
    /// From the selected account's currency to the application currency; none when they agree.
    std::optional<ExchangeRate> updatedExchangeRate() override;

private:
    bool saveTransfer(const EntryAmounts& amounts);

    std::shared_ptr<MockOverviewDatabase> database_;
};

} // namespace zt
