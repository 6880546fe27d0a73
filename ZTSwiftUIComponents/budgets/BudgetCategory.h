#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"

#include <set>
#include <string>
#include <vector>

namespace zt {

/// A subcategory as the budget editor works on it. Identifiers are the host's record identifiers.
struct BudgetSubcategory {
    std::string id;
    std::string name;
    double spent = 0;
    double budget = 0;

    bool operator==(const BudgetSubcategory&) const = default;
};

/// A category as the budget editor works on it; icon is an emoji or a symbol name.
struct BudgetCategory {
    std::string id;
    std::string name;
    std::string icon;
    double spent = 0;
    double budget = 0;
    std::vector<BudgetSubcategory> subcategories;

    bool operator==(const BudgetCategory&) const = default;
};

/// The host's expense categories as the chooser offers them, in the given order, each with its
/// subcategories in their own order. Income categories are left out: budgets cap spending.
std::vector<BudgetCategory> budgetCategories(const WidgetCategoryList& categories);

/// A ready-made category a budget can start from. Each template gets a fresh identifier, so two
/// templates are the same when their name and icon are; id and color do not take part.
struct BudgetCategoryTemplate {
    BudgetCategoryTemplate(std::string icon, std::string name, Color color = {});

    std::string id;
    std::string icon;
    std::string name;
    Color color;

    bool operator==(const BudgetCategoryTemplate& other) const {
        return name == other.name && icon == other.icon;
    }
};

/// What the category chooser hands back: the chosen category and the identifiers of its chosen
/// subcategories. A custom budget may cover several categories: the ones after the first are in
/// additionalCategories, and selectedSubcategories then holds the chosen subcategories of all of
/// them.
struct SelectedCategoryData {
    BudgetCategory category;
    std::set<std::string> selectedSubcategories;
    std::vector<BudgetCategory> additionalCategories;

    bool operator==(const SelectedCategoryData&) const = default;

    std::size_t categoryCount() const { return 1 + additionalCategories.size(); }
    /// The chosen subcategories in category order, then in each category's order.
    std::vector<BudgetSubcategory> selectedSubcategoryList() const;
};

} // namespace zt
