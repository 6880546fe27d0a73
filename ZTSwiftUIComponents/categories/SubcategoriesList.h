#pragma once

#include "ZTSwiftUIComponents/categories/CategoriesListModelData.h"
#include "ZTSwiftUIComponents/categories/SubcategoriesListViewModel.h"
#include "ZTSwiftUIComponents/categories/SubcategoriesMergeView.h"
#include "platform/CollectionMove.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <memory>
#include <optional>
#include <set>
#include <string>

namespace zt {

/// The subcategories of a category: search, sort, drag under the user's own order, edit, delete
/// several after a confirmation, and merge. Every decision goes to the list model's delegate.
class SubcategoriesList {
public:
    SubcategoriesList(std::shared_ptr<SubcategoriesListViewModel> viewModel,
                      std::shared_ptr<CategoriesListModelData> model);

    ui::View body() const;
    /// The list's drag: offsets count the shown rows. Refused under an alphabetical sort.
    void onMove(const IndexSet& fromOffsets, std::size_t toOffset) const;

private:
    struct State {
        bool editMode = false;
        std::set<std::string> multiSelection;
        bool confirmationShown = false;
        bool isShowingMerge = false;
        std::optional<SubcategoriesMergeView> merge;
    };

    std::shared_ptr<SubcategoriesListViewModel> viewModel_;
    std::shared_ptr<CategoriesListModelData> model_;
    ui::ScreenState<State> state_;
};

} // namespace zt
