#pragma once

#include "ZTSwiftUIComponents/categories/CategoriesListModelDataDelegate.h"
#include "ZTSwiftUIComponents/host/Sort.h"
#include "platform/CollectionMove.h"
#include "platform/Published.h"

#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The subcategories of one category: searched, sorted and reordered in the category's own list
/// (the shared category sees every change). Main thread.
class SubcategoriesListViewModel final : public ObservableObject {
public:
    /// Starts with the persisted sort of the subcategories list and no category.
    SubcategoriesListViewModel();

    Published<std::string> searchText;
    /// The one being edited.
    Published<std::shared_ptr<WidgetSubcategory>> selectedSubcategory;
    /// Whose subcategories are listed.
    Published<std::shared_ptr<WidgetCategory>> category;
    /// Assign with updateSort().
    Published<Sort, SubcategoriesListViewModel> sort;

    /// Stores the sort and sorts the category's subcategories by it, in place.
    void updateSort(const Sort& s);
    /// A drag: moves the subcategories within the category's list and rewrites every order, 0
    /// upwards top to bottom when ascending, from the count down to 1 when descending.
    void move(const IndexSet& fromOffsets, std::size_t toOffset);
    /// A drag in the searched list: offsets count the shown rows; the rows move within the whole
    /// list to just before the shown row at toOffset (after the last shown one at the end).
    void moveShown(const IndexSet& fromOffsets, std::size_t toOffset);
    /// Takes the subcategories out of the category's list (after the host was asked to merge them).
    void removeSubcategories(const WidgetSubcategoryList& removed);

    /// The hint under the list; none while the category has no subcategories.
    std::optional<std::string> footerText() const;
    /// The category's subcategories whose names match the search, in list order.
    WidgetSubcategoryList filteredSubcategories() const;
    /// Every subcategory of the category, in list order.
    WidgetSubcategoryList allSubcategories() const;
};

} // namespace zt
