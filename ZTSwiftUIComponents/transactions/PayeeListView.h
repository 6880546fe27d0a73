#pragma once

#include "ZTSwiftUIComponents/transactions/ItemListBody.h"
#include "ZTSwiftUIComponents/transactions/PayeeEntryView.h"
#include "ZTSwiftUIComponents/transactions/PayeeListViewModel.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>

namespace zt {

/// The payee list: search, sort, select (reported through onItemDidSelect), create, rename,
/// delete one or several, and reorder under the user's own order. Copies share their state.
class PayeeListView {
public:
    explicit PayeeListView(
        std::shared_ptr<PayeeListViewModel> viewModel,
        std::function<void(const std::shared_ptr<PayeeConformable>&)> onItemDidSelect = {});

    ui::View body() const;

private:
    std::shared_ptr<PayeeListViewModel> viewModel_;
    std::function<void(const std::shared_ptr<PayeeConformable>&)> onItemDidSelect_;
    ui::ScreenState<ItemListState> state_;
    /// The open editor, made when it opens so that it keeps what is typed between draws.
    std::shared_ptr<std::optional<PayeeEntryView>> editor_ =
        std::make_shared<std::optional<PayeeEntryView>>();
};

} // namespace zt
