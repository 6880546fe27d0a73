#pragma once

#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerViewModel.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// Shows why a save was refused in the entry screen's banner; false, so that a host's save can
/// end with `return refuseEntry(…)` and keep everything typed.
bool refuseEntry(std::string title, std::string message);

/// The amounts of an entry whose typed text passed the checks, in the accounts' own currencies.
struct EntryAmounts {
    double amount = 0;
    /// What a transfer's destination receives; the amount unless the currencies differ.
    double received = 0;
};

/// The checks every host's save makes before storing: an amount greater than zero, an account,
/// and for a transfer a different destination and, between currencies, what it receives. The
/// first failure is refused through refuseEntry and gives none.
std::optional<EntryAmounts> validatedEntryAmounts(const TransactionEntryContainerViewModel& entry);

/// For a multicurrency transfer, fills in what the destination receives and the rate text;
/// otherwise nothing. appCurrencyUnits gives what one unit of an account's currency is worth in
/// the application currency.
void fillTransferReceiverAmount(TransactionEntryContainerViewModel& entry, double amount,
                                const std::function<double(const WidgetAccount&)>& appCurrencyUnits);

/// A new entry's repetition: not repeating, monthly from now, forever.
std::shared_ptr<RepeatTransactionsModalViewModel> newEntryRepetition();

} // namespace zt
