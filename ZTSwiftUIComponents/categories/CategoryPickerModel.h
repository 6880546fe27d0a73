#pragma once

#include "ZTSwiftUIComponents/categories/CategoriesListModelDataDelegate.h"
#include "ZTSwiftUIComponents/host/Sort.h"
#include "platform/Published.h"

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace zt {

/// The model of the category pickers (a cloud of chips and an expandable list): the categories
/// of one kind, searched by name or subcategory name, sorted by name, with the favourite of each
/// kind remembered by identifier. Main thread.
class CategoryPickerModel final : public ObservableObject {
public:
    /// The user default that opens the search field each time a picker is shown.
    static constexpr std::string_view searchOnStartKey = "categoryPickerSearchOnStart";

    /// A delete the user asked for and has not yet confirmed.
    struct PendingDelete {
        std::shared_ptr<WidgetCategory> category;
        /// Set when a subcategory of category is to go.
        std::shared_ptr<WidgetSubcategory> subcategory;
    };

    /// The favourites start as the categories whose flag is set.
    CategoryPickerModel(WidgetCategoryList incomeCategories, WidgetCategoryList expenseCategories,
                        TransactionType type);

    Published<std::string> searchText;
    Published<bool> isSearching;
    /// Assign with setSearchOnStart(), which remembers it.
    Published<bool, CategoryPickerModel> searchOnStart;
    Published<std::set<std::string>> expandedCategories;
    Published<std::optional<std::string>> favoriteExpenseCategory;
    Published<std::optional<std::string>> favoriteIncomeCategory;
    Published<Sort> sort;
    Published<std::shared_ptr<WidgetCategory>> selectedCategory;
    Published<std::shared_ptr<WidgetSubcategory>> selectedSubcategory;
    /// Assign with requestDelete(), end with confirmDelete() or cancelDelete().
    Published<std::optional<PendingDelete>, CategoryPickerModel> pendingDelete;

    /// Heard when the user picks a category, or a subcategory of it.
    std::function<void(const std::shared_ptr<WidgetCategory>&, const std::shared_ptr<WidgetSubcategory>&)>
        onSelect;

    TransactionType type() const { return type_; }

    /// The picker is shown: the search opens when the user asked for that.
    void onAppear();
    void setSearchOnStart(bool on);
    void toggleExpanded(const std::string& categoryId);
    /// Remembers the category as the favourite of its kind.
    void markFavorite(const std::shared_ptr<WidgetCategory>& category);
    bool isFavorite(const WidgetCategory& category) const;
    void select(const std::shared_ptr<WidgetCategory>& category);
    void select(const std::shared_ptr<WidgetSubcategory>& subcategory,
                const std::shared_ptr<WidgetCategory>& in);
    /// fromMenu tells the category's menu item from the add row under its subcategories.
    void addSubcategory(const std::shared_ptr<WidgetCategory>& category, bool fromMenu) const;
    void requestDelete(PendingDelete request);
    /// Deletes what the dialog asked about (captured when it was drawn, since dismissing the dialog
    /// clears pendingDelete first).
    void confirmDelete(const PendingDelete& request);
    void cancelDelete();

    /// The categories of the picker's kind that match the search, sorted by name.
    WidgetCategoryList shownCategories() const;
    /// The category's subcategories, those matching the search when the category's own name does not.
    WidgetSubcategoryList shownSubcategories(const WidgetCategory& category) const;

private:
    WidgetCategoryList income_;
    WidgetCategoryList expenses_;
    TransactionType type_;
};

} // namespace zt
