#pragma once

#include "ZTSwiftUIComponents/categories/CategoriesListModelData.h"
#include "ZTSwiftUIComponents/categories/CategoriesStore.h"

#include <memory>

namespace zt {

/// The demo host of the category screens: names every call on the console and applies what a
/// host would store, so the demo shows the outcome (merged categories leave the list, deleted
/// subcategories leave their category). It holds the model weakly.
class MockCategoriesListModelDataDelegate final : public CategoriesListModelDataDelegate,
                                                  public CategoriesStoreDelegate {
public:
    explicit MockCategoriesListModelDataDelegate(std::weak_ptr<CategoriesListModelData> model);

    void addCategory(TransactionType type) override;
    void editCategory(const std::shared_ptr<WidgetCategory>& category) override;
    void updateCategory(const std::shared_ptr<WidgetCategory>& category) override;
    void saveOrder(const WidgetCategoryList& categories) override;
    void deleteCategories(const std::vector<std::string>& identifiers) override;
    void addSubcategory(const std::shared_ptr<WidgetCategory>& category) override;
    void editSubcategory(const std::shared_ptr<WidgetSubcategory>& subcategory) override;
    void saveSubcategoryOrder(const WidgetSubcategoryList& subcategories,
                              const std::shared_ptr<WidgetCategory>& category) override;
    void moveSubcategory(const std::shared_ptr<WidgetSubcategory>& subcategory,
                         const std::shared_ptr<WidgetCategory>& destination) override;
    void deleteSubcategories(const std::vector<std::string>& identifiers,
                             const std::string& categoryId) override;
    void mergeCategories(const WidgetCategoryList& categories,
                         const std::shared_ptr<WidgetCategory>& destination,
                         std::function<void(bool)> completion) override;
    void mergeSubcategories(const WidgetSubcategoryList& subcategories,
                            const std::shared_ptr<WidgetSubcategory>& destination) override;
    void showTransactions(const std::shared_ptr<WidgetCategory>& category) override;

private:
    std::weak_ptr<CategoriesListModelData> model_;
};

} // namespace zt
