#include "CategoriesMergeView.h"

#include "ZTSwiftUIComponents/categories/MergeSheetFrame.h"
#include "platform/Console.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <vector>

namespace zt {

CategoriesMergeView::CategoriesMergeView(std::shared_ptr<CategoriesListModelData> model,
                                         WidgetCategoryList categoriesToBeMerged,
                                         std::function<void()> dismiss)
    : model_(std::move(model)), dismiss_(std::move(dismiss)) {
    state_->categoriesToBeMerged = std::move(categoriesToBeMerged);
}

void CategoriesMergeView::merge(State& state, const CategoriesListModelData& model,
                                const std::function<void()>& dismiss) {
    if (!state.destinationCategory)
        return;
    state.isMerging = true;
    const auto destination = state.destinationCategory;
    WidgetCategoryList merged;
    for (const auto& c : state.categoriesToBeMerged)
        if (c != destination && c->id != destination->id)
            merged.push_back(c);
    if (const auto delegate = model.delegate.lock())
        delegate->mergeCategories(merged, destination, [name = destination->name](bool success) {
            console(std::string(success ? "Merged into " : "Merge failed into ") + name);
        });
    state.isMerging = false;
    if (dismiss)
        dismiss();
}

ui::View CategoriesMergeView::body() const {
    const auto& state = *state_;
    const auto model = model_;

    std::vector<ui::View> toMerge;
    for (const auto& c : state.categoriesToBeMerged)
        toMerge.push_back(ui::text(c->name).id(c->id));
    toMerge.push_back(
        ui::button(L("Add category"), "plus.circle", state_.action([model, weak = state_.weak()](State& s) {
            s.selector.emplace(true, model->income(), model->expenses(), model->selectedType(),
                               [weak](const WidgetCategoryList& chosen) {
                                   const auto st = weak.lock();
                                   if (!st)
                                       return;
                                   for (const auto& c : chosen)
                                       if (std::find(st->categoriesToBeMerged.begin(),
                                                     st->categoriesToBeMerged.end(),
                                                     c) == st->categoriesToBeMerged.end())
                                           st->categoriesToBeMerged.push_back(c);
                                   st->isCategoryToBeMergedSelectionVisible = false;
                               });
            s.isCategoryToBeMergedSelectionVisible = true;
        })));

    const auto chooseDestination = state_.action([model, weak = state_.weak()](State& s) {
        s.selector.emplace(false, model->income(), model->expenses(), model->selectedType(),
                           [weak](const WidgetCategoryList& chosen) {
                               const auto st = weak.lock();
                               if (!st)
                                   return;
                               if (!chosen.empty())
                                   st->destinationCategory = chosen.front();
                               st->isCategorySelectionVisible = false;
                           });
        s.isCategorySelectionVisible = true;
    });
    const auto selectorBody = [&](bool visible) {
        return visible && state.selector ? state.selector->body() : ui::group();
    };
    MergeSheetContent content{
        L("Merge Categories"),
        std::move(toMerge),
        L("...into category"),
        state.destinationCategory ? state.destinationCategory->name : std::string(),
        L("Select destination category"),
        chooseDestination,
        format(L("Do you want to merge the selected categories into %@?"),
               state.destinationCategory ? state.destinationCategory->name : std::string()),
        {
            ui::sheet(L("Select categories"), state.isCategoryToBeMergedSelectionVisible,
                      state_.binding(&State::isCategoryToBeMergedSelectionVisible),
                      {selectorBody(state.isCategoryToBeMergedSelectionVisible)}),
            ui::sheet(L("Select a category"), state.isCategorySelectionVisible,
                      state_.binding(&State::isCategorySelectionVisible),
                      {selectorBody(state.isCategorySelectionVisible)}),
        },
    };
    return mergeSheetFrame(
        std::move(content), state.isMerging, state.confirmationShown,
        state_.binding(&State::confirmationShown),
        state_.action([model, dismiss = dismiss_](State& s) { merge(s, *model, dismiss); }), dismiss_);
}

} // namespace zt
