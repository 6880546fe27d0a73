#include "SubcategoriesListViewModel.h"

#include "ZTSwiftUIComponents/categories/CategorySort.h"
#include "ZTSwiftUIComponents/host/KeyPathMatch.h"
#include "platform/Console.h"
#include "platform/StringTable.h"

#include <algorithm>

namespace zt {

SubcategoriesListViewModel::SubcategoriesListViewModel()
    : searchText(*this), selectedSubcategory(*this), category(*this),
      sort(*this, SortControllerState(SortEntity::subcategories).sort()) {}

void SubcategoriesListViewModel::updateSort(const Sort& s) {
    console("updateSort(sort:)");
    sort.set(s);
    if (const auto& c = category(); c && c->subcategories)
        sortByRule(*c->subcategories, s);
    objectWillChange.notify();
}

void SubcategoriesListViewModel::move(const IndexSet& fromOffsets, std::size_t toOffset) {
    const auto& c = category();
    if (!c || !c->subcategories)
        return;
    objectWillChange.notify();
    auto& list = *c->subcategories;
    moveElements(list, fromOffsets, toOffset);
    rewriteOrder(list, sort().ascending, static_cast<int>(list.size()));
}

void SubcategoriesListViewModel::moveShown(const IndexSet& fromOffsets, std::size_t toOffset) {
    const auto shown = filteredSubcategories();
    const auto all = allSubcategories();
    if (shown.empty())
        return;
    const auto positionInAll = [&](const std::shared_ptr<WidgetSubcategory>& s) {
        return static_cast<std::size_t>(std::find(all.begin(), all.end(), s) - all.begin());
    };
    IndexSet offsets;
    for (const auto offset : fromOffsets)
        if (offset < shown.size())
            offsets.insert(positionInAll(shown[offset]));
    const std::size_t destination =
        toOffset < shown.size() ? positionInAll(shown[toOffset]) : positionInAll(shown.back()) + 1;
    move(offsets, destination);
}

void SubcategoriesListViewModel::removeSubcategories(const WidgetSubcategoryList& removed) {
    const auto& c = category();
    if (!c || !c->subcategories)
        return;
    objectWillChange.notify();
    std::erase_if(*c->subcategories, [&](const auto& s) {
        return std::find(removed.begin(), removed.end(), s) != removed.end();
    });
}

std::optional<std::string> SubcategoriesListViewModel::footerText() const {
    if (allSubcategories().empty())
        return std::nullopt;
    return L("Swipe left on a subcategory to edit or delete it.");
}

WidgetSubcategoryList SubcategoriesListViewModel::allSubcategories() const {
    const auto& c = category();
    return c && c->subcategories ? *c->subcategories : WidgetSubcategoryList{};
}

WidgetSubcategoryList SubcategoriesListViewModel::filteredSubcategories() const {
    WidgetSubcategoryList out;
    const auto all = allSubcategories();
    std::copy_if(all.begin(), all.end(), std::back_inserter(out),
                 keyPathMatch(&WidgetSubcategory::name, searchText()));
    return out;
}

} // namespace zt
