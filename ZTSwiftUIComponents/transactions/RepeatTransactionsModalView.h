#pragma once

#include "ZTSwiftUIComponents/transactions/RepeatTransactionsModalViewModel.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>

namespace zt {

/// The repetition sheet for manually kept accounts: whether and how often the transaction repeats,
/// from when until when (or for ever), and its reminders.
class RepeatTransactionsModalView {
public:
    RepeatTransactionsModalView(std::shared_ptr<RepeatTransactionsModalViewModel> viewModel,
                                std::function<void()> onDismiss);

    ui::View body() const;

private:
    std::shared_ptr<RepeatTransactionsModalViewModel> viewModel_;
    std::function<void()> onDismiss_;
};

} // namespace zt
