#pragma once

#include "HostOverviewDatabase.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerViewModel.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryValidation.h"

#include <memory>
#include <string>

namespace zt {

/// The entry screen's model over the host database. save() validates what was typed (a refusal
/// shows why through the entry screen's banner and keeps everything typed), converts an amount of
/// a foreign-currency account into the application currency with the entry's exchange rate,
/// stores the transaction with its repetition (a transfer as its two sides) in one SQL
/// transaction, and tells the overview database.
class HostTransactionEntryViewModel : public TransactionEntryContainerViewModel {
public:
    /// A new entry of type over the accounts that are not archived.
    HostTransactionEntryViewModel(std::shared_ptr<HostOverviewDatabase> overview,
                                  TransactionType type = TransactionType::expense);

    bool isKeyboardTypeCalculator() const override { return true; }
    bool save() override;
    /// For a multicurrency transfer, fills in what the destination receives and the rate text.
    void setupTransferAmountManager(double amount) override;
    /// From the selected account's currency to the application currency; none when they agree.
    std::optional<ExchangeRate> updatedExchangeRate() override;

    /// The identifier of the last transaction stored (a transfer's source side).
    const std::string& lastSavedIdentifier() const { return lastSaved_; }

private:
    bool refuseStoring(const HostDatabaseError& error);
    bool saveTransfer(const EntryAmounts& amounts);

    std::shared_ptr<HostOverviewDatabase> overview_;
    std::string lastSaved_;
};

} // namespace zt
