#pragma once

#include "ZTSwiftUIComponents/transactions/ItemListBody.h"
#include "ZTSwiftUIComponents/transactions/TagListViewModel.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>

namespace zt {

/// The tag list: search, sort, select (reported through onItemDidSelect), create, rename,
/// delete one or several, and reorder under the user's own order. Copies share their state.
class TagListView {
public:
    explicit TagListView(std::shared_ptr<TagListViewModel> viewModel,
                         std::function<void(const std::shared_ptr<TagsConformable>&)> onItemDidSelect = {});

    ui::View body() const;

private:
    std::shared_ptr<TagListViewModel> viewModel_;
    std::function<void(const std::shared_ptr<TagsConformable>&)> onItemDidSelect_;
    ui::ScreenState<ItemListState> state_;
};

} // namespace zt
