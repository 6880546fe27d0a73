#include "CategorySelection.h"

namespace zt {

CategorySelection CategorySelection::from(BudgetType type,
                                          const std::optional<SelectedCategoryData>& earlier) {
    CategorySelection selection;
    selection.budgetType = type;
    if (!earlier)
        return selection;
    selection.selectedSubcategories = earlier->selectedSubcategories;
    const auto take = [&](const BudgetCategory& category) {
        selection.selectedCategories.insert(category.id);
        for (const auto& subcategory : category.subcategories)
            if (selection.selectedSubcategories.contains(subcategory.id))
                selection.expandedCategories.insert(category.id);
    };
    take(earlier->category);
    selection.selectedCategory = earlier->category.id;
    for (const auto& category : earlier->additionalCategories)
        take(category);
    if (type == BudgetType::category)
        selection.selectedCategories.clear();
    return selection;
}

bool CategorySelection::isSelected(const BudgetCategory& category) const {
    return budgetType == BudgetType::category ? selectedCategory == category.id
                                              : selectedCategories.contains(category.id);
}

void CategorySelection::deselectSubcategories(const BudgetCategory& category) {
    for (const auto& subcategory : category.subcategories)
        selectedSubcategories.erase(subcategory.id);
}

void CategorySelection::toggle(const BudgetCategory& category) {
    if (isSelected(category)) {
        if (budgetType == BudgetType::category)
            selectedCategory.reset();
        else
            selectedCategories.erase(category.id);
        deselectSubcategories(category);
        return;
    }
    if (budgetType == BudgetType::category) {
        selectedCategory = category.id;
        selectedSubcategories.clear();
    } else {
        selectedCategories.insert(category.id);
    }
}

void CategorySelection::toggle(const BudgetSubcategory& subcategory, const BudgetCategory& parent) {
    if (selectedSubcategories.erase(subcategory.id) > 0)
        return;
    if (!isSelected(parent))
        toggle(parent);
    selectedSubcategories.insert(subcategory.id);
}

void CategorySelection::toggleExpanded(const BudgetCategory& category) {
    if (!expandedCategories.erase(category.id))
        expandedCategories.insert(category.id);
}

std::optional<SelectedCategoryData>
CategorySelection::result(const std::vector<BudgetCategory>& categories) const {
    std::optional<SelectedCategoryData> out;
    for (const auto& category : categories) {
        if (!isSelected(category))
            continue;
        if (!out) {
            out.emplace();
            out->category = category;
        } else {
            out->additionalCategories.push_back(category);
        }
        for (const auto& subcategory : category.subcategories)
            if (selectedSubcategories.contains(subcategory.id))
                out->selectedSubcategories.insert(subcategory.id);
    }
    return out;
}

} // namespace zt
