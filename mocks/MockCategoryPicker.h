#pragma once

#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerViewModel.h"
#include "platform/ui/View.h"

#include <memory>

namespace zt {

/// The demo host's category picker for the entry screen: the demo categories of the entry's kind
/// (expense or income); a tap names the category on the entry and closes the picker.
class MockCategoryPicker {
public:
    explicit MockCategoryPicker(std::shared_ptr<TransactionEntryContainerViewModel> viewModel);

    ui::View body() const;

private:
    std::shared_ptr<TransactionEntryContainerViewModel> viewModel_;
};

} // namespace zt
