#pragma once

#include "ZTSwiftUIComponents/categories/CategoriesListModelData.h"
#include "ZTSwiftUIComponents/categories/CategoriesMergeView.h"
#include "ZTSwiftUIComponents/categories/CategoriesStore.h"
#include "ZTSwiftUIComponents/categories/CategoryDetailsView.h"
#include "platform/CollectionMove.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace zt {

/// The categories screen: the two kinds, search, sort, drag, favourite, delete several after a
/// confirmation, merge, and each category's details.
class CategoriesList {
public:
    /// onSelectionChange, when given, hears the multi-selection (category identifiers) whenever
    /// the user changes it.
    CategoriesList(std::shared_ptr<CategoriesStore> store, std::shared_ptr<CategoriesListModelData> model,
                   std::function<void(const std::set<std::string>&)> onSelectionChange = {});

    ui::View body() const;
    /// The list's drag: offsets and destination count the shown rows.
    void onMove(const IndexSet& fromOffsets, std::size_t toOffset) const;

private:
    struct State {
        bool isSearching = false;
        bool editMode = false;
        bool isShowingMergeCategories = false;
        WidgetCategoryList categoriesToMerge;
        bool confirmationShown = false;
        std::set<std::string> multiSelection;
        bool isShowingDetails = false;
        std::optional<CategoryDetailsView> details;
        std::optional<CategoriesMergeView> merge;
    };

    std::shared_ptr<CategoriesStore> store_;
    std::shared_ptr<CategoriesListModelData> model_;
    std::function<void(const std::set<std::string>&)> onSelectionChange_;
    ui::ScreenState<State> state_;
};

} // namespace zt
