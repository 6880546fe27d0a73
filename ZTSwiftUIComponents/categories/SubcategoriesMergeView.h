#pragma once

#include "ZTSwiftUIComponents/categories/CategoriesListModelData.h"
#include "ZTSwiftUIComponents/categories/SubcategoriesListViewModel.h"
#include "ZTSwiftUIComponents/categories/SubcategoriesSelectableListView.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>

namespace zt {

/// The merge sheet of a subcategory list. A confirmed merge goes to the list model's delegate at
/// once; 2.0 s later, on the main queue and without waiting for the host, the merged
/// subcategories leave the category's list and the sheet closes.
class SubcategoriesMergeView {
public:
    /// How long the merged subcategories stay listed after the request.
    static constexpr double cleanUpDelay = 2.0;

    SubcategoriesMergeView(std::shared_ptr<CategoriesListModelData> model,
                           std::shared_ptr<SubcategoriesListViewModel> viewModel,
                           WidgetSubcategoryList subcategoriesToBeMerged, std::function<void()> dismiss);

    ui::View body() const;

private:
    struct State {
        std::shared_ptr<WidgetSubcategory> destinationSubcategory;
        WidgetSubcategoryList subcategoriesToBeMerged;
        bool isSubcategorySelectionVisible = false;
        bool isSubcategoryToBeMergedSelectionVisible = false;
        bool confirmationShown = false;
        bool isMerging = false;
        // Made once, so what the user searches survives redraws.
        std::optional<SubcategoriesSelectableListView> toMergeList;
        std::optional<SubcategoriesSelectableListView> destinationList;
    };

    static void merge(State& state, const std::weak_ptr<State>& weakState,
                      const CategoriesListModelData& model,
                      const std::shared_ptr<SubcategoriesListViewModel>& viewModel,
                      const std::function<void()>& dismiss);

    std::shared_ptr<CategoriesListModelData> model_;
    std::shared_ptr<SubcategoriesListViewModel> viewModel_;
    std::function<void()> dismiss_;
    ui::ScreenState<State> state_;
};

} // namespace zt
