#pragma once

#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerViewModel.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryField.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zt {

/// A transfer is multicurrency when both accounts are chosen and their currency codes differ
/// without regard to case; a missing code differs from a present one, two missing ones are equal.
bool isMulticurrencyTransfer(const std::optional<WidgetAccount>& source,
                             const std::optional<WidgetAccount>& destination);

/// The amount section of a transfer: the amount sent, the source and destination account lists,
/// and for a multicurrency transfer the amount received with the rate text. While an existing
/// transfer is edited its accounts cannot change.
class TransferSourceView {
public:
    TransferSourceView(std::shared_ptr<TransactionEntryContainerViewModel> viewModel,
                       std::function<void(TransactionEntryField)> onFocus);

    /// The view model's destination list, or else every account but the selected source.
    std::vector<WidgetAccount> destinationAccounts() const;

    ui::View body() const;

private:
    std::shared_ptr<TransactionEntryContainerViewModel> viewModel_;
    std::function<void(TransactionEntryField)> onFocus_;
};

} // namespace zt
