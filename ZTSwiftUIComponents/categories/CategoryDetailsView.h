#pragma once

#include "ZTSwiftUIComponents/categories/CategoriesListModelData.h"
#include "ZTSwiftUIComponents/categories/CategoriesStore.h"
#include "ZTSwiftUIComponents/categories/CategoryInsightsViewModel.h"
#include "ZTSwiftUIComponents/categories/SubcategoriesList.h"
#include "ZTSwiftUIComponents/categories/SubcategoriesListViewModel.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <memory>

namespace zt {

/// A category's details: its subcategories, an insights sheet with the number and total of its
/// transactions, and the way to its transactions in the host.
class CategoryDetailsView {
public:
    CategoryDetailsView(std::shared_ptr<WidgetCategory> category, std::shared_ptr<CategoriesStore> store,
                        std::shared_ptr<CategoriesListModelData> model);

    /// The screen is shown: the subcategory list follows the category and the insights are read
    /// from the store.
    void onAppear() const;
    ui::View body() const;

    const std::shared_ptr<WidgetCategory>& category() const { return category_; }
    const std::shared_ptr<SubcategoriesListViewModel>& subcategoriesViewModel() const {
        return subcategories_;
    }
    const std::shared_ptr<CategoryInsightsViewModel>& insights() const { return insights_; }

private:
    struct State {
        bool isInsightsPresented = false;
    };

    std::shared_ptr<WidgetCategory> category_;
    std::shared_ptr<CategoriesStore> store_;
    std::shared_ptr<CategoriesListModelData> model_;
    std::shared_ptr<SubcategoriesListViewModel> subcategories_;
    std::shared_ptr<CategoryInsightsViewModel> insights_;
    SubcategoriesList subcategoriesList_;
    ui::ScreenState<State> state_;
};

} // namespace zt
