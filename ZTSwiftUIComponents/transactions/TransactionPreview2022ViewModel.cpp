#include "TransactionPreview2022ViewModel.h"

#include <utility>

namespace zt {

TransactionPreview2022ViewModel::TransactionPreview2022ViewModel(
    Transaction transaction, Transaction parentTransaction, std::shared_ptr<ZTBaseRepeating> repeating,
    std::optional<std::string> templateShortcut, bool hasShortcut, bool isOnlineBankingTransaction,
    std::function<void(const std::optional<BaseLocation>&)> onLocationDidChange, NumberFormatter formatter)
    : hasShortcut(*this, hasShortcut), transaction(*this, std::move(transaction)),
      parentTransaction(*this, std::move(parentTransaction)), repeating(*this, std::move(repeating)),
      templateShortcut(std::move(templateShortcut)), onLocationDidChange(std::move(onLocationDidChange)),
      formatter(std::move(formatter)), isOnlineBankingTransaction(isOnlineBankingTransaction) {}

void TransactionPreview2022ViewModel::setLocation(std::optional<BaseLocation> newLocation) {
    const bool changed = newLocation != location();
    location.set(std::move(newLocation));
    if (changed && onLocationDidChange)
        onLocationDidChange(location());
}

} // namespace zt
