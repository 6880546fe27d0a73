#pragma once

#include "ZTSwiftUIComponents/categories/CategoriesListModelData.h"
#include "ZTSwiftUIComponents/categories/CategoriesListSelectorView.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>

namespace zt {

/// The merge sheet of the category list: the categories to merge, the destination, and the
/// confirmed request to the list model's delegate. Without a destination a confirmed merge does
/// nothing and the sheet stays.
class CategoriesMergeView {
public:
    CategoriesMergeView(std::shared_ptr<CategoriesListModelData> model,
                        WidgetCategoryList categoriesToBeMerged, std::function<void()> dismiss);

    ui::View body() const;

private:
    struct State {
        std::shared_ptr<WidgetCategory> destinationCategory;
        WidgetCategoryList categoriesToBeMerged;
        bool isCategorySelectionVisible = false;
        bool isCategoryToBeMergedSelectionVisible = false;
        bool confirmationShown = false;
        bool isMerging = false;
        std::optional<CategoriesListSelectorView> selector;
    };

    static void merge(State& state, const CategoriesListModelData& model,
                      const std::function<void()>& dismiss);

    std::shared_ptr<CategoriesListModelData> model_;
    std::function<void()> dismiss_;
    ui::ScreenState<State> state_;
};

} // namespace zt
