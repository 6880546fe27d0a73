#include "CategoriesMergeView.h"

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
    std::vector<ui::View> destination;
    if (state.destinationCategory)
        destination.push_back(
            ui::button(chooseDestination, {ui::text(state.destinationCategory->name)}).id("destination"));
    else
        destination.push_back(
            ui::button(L("Select destination category"), chooseDestination).id("destination"));

    ui::View mergeItem = state.isMerging ? ui::progressRing(0).accessibilityLabel(L("Merging"))
                                         : ui::button(L("Merge"), "arrow.triangle.merge",
                                                      state_.setter(&State::confirmationShown, true));

    const std::string destinationName =
        state.destinationCategory ? state.destinationCategory->name : std::string();
    const auto selectorBody = [&](bool visible) {
        return visible && state.selector ? state.selector->body() : ui::group();
    };
    return ui::navigationTitle(
        L("Merge Categories"),
        {
            ui::list({
                ui::section(L("Merge", "Section of the categories that will be merged"), std::move(toMerge))
                    .id("toMerge"),
                ui::section(L("...into category"), std::move(destination)),
            }),
            ui::toolbarItem("merge", std::move(mergeItem)),
            ui::toolbarItem("cancel", ui::button(L("Cancel"),
                                                 [dismiss = dismiss_] {
                                                     if (dismiss)
                                                         dismiss();
                                                 })
                                          .role(ui::ButtonRole::cancel)),
            ui::confirmationDialog(
                L("Merge Categories"),
                format(L("Do you want to merge the selected categories into %@?"), destinationName),
                state.confirmationShown, state_.binding(&State::confirmationShown),
                {
                    ui::button(L("Merge"), state_.action([model, dismiss = dismiss_](State& s) {
                        merge(s, *model, dismiss);
                    })),
                    ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel),
                })
                .id("mergeConfirmation"),
            ui::sheet(L("Select categories"), state.isCategoryToBeMergedSelectionVisible,
                      state_.binding(&State::isCategoryToBeMergedSelectionVisible),
                      {selectorBody(state.isCategoryToBeMergedSelectionVisible)}),
            ui::sheet(L("Select a category"), state.isCategorySelectionVisible,
                      state_.binding(&State::isCategorySelectionVisible),
                      {selectorBody(state.isCategorySelectionVisible)}),
        });
}

} // namespace zt
