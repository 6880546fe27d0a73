#pragma once

#include "ZTSwiftUIComponents/budgets/BudgetCategory.h"
#include "ZTSwiftUIComponents/budgets/CategorySelection.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The category chooser of the budget form: an explanation of the selection rule, a search field
/// and the categories with their subcategories. "Confirm" hands the choice to onCategorySelect and
/// closes the chooser through onDismiss. Copies share their screen state.
class ChooseCategoriesScreen {
public:
    ChooseCategoriesScreen(BudgetType budgetType, std::optional<SelectedCategoryData> selectedCategoryData,
                           std::function<void(const SelectedCategoryData&)> onCategorySelect,
                           std::vector<BudgetCategory> categories, std::function<void()> onDismiss = {});

    ui::View body() const;

    const CategorySelection& selection() const { return *selection_; }
    /// The offered categories the search text keeps: those whose name, or one of whose
    /// subcategories' names, contains it in any case.
    std::vector<BudgetCategory> visibleCategories() const;

private:
    struct State {
        std::string searchText;
    };
    BudgetType budgetType_;
    std::vector<BudgetCategory> categories_;
    std::function<void(const SelectedCategoryData&)> onCategorySelect_;
    std::function<void()> onDismiss_;
    ui::ScreenState<State> state_;
    ui::ScreenState<CategorySelection> selection_;
};

} // namespace zt
