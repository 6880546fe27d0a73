#include "SubcategoriesSelectableListView.h"

#include "ZTSwiftUIComponents/host/KeyPathMatch.h"
#include "platform/StringTable.h"
#include "platform/ui/Menu.h"

#include <algorithm>
#include <vector>

namespace zt {

SubcategoriesSelectableListView::SubcategoriesSelectableListView(
    ui::Binding<WidgetSubcategoryList> multiSelection,
    ui::Binding<std::shared_ptr<WidgetSubcategory>> selection, WidgetSubcategoryList subcategories,
    bool allowsMultipleSelection)
    : multiSelection_(std::move(multiSelection)), selection_(std::move(selection)),
      subcategories_(std::move(subcategories)), allowsMultipleSelection_(allowsMultipleSelection) {}

ui::View SubcategoriesSelectableListView::body() const {
    const auto chosen = multiSelection_();
    const auto single = selection_();
    const auto match = keyPathMatch(&WidgetSubcategory::name, state_->searchText);
    std::vector<ui::View> rows;
    for (const auto& s : subcategories_) {
        if (!match(s))
            continue;
        const bool selected = allowsMultipleSelection_
                                  ? std::find(chosen.begin(), chosen.end(), s) != chosen.end()
                                  : single == s;
        auto tap = [multi = multiSelection_, one = selection_, many = allowsMultipleSelection_, s] {
            if (!many)
                return one(s);
            auto list = multi();
            if (const auto it = std::find(list.begin(), list.end(), s); it != list.end())
                list.erase(it);
            else
                list.push_back(s);
            multi(list);
        };
        rows.push_back(ui::button(std::move(tap), {ui::row({ui::selectionMark(selected), ui::text(s->name)})})
                           .id("choose-" + s->id));
    }
    if (rows.empty())
        rows.push_back(ui::text(L("No Results Found")).secondary());
    return ui::vstack({
        ui::textField(L("Search"), state_->searchText, state_.binding(&State::searchText)).id("search"),
        ui::list({ui::section(std::move(rows))}),
    });
}

} // namespace zt
