#pragma once

#include "HostDatabase.h"
#include "ZTSwiftUIComponents/categories/CategoriesListModelData.h"
#include "ZTSwiftUIComponents/categories/CategoriesMerger.h"
#include "ZTSwiftUIComponents/categories/CategoriesStore.h"

#include <functional>
#include <memory>

namespace zt {

/// The category screens over the host database: the data source of their transactions and the
/// delegate that stores what the user changes (order, favourites, deletion, merging) in one SQL
/// transaction each, then reloads the attached model from the file. A merge moves the merged
/// categories' transactions and subcategories to the destination; deleting a category or
/// subcategory keeps its transactions, uncategorised. A write the database refuses is logged and
/// the model shows what is stored. Main thread.
class HostCategoriesStore final : public CategoriesListModelDataDelegate,
                                  public CategoriesStoreDelegate,
                                  public CategoriesStoreDataSource,
                                  public CategoriesMergerDataSource {
public:
    explicit HostCategoriesStore(std::shared_ptr<HostDatabase> database);

    /// The stored expense or income categories in the user's order, each with its subcategories.
    WidgetCategoryList categories(TransactionType type);
    /// A model of every stored category, for the screens.
    std::shared_ptr<CategoriesListModelData> makeModel();
    /// The model reloaded after every change; held weakly.
    void attach(std::weak_ptr<CategoriesListModelData> model) { model_ = std::move(model); }

    /// The host's own forms and transaction list: the reference host has none, so it hands the
    /// requests to whoever set these (the gallery logs them).
    std::function<void(TransactionType)> onAddCategory;
    std::function<void(const std::shared_ptr<WidgetCategory>&)> onEditCategory;
    std::function<void(const std::shared_ptr<WidgetCategory>&)> onAddSubcategory;
    std::function<void(const std::shared_ptr<WidgetSubcategory>&)> onEditSubcategory;
    std::function<void(const std::shared_ptr<WidgetCategory>&)> onShowTransactions;

    // CategoriesStoreDataSource
    ReportTransactionList transactions(const WidgetCategory& category) const override;
    std::string locale() const override;
    ReportTransactionList allTransactions() const override;

    // CategoriesMergerDataSource: counted in the file, no row read.
    std::size_t numberOfTransactions(const WidgetCategoryList& categories) const override;

    // CategoriesListModelDataDelegate and CategoriesStoreDelegate
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
    /// Runs write in one SQL transaction; false, logged, when the database refused it. The model
    /// is reloaded either way.
    bool store(const char* what, const std::function<void(SqliteConnection&)>& write);
    ReportTransactionList query(const std::string& where, const std::string& id) const;

    std::shared_ptr<HostDatabase> database_;
    std::weak_ptr<CategoriesListModelData> model_;
};

} // namespace zt
