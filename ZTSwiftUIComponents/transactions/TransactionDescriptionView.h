#pragma once

#include "ZTSwiftUIComponents/transactions/TransactionDescriptionViewModel.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>

namespace zt {

/// The description editor of the entry screen: edits the description text; "Done" hands
/// description, payee and tags to the view model's onDidSave and closes.
class TransactionDescriptionView {
public:
    TransactionDescriptionView(std::shared_ptr<TransactionDescriptionViewModel> viewModel,
                               std::function<void()> onDismiss);

    ui::View body() const;

private:
    std::shared_ptr<TransactionDescriptionViewModel> viewModel_;
    std::function<void()> onDismiss_;
};

} // namespace zt
