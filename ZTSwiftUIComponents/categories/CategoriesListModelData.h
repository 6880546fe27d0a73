#pragma once

#include "ZTSwiftUIComponents/categories/CategoriesListModelDataDelegate.h"
#include "ZTSwiftUIComponents/host/Sort.h"
#include "ZTSwiftUIComponents/host/TransactionType.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "platform/CollectionMove.h"
#include "platform/Published.h"

#include <memory>
#include <set>
#include <string>

namespace zt {

/// The category list: both kinds kept sorted, the rows shown for the chosen kind and search, and
/// the user's moves, deletions and favourite. Main thread. Every published value changes only
/// through the operation that applies its rule; the delegate hears of each change.
class CategoriesListModelData final : public ObservableObject {
public:
    /// Starts with the persisted sort of the categories list applied to both lists and the rows.
    CategoriesListModelData(WidgetCategoryList income, WidgetCategoryList expenses);

    /// A model over the host's demo categories.
    static std::shared_ptr<CategoriesListModelData> demo();

    /// Every income category, kept sorted.
    Published<WidgetCategoryList, CategoriesListModelData> income;
    /// Every expense category, kept sorted.
    Published<WidgetCategoryList, CategoriesListModelData> expenses;
    /// The rows shown: the selected kind, filtered by the search text, sorted.
    Published<WidgetCategoryList, CategoriesListModelData> actualDataSource;
    Published<std::string, CategoriesListModelData> searchText;
    Published<TransactionType, CategoriesListModelData> selectedType;
    /// Rows can be dragged only in the user's own order.
    Published<bool, CategoriesListModelData> canMove;
    Published<Sort, CategoriesListModelData> sort;

    std::weak_ptr<CategoriesListModelDataDelegate> delegate;

    /// The search field changed: the rows follow.
    void setSearchText(std::string text);
    /// The kind picker changed: the rows follow.
    void setSelectedType(TransactionType type);

    /// Applies the current sort again.
    void updateSort();
    /// Sorts both lists and the rows by s and sets whether rows can move; `sort` is not written.
    void updateSort(const Sort& s);
    /// The user picked a sort: it becomes current, is remembered for the next model, and applied.
    void updateSortOrder(const Sort& s);

    /// Deletes the shown rows whose identifiers are selected; the delegate hears of it on the main
    /// queue, after the change, with the identifiers in list order (an empty list for none).
    void remove(const std::set<std::string>& selection);
    /// A drag in the list. Under the user's own order the rows move and every shown row's order is
    /// rewritten (0 upwards top to bottom when ascending, down to 0 when descending); the delegate
    /// receives the rows on the main queue. Under an alphabetical sort nothing happens.
    void move(const IndexSet& fromOffsets, std::size_t toOffset, bool ascending);
    /// Makes the category the only favourite of both kinds, or, when it is the favourite already,
    /// clears its flag; either way the delegate's updateCategory hears of it.
    void toggleFavorite(const std::shared_ptr<WidgetCategory>& category);

    /// New lists from the host (after it added, edited or merged categories), sorted like the old.
    void reload(WidgetCategoryList income, WidgetCategoryList expenses);

    /// Two models are equal when they are the same object.
    bool operator==(const CategoriesListModelData& other) const { return this == &other; }

private:
    WidgetCategoryList displayedRows() const;
};

} // namespace zt
