#include "CategoriesListSelectorView.h"

#include "ZTSwiftUIComponents/host/KeyPathMatch.h"
#include "platform/StringTable.h"
#include "platform/ui/Menu.h"

#include <algorithm>
#include <vector>

namespace zt {

CategoriesListSelectorView::CategoriesListSelectorView(bool allowsMultiSelection,
                                                       WidgetCategoryList incomeCategories,
                                                       WidgetCategoryList expenseCategories,
                                                       std::optional<TransactionType> selectedType,
                                                       DoneAction onDoneDidPress)
    : allowsMultiSelection_(allowsMultiSelection), income_(std::move(incomeCategories)),
      expenses_(std::move(expenseCategories)), fixedType_(selectedType),
      onDoneDidPress_(std::move(onDoneDidPress)) {
    state_->shownType = selectedType.value_or(TransactionType::expense);
    state_->editMode = allowsMultiSelection;
}

WidgetCategoryList CategoriesListSelectorView::shownCategories() const {
    const auto& source = state_->shownType == TransactionType::income ? income_ : expenses_;
    WidgetCategoryList out;
    std::copy_if(source.begin(), source.end(), std::back_inserter(out),
                 keyPathMatch(&WidgetCategory::name, state_->searchText));
    return out;
}

WidgetCategoryList CategoriesListSelectorView::chosen(const State& state, const WidgetCategoryList& income,
                                                      const WidgetCategoryList& expenses) {
    WidgetCategoryList out;
    for (const auto* list : {&expenses, &income})
        for (const auto& c : *list) {
            const bool picked =
                state.singleSelection ? c->id == *state.singleSelection : state.selection.contains(c->id);
            if (picked)
                out.push_back(c);
        }
    // One category for a single selection, even if both lists hold its identifier.
    if (state.singleSelection && out.size() > 1)
        out.resize(1);
    return out;
}

ui::View CategoriesListSelectorView::body() const {
    const auto& state = *state_;
    std::vector<ui::View> content;
    if (!fixedType_) {
        std::vector<ui::PickerOption> kinds;
        for (const auto type : pickerValues())
            kinds.emplace_back(std::string(rawValue(type)), localized(type));
        content.push_back(ui::picker(L("Select category type"), kinds, std::string(rawValue(state.shownType)),
                                     state_.action([](State& s, const std::string& raw) {
                                         s.shownType =
                                             fromRawValue<TransactionType>(raw).value_or(s.shownType);
                                     })));
    }
    content.push_back(
        ui::textField(L("Search"), state.searchText, state_.binding(&State::searchText)).id("search"));

    std::vector<ui::View> rows;
    for (const auto& c : shownCategories()) {
        const bool selected =
            allowsMultiSelection_ ? state.selection.contains(c->id) : state.singleSelection == c->id;
        const auto tap = state_.action([multi = allowsMultiSelection_, id = c->id](State& s) {
            if (!multi)
                s.singleSelection = id;
            else if (!s.selection.erase(id))
                s.selection.insert(id);
        });
        rows.push_back(
            ui::button(tap, {ui::row({ui::selectionMark(selected), ui::text(c->name)})}).id(c->id));
    }
    if (rows.empty())
        rows.push_back(ui::text(L("No Results Found")).secondary());
    content.push_back(ui::list({ui::section(std::move(rows))}));

    const auto done =
        state_.action([income = income_, expenses = expenses_, onDone = onDoneDidPress_](State& s) {
            if (onDone)
                onDone(chosen(s, income, expenses));
        });
    content.push_back(ui::toolbarItem("done", ui::button(L("Done"), done)));
    return ui::navigationTitle(allowsMultiSelection_ ? L("Select categories") : L("Select a category"),
                               std::move(content));
}

} // namespace zt
