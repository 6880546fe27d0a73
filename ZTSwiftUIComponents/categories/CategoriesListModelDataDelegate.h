#pragma once

#include "ZTSwiftUIComponents/host/TransactionType.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zt {

using WidgetSubcategoryList = std::vector<std::shared_ptr<WidgetSubcategory>>;

/// The host's side of the category screens: every change the user makes arrives here, on the
/// main thread. The screens hold it weakly; once the host lets it go, calls are skipped.
class CategoriesListModelDataDelegate {
public:
    virtual ~CategoriesListModelDataDelegate() = default;

    /// The plus button of the list, with the kind shown.
    virtual void addCategory(TransactionType type) = 0;
    /// The row's Edit action; the host shows its category form.
    virtual void editCategory(const std::shared_ptr<WidgetCategory>& category) = 0;
    /// The category's favourite flag was set or cleared.
    virtual void updateCategory(const std::shared_ptr<WidgetCategory>& category) = 0;
    /// Every row shown after a drag, orders already rewritten.
    virtual void saveOrder(const WidgetCategoryList& categories) = 0;
    /// Identifiers in list order.
    virtual void deleteCategories(const std::vector<std::string>& identifiers) = 0;

    /// The New Subcategory button of the category's subcategory list.
    virtual void addSubcategory(const std::shared_ptr<WidgetCategory>& category) = 0;
    /// The Edit action of a subcategory row; the host shows its subcategory form.
    virtual void editSubcategory(const std::shared_ptr<WidgetSubcategory>& subcategory) = 0;
    /// The category's whole subcategory list after a drag, orders already rewritten.
    virtual void saveSubcategoryOrder(const WidgetSubcategoryList& subcategories,
                                      const std::shared_ptr<WidgetCategory>& category) = 0;
    /// Moves a subcategory to another category. No screen of the library calls it; hosts that
    /// offer the move elsewhere implement it.
    virtual void moveSubcategory(const std::shared_ptr<WidgetSubcategory>& subcategory,
                                 const std::shared_ptr<WidgetCategory>& destination) = 0;
    /// Identifiers in the order the list shows them.
    virtual void deleteSubcategories(const std::vector<std::string>& identifiers,
                                     const std::string& categoryId) = 0;
    /// categories never contains destination. The host calls completion once the merge is stored
    /// (true) or has failed (false); the screen does not wait for it.
    virtual void mergeCategories(const WidgetCategoryList& categories,
                                 const std::shared_ptr<WidgetCategory>& destination,
                                 std::function<void(bool)> completion) = 0;
    /// subcategories never contains destination.
    virtual void mergeSubcategories(const WidgetSubcategoryList& subcategories,
                                    const std::shared_ptr<WidgetSubcategory>& destination) = 0;
};

} // namespace zt
