#include "CategoriesListModelData.h"

#include "ZTSwiftUIComponents/categories/CategorySort.h"
#include "ZTSwiftUIComponents/host/KeyPathMatch.h"
#include "platform/Console.h"
#include "platform/MainQueue.h"

#include <algorithm>
#include <unordered_set>

namespace zt {

namespace {

Sort persistedSort() {
    return SortControllerState(SortEntity::categories).sort();
}

// By identity; a set keeps deleting everything from thousands of categories linear.
WidgetCategoryList without(const WidgetCategoryList& list,
                           const std::unordered_set<const WidgetCategory*>& removed) {
    WidgetCategoryList out;
    out.reserve(list.size());
    for (const auto& c : list)
        if (!removed.contains(c.get()))
            out.push_back(c);
    return out;
}

} // namespace

CategoriesListModelData::CategoriesListModelData(WidgetCategoryList incomeList,
                                                 WidgetCategoryList expenseList)
    : income(*this, std::move(incomeList)), expenses(*this, std::move(expenseList)), actualDataSource(*this),
      searchText(*this), selectedType(*this, TransactionType::expense), canMove(*this, true),
      sort(*this, persistedSort()) {
    objectWillChange.notify();
    updateSort(sort());
}

std::shared_ptr<CategoriesListModelData> CategoriesListModelData::demo() {
    return std::make_shared<CategoriesListModelData>(WidgetCategory::demoIncome(),
                                                     WidgetCategory::demoExpenses());
}

void CategoriesListModelData::setSearchText(std::string text) {
    searchText.set(std::move(text));
    updateSort();
}

void CategoriesListModelData::setSelectedType(TransactionType type) {
    selectedType.set(type);
    updateSort();
}

void CategoriesListModelData::updateSort() {
    objectWillChange.notify();
    updateSort(sort());
}

void CategoriesListModelData::updateSort(const Sort& s) {
    console("updateSort(_:)");
    auto sortedExpenses = expenses();
    sortByRule(sortedExpenses, s);
    expenses.set(std::move(sortedExpenses));
    auto sortedIncome = income();
    sortByRule(sortedIncome, s);
    income.set(std::move(sortedIncome));
    actualDataSource.set(displayedRows());
    canMove.set(s.type == SortType::userDefined);
}

void CategoriesListModelData::updateSortOrder(const Sort& s) {
    sort.set(s);
    console("sort selected: " + localized(s.type));
    SortControllerState(SortEntity::categories).save(s);
    objectWillChange.notify();
    updateSort(s);
}

WidgetCategoryList CategoriesListModelData::displayedRows() const {
    const auto& source = selectedType() == TransactionType::expense ? expenses() : income();
    WidgetCategoryList rows;
    rows.reserve(source.size());
    std::copy_if(source.begin(), source.end(), std::back_inserter(rows),
                 keyPathMatch(&WidgetCategory::name, searchText()));
    sortByRule(rows, sort());
    return rows;
}

void CategoriesListModelData::remove(const std::set<std::string>& selection) {
    std::unordered_set<const WidgetCategory*> removed;
    std::vector<std::string> identifiers;
    for (const auto& c : actualDataSource())
        if (selection.contains(c->id)) {
            removed.insert(c.get());
            identifiers.push_back(c->id);
        }
    expenses.set(without(expenses(), removed));
    income.set(without(income(), removed));
    actualDataSource.set(without(actualDataSource(), removed));
    MainQueue::main().async([delegate = delegate, identifiers = std::move(identifiers)] {
        if (const auto target = delegate.lock())
            target->deleteCategories(identifiers);
    });
}

void CategoriesListModelData::move(const IndexSet& fromOffsets, std::size_t toOffset, bool ascending) {
    if (sort().type != SortType::userDefined)
        return;
    auto rows = actualDataSource();
    moveElements(rows, fromOffsets, toOffset);
    rewriteOrder(rows, ascending, static_cast<int>(rows.size()) - 1);
    actualDataSource.set(rows);
    MainQueue::main().async([delegate = delegate, rows = std::move(rows)] {
        if (const auto target = delegate.lock())
            target->saveOrder(rows);
    });
}

void CategoriesListModelData::toggleFavorite(const std::shared_ptr<WidgetCategory>& category) {
    if (!category)
        return;
    const bool makeFavorite = !category->isFavorite;
    objectWillChange.notify();
    for (const auto* list : {&expenses(), &income()})
        for (const auto& c : *list)
            c->isFavorite = false;
    category->isFavorite = makeFavorite;
    if (const auto target = delegate.lock())
        target->updateCategory(category);
}

void CategoriesListModelData::reload(WidgetCategoryList incomeList, WidgetCategoryList expenseList) {
    income.assign(std::move(incomeList));
    expenses.assign(std::move(expenseList));
    updateSort();
}

} // namespace zt
