#pragma once

#include "ZTSwiftUIComponents/budgets/BudgetCategory.h"
#include "ZTSwiftUIComponents/budgets/BudgetType.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zt {

/// What the category chooser has selected, under the rule of the budget type: a category-based
/// budget covers one category (selectedCategory) with any of its subcategories, so choosing
/// another category or one of its subcategories starts over; a custom budget covers any number
/// of categories (selectedCategories), and choosing a subcategory also chooses its category.
/// Deselecting a category deselects its subcategories.
struct CategorySelection {
    BudgetType budgetType = BudgetType::category;
    std::set<std::string> selectedSubcategories;
    std::set<std::string> expandedCategories;
    std::optional<std::string> selectedCategory;
    std::set<std::string> selectedCategories;

    /// Starts from an earlier choice; categories with chosen subcategories start expanded.
    static CategorySelection from(BudgetType type, const std::optional<SelectedCategoryData>& earlier);

    bool isSelected(const BudgetCategory& category) const;
    bool isSelected(const BudgetSubcategory& subcategory) const {
        return selectedSubcategories.contains(subcategory.id);
    }
    bool isExpanded(const BudgetCategory& category) const { return expandedCategories.contains(category.id); }

    void toggle(const BudgetCategory& category);
    void toggle(const BudgetSubcategory& subcategory, const BudgetCategory& parent);
    void toggleExpanded(const BudgetCategory& category);

    /// The choice over the offered categories: the selected ones in list order, the first as the
    /// category. None while nothing is selected.
    std::optional<SelectedCategoryData> result(const std::vector<BudgetCategory>& categories) const;

private:
    void deselectSubcategories(const BudgetCategory& category);
};

} // namespace zt
