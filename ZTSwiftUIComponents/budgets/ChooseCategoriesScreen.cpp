#include "ChooseCategoriesScreen.h"

#include "ZTSwiftUIComponents/budgets/CategoryRow.h"
#include "ZTSwiftUIComponents/budgets/SearchText.h"
#include "ZTSwiftUIComponents/budgets/SubcategoryRow.h"
#include "platform/StringTable.h"

namespace zt {

ChooseCategoriesScreen::ChooseCategoriesScreen(
    BudgetType budgetType, std::optional<SelectedCategoryData> selectedCategoryData,
    std::function<void(const SelectedCategoryData&)> onCategorySelect, std::vector<BudgetCategory> categories,
    std::function<void()> onDismiss)
    : budgetType_(budgetType), categories_(std::move(categories)),
      onCategorySelect_(std::move(onCategorySelect)), onDismiss_(std::move(onDismiss)),
      selection_(CategorySelection::from(budgetType, selectedCategoryData)) {}

std::vector<BudgetCategory> ChooseCategoriesScreen::visibleCategories() const {
    const std::string query = lowercased(state_->searchText);
    if (query.empty())
        return categories_;
    std::vector<BudgetCategory> out;
    for (const auto& category : categories_) {
        const auto matches = [&](const std::string& name) {
            return lowercased(name).find(query) != std::string::npos;
        };
        bool keep = matches(category.name);
        for (const auto& subcategory : category.subcategories)
            keep = keep || matches(subcategory.name);
        if (keep)
            out.push_back(category);
    }
    return out;
}

ui::View ChooseCategoriesScreen::body() const {
    const bool isSearching = !state_->searchText.empty();
    std::vector<ui::View> rows;
    for (const auto& category : visibleCategories()) {
        rows.push_back(CategoryRow(category, selection_).body());
        // A search shows the subcategories it may have matched.
        if (selection_->isExpanded(category) || (isSearching && !category.subcategories.empty()))
            for (const auto& subcategory : category.subcategories)
                rows.push_back(SubcategoryRow(subcategory, category, selection_).body());
    }
    if (rows.empty())
        rows.push_back(ui::text(L("No categories found")).secondary());

    const std::string info =
        budgetType_ == BudgetType::custom
            ? L("Since the budget type is custom, you can select as many categories you want.")
            : L("Since the budget type is category-based, you can only select one category along with its "
                "subcategories.");
    const auto result = selection_->result(categories_);
    const auto confirm = [result, onSelect = onCategorySelect_, onDismiss = onDismiss_] {
        if (!result)
            return;
        if (onSelect)
            onSelect(*result);
        if (onDismiss)
            onDismiss();
    };
    return ui::navigationTitle(
        L("Select category"),
        {
            ui::list({
                ui::section({ui::label(info, "info.circle").secondary().id("selectionRule")}),
                ui::section(
                    {ui::textField(L("Search"), state_->searchText, state_.binding(&State::searchText))
                         .id("search")}),
                ui::section(std::move(rows)),
            }),
            ui::toolbarItem("confirm", ui::button(L("Confirm"), confirm).disabled(!result)),
        });
}

} // namespace zt
