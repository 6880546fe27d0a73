#pragma once

#include "ZTSwiftUIComponents/transactions/RepeatTransactionsModalViewModel.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>

namespace zt {

/// The repetition sheet for accounts connected to a bank: the host has already matched past
/// occurrences; confirming starts the series at the first of them.
class RepeatTransactionsBankingView {
public:
    /// formatter formats the suggested amounts and their total.
    RepeatTransactionsBankingView(std::shared_ptr<RepeatTransactionsModalViewModel> viewModel,
                                  NumberFormatter formatter, std::function<void()> onDismiss);

    ui::View body() const;

private:
    std::shared_ptr<RepeatTransactionsModalViewModel> viewModel_;
    NumberFormatter formatter_;
    std::function<void()> onDismiss_;
};

} // namespace zt
