#pragma once

#include "ZTSwiftUIComponents/host/TransactionType.h"
#include "ZTSwiftUIComponents/host/WidgetSubcategory.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// A category: a shared, mutable object. Screens rewrite its favourite flag, its order and its
/// subcategory list in place; everyone holding the pointer sees the change.
class WidgetCategory {
public:
    WidgetCategory(
        std::string id, std::string name, std::string imageName, TransactionType type, int order = 0,
        std::optional<std::vector<std::shared_ptr<WidgetSubcategory>>> subcategories = std::nullopt)
        : id(std::move(id)), name(std::move(name)), imageName(std::move(imageName)), type(type),
          subcategories(std::move(subcategories)), order(order) {}

    std::string id;
    std::string name;
    std::string imageName;
    /// expense or income.
    TransactionType type;
    /// None when the category has no subcategory list at all.
    std::optional<std::vector<std::shared_ptr<WidgetSubcategory>>> subcategories;
    /// At most one category of each kind is the favourite; the screens keep it so.
    bool isFavorite = false;
    /// The position in the user's own order.
    int order = 0;

    bool isIncome() const { return type == TransactionType::income; }

    /// Fresh demo objects on every call: expense and income categories, with subcategories.
    static std::vector<std::shared_ptr<WidgetCategory>> demo();
    static std::vector<std::shared_ptr<WidgetCategory>> demoIncome();
    static std::vector<std::shared_ptr<WidgetCategory>> demoExpenses();
};

using WidgetCategoryList = std::vector<std::shared_ptr<WidgetCategory>>;

/// The income categories of the list, in list order (the same objects).
WidgetCategoryList incomeCategories(const WidgetCategoryList& categories);
/// The expense categories of the list, in list order (the same objects).
WidgetCategoryList expenseCategories(const WidgetCategoryList& categories);

} // namespace zt
