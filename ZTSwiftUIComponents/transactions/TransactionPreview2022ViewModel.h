#pragma once

#include "ZTSwiftUIComponents/host/BaseLocation.h"
#include "ZTSwiftUIComponents/host/TransactionConformable.h"
#include "ZTSwiftUIComponents/host/ZTBaseRepeating.h"
#include "platform/NumberFormatter.h"
#include "platform/Published.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The state of the details screen of one stored transaction. It edits nothing of the
/// transaction: the screen reports each wish as a TransactionEditActionType; only the place and
/// the shortcut switches live here. Main thread.
class TransactionPreview2022ViewModel : public ObservableObject {
public:
    using Transaction = std::shared_ptr<const TransactionConformable>;

    TransactionPreview2022ViewModel(
        Transaction transaction, Transaction parentTransaction, std::shared_ptr<ZTBaseRepeating> repeating,
        std::optional<std::string> templateShortcut, bool hasShortcut, bool isOnlineBankingTransaction,
        std::function<void(const std::optional<BaseLocation>&)> onLocationDidChange,
        NumberFormatter formatter);

    Published<bool> hasShortcut;
    Published<bool> isDynamic{*this, false};
    Published<bool> isDeleteConfirmation{*this, false};
    Published<bool> isLocationModalActive{*this, false};
    Published<Transaction> transaction;
    Published<Transaction> parentTransaction;
    Published<std::shared_ptr<ZTBaseRepeating>> repeating;
    bool showRemove = true;
    /// The identifier of the platform's voice shortcut made from this transaction, if any.
    std::optional<std::string> templateShortcut;
    /// Changed through setLocation, which reports it to onLocationDidChange.
    Published<std::optional<BaseLocation>, TransactionPreview2022ViewModel> location{*this};
    std::function<void(const std::optional<BaseLocation>&)> onLocationDidChange;
    NumberFormatter formatter;
    const bool isOnlineBankingTransaction;

    /// True without a series, and for an occurrence of one (it has a parent); false for the
    /// series' own main transaction, whose date is the series' start.
    bool canEditDate() const { return !repeating() || parentTransaction() != nullptr; }

    /// Stores the place (none: removed) and, when it changed, tells onLocationDidChange.
    void setLocation(std::optional<BaseLocation> newLocation);
};

} // namespace zt
