#include "Gallery.h"
#include "GalleryHost.h"
#include "ZTSwiftUIComponents/categories/CategoriesList.h"
#include "ZTSwiftUIComponents/categories/CategoryPickerScreen.h"
#include "ZTSwiftUIComponents/categories/NewCategoryScreen.h"
#include "host-sqlite/HostCategoriesStore.h"
#include "mocks/MockCategoriesListModelDataDelegate.h"
#include "mocks/MockCategoriesStoreDataSource.h"
#include "platform/Console.h"

#include <memory>

namespace zt::preview {

namespace {

// On a database file: the categories as stored, every change kept.
Screen storedCategoriesPage(std::shared_ptr<HostDatabase> database) {
    const auto host = std::make_shared<HostCategoriesStore>(std::move(database));
    // The gallery has no category forms or transaction list of its own: it names the request.
    host->onAddCategory = [](TransactionType type) { console("addCategory " + std::string(rawValue(type))); };
    host->onEditCategory = [](const auto& category) { console("editCategory " + category->name); };
    host->onAddSubcategory = [](const auto& category) { console("addSubcategory to " + category->name); };
    host->onEditSubcategory = [](const auto& subcategory) {
        console("editSubcategory " + subcategory->name);
    };
    host->onShowTransactions = [](const auto& category) { console("showTransactions " + category->name); };
    const auto model = host->makeModel();
    const auto store = std::make_shared<CategoriesStore>(host);
    model->delegate = host;
    store->delegate = host;
    const auto screen = std::make_shared<const CategoriesList>(store, model);
    return [screen, model, host, store] { return screen->body(); };
}

Screen categoriesPage(PageContext&) {
    if (auto database = galleryDatabase())
        return storedCategoriesPage(std::move(database));
    const auto model = CategoriesListModelData::demo();
    const auto host = std::make_shared<MockCategoriesListModelDataDelegate>(model);
    const auto dataSource = std::make_shared<MockCategoriesStoreDataSource>();
    const auto store = std::make_shared<CategoriesStore>(dataSource);
    model->delegate = host;
    store->delegate = host;
    const auto screen = std::make_shared<const CategoriesList>(store, model);
    return [screen, model, host, dataSource, store] { return screen->body(); };
}

template <class Layout> Screen pickerPage(PageContext&) {
    const auto screen = std::make_shared<const Layout>(
        WidgetCategory::demoIncome(), WidgetCategory::demoExpenses(), TransactionType::expense);
    screen->onAppear();
    return [screen] { return screen->body(); };
}

Screen newCategoryPage(PageContext&) {
    const auto form = std::make_shared<const NewCategoryScreen>(false, "", TransactionType::expense, "");
    return [form] { return form->body(); };
}

} // namespace

std::vector<Page> categoryPages() {
    return {
        {"categories", "Categories", categoriesPage},
        {"category-picker-cloud", "Category picker (cloud)", pickerPage<CloudCategoryScreen>},
        {"category-picker-list", "Category picker (list)", pickerPage<ExpandableCategoryScreen>},
        {"new-category", "New category", newCategoryPage},
    };
}

} // namespace zt::preview
