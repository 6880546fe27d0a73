#include "CategoryPickerModel.h"

#include "ZTSwiftUIComponents/categories/CategorySort.h"
#include "ZTSwiftUIComponents/host/KeyPathMatch.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/UserDefaults.h"

#include <algorithm>

namespace zt {

namespace {

std::optional<std::string> favoriteOf(const WidgetCategoryList& list) {
    for (const auto& c : list)
        if (c->isFavorite)
            return c->id;
    return std::nullopt;
}

} // namespace

CategoryPickerModel::CategoryPickerModel(WidgetCategoryList incomeCategories,
                                         WidgetCategoryList expenseCategories, TransactionType type)
    : searchText(*this), isSearching(*this),
      searchOnStart(*this, Environment::current().userDefaults().boolean(std::string(searchOnStartKey))),
      expandedCategories(*this), favoriteExpenseCategory(*this, favoriteOf(expenseCategories)),
      favoriteIncomeCategory(*this, favoriteOf(incomeCategories)),
      sort(*this, SortControllerState(SortEntity::categories).sort()), selectedCategory(*this),
      selectedSubcategory(*this), pendingDelete(*this), income_(std::move(incomeCategories)),
      expenses_(std::move(expenseCategories)), type_(type) {}

void CategoryPickerModel::onAppear() {
    isSearching.set(searchOnStart());
}

void CategoryPickerModel::setSearchOnStart(bool on) {
    searchOnStart.set(on);
    Environment::current().userDefaults().set(std::string(searchOnStartKey), UserDefaults::Value{on});
}

void CategoryPickerModel::toggleExpanded(const std::string& categoryId) {
    auto expanded = expandedCategories();
    if (!expanded.erase(categoryId))
        expanded.insert(categoryId);
    expandedCategories.set(std::move(expanded));
}

void CategoryPickerModel::markFavorite(const std::shared_ptr<WidgetCategory>& category) {
    (category->isIncome() ? favoriteIncomeCategory : favoriteExpenseCategory).set(category->id);
}

bool CategoryPickerModel::isFavorite(const WidgetCategory& category) const {
    return (category.isIncome() ? favoriteIncomeCategory() : favoriteExpenseCategory()) == category.id;
}

void CategoryPickerModel::select(const std::shared_ptr<WidgetCategory>& category) {
    selectedSubcategory.set(nullptr);
    selectedCategory.set(category);
    if (onSelect)
        onSelect(category, nullptr);
}

void CategoryPickerModel::select(const std::shared_ptr<WidgetSubcategory>& subcategory,
                                 const std::shared_ptr<WidgetCategory>& in) {
    console("selectSubcategory called for: " + subcategory->name + " (ID: " + subcategory->id + ")");
    selectedCategory.set(in);
    selectedSubcategory.set(subcategory);
    if (onSelect)
        onSelect(in, subcategory);
}

void CategoryPickerModel::addSubcategory(const std::shared_ptr<WidgetCategory>& category,
                                         bool fromMenu) const {
    console((fromMenu ? "Add subcategory button tapped for: " : "Add new subcategory to: ") + category->name);
}

void CategoryPickerModel::requestDelete(PendingDelete request) {
    pendingDelete.set(std::move(request));
}

void CategoryPickerModel::confirmDelete(const PendingDelete& request) {
    if (request.subcategory)
        console("Confirmed delete for subcategory: " + request.subcategory->name);
    else if (request.category)
        console("Confirmed delete for: " + request.category->name);
    pendingDelete.set(std::nullopt);
}

void CategoryPickerModel::cancelDelete() {
    pendingDelete.set(std::nullopt);
}

WidgetCategoryList CategoryPickerModel::shownCategories() const {
    const auto& source = type_ == TransactionType::income ? income_ : expenses_;
    const SearchText query(searchText());
    WidgetCategoryList out;
    for (const auto& c : source) {
        bool matches = query.matches(c->name);
        if (!matches && c->subcategories)
            matches = std::any_of(c->subcategories->begin(), c->subcategories->end(),
                                  [&](const auto& s) { return query.matches(s->name); });
        if (matches)
            out.push_back(c);
    }
    sortByRule(out, Sort{SortType::alphabetically, sort().ascending});
    return out;
}

WidgetSubcategoryList CategoryPickerModel::shownSubcategories(const WidgetCategory& category) const {
    if (!category.subcategories)
        return {};
    const SearchText query(searchText());
    if (query.matches(category.name))
        return *category.subcategories;
    WidgetSubcategoryList out;
    std::copy_if(category.subcategories->begin(), category.subcategories->end(), std::back_inserter(out),
                 [&](const auto& s) { return query.matches(s->name); });
    return out;
}

} // namespace zt
