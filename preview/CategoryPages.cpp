#include "Gallery.h"
#include "ZTSwiftUIComponents/categories/CategoriesList.h"
#include "ZTSwiftUIComponents/categories/CategoryPickerScreen.h"
#include "ZTSwiftUIComponents/categories/NewCategoryScreen.h"
#include "mocks/MockCategoriesListModelDataDelegate.h"
#include "mocks/MockCategoriesStoreDataSource.h"

#include <memory>

namespace zt::preview {

namespace {

Screen categoriesPage(PageContext&) {
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
