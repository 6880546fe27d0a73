#include "MockCategoriesListModelDataDelegate.h"

#include "platform/Console.h"
#include "platform/MainQueue.h"

#include <algorithm>

namespace zt {

MockCategoriesListModelDataDelegate::MockCategoriesListModelDataDelegate(
    std::weak_ptr<CategoriesListModelData> model)
    : model_(std::move(model)) {}

void MockCategoriesListModelDataDelegate::addCategory(TransactionType type) {
    console("addCategory(type:) " + std::string(rawValue(type)));
}

void MockCategoriesListModelDataDelegate::editCategory(const std::shared_ptr<WidgetCategory>& category) {
    console("editCategory(_:) " + category->name);
}

void MockCategoriesListModelDataDelegate::updateCategory(const std::shared_ptr<WidgetCategory>& category) {
    console("updateCategory(_:) " + category->name);
}

void MockCategoriesListModelDataDelegate::saveOrder(const WidgetCategoryList& categories) {
    console("saveOrder(of:) " + std::to_string(categories.size()) + " categories");
}

void MockCategoriesListModelDataDelegate::deleteCategories(const std::vector<std::string>& identifiers) {
    console("deleteCategories(withIdentifiers:) " + std::to_string(identifiers.size()) + " categories");
}

void MockCategoriesListModelDataDelegate::addSubcategory(const std::shared_ptr<WidgetCategory>& category) {
    console("addSubcategory(to:) " + category->name);
}

void MockCategoriesListModelDataDelegate::editSubcategory(
    const std::shared_ptr<WidgetSubcategory>& subcategory) {
    console("editSubcategory(_:) " + subcategory->name);
}

void MockCategoriesListModelDataDelegate::saveSubcategoryOrder(
    const WidgetSubcategoryList&, const std::shared_ptr<WidgetCategory>& category) {
    console("saveSubcategoryOrder(_:in:) " + category->name);
}

void MockCategoriesListModelDataDelegate::moveSubcategory(
    const std::shared_ptr<WidgetSubcategory>& subcategory,
    const std::shared_ptr<WidgetCategory>& destination) {
    console("moveSubcategory " + subcategory->name + " to " + destination->name);
}

void MockCategoriesListModelDataDelegate::deleteSubcategories(const std::vector<std::string>& identifiers,
                                                              const std::string& categoryId) {
    console("deleteSubcategories(withIdentifiers:categoryId:) " + categoryId);
    const auto model = model_.lock();
    if (!model)
        return;
    for (const auto* list : {&model->expenses(), &model->income()})
        for (const auto& c : *list)
            if (c->id == categoryId && c->subcategories)
                std::erase_if(*c->subcategories, [&](const auto& s) {
                    return std::find(identifiers.begin(), identifiers.end(), s->id) != identifiers.end();
                });
    model->updateSort();
}

void MockCategoriesListModelDataDelegate::mergeCategories(const WidgetCategoryList& categories,
                                                          const std::shared_ptr<WidgetCategory>& destination,
                                                          std::function<void(bool)> completion) {
    console("mergeCategories(_:into:completion:) into " + destination->name);
    if (const auto model = model_.lock()) {
        const auto kept = [&](WidgetCategoryList list) {
            std::erase_if(list, [&](const auto& c) {
                return std::find(categories.begin(), categories.end(), c) != categories.end();
            });
            return list;
        };
        model->reload(kept(model->income()), kept(model->expenses()));
    }
    if (completion)
        MainQueue::main().async([completion] { completion(true); });
}

void MockCategoriesListModelDataDelegate::mergeSubcategories(
    const WidgetSubcategoryList& subcategories, const std::shared_ptr<WidgetSubcategory>& destination) {
    console("mergeSubcategories(_:into:) " + std::to_string(subcategories.size()) + " into " +
            destination->name);
}

void MockCategoriesListModelDataDelegate::showTransactions(const std::shared_ptr<WidgetCategory>& category) {
    console("showTransactions(for:) " + category->name);
}

} // namespace zt
