#include "SubcategoriesMergeView.h"

#include "platform/MainQueue.h"
#include "platform/StringTable.h"
#include "platform/ui/Binding.h"

#include <vector>

namespace zt {

SubcategoriesMergeView::SubcategoriesMergeView(std::shared_ptr<CategoriesListModelData> model,
                                               std::shared_ptr<SubcategoriesListViewModel> viewModel,
                                               WidgetSubcategoryList subcategoriesToBeMerged,
                                               std::function<void()> dismiss)
    : model_(std::move(model)), viewModel_(std::move(viewModel)), dismiss_(std::move(dismiss)) {
    state_->subcategoriesToBeMerged = std::move(subcategoriesToBeMerged);
    const auto all = viewModel_->allSubcategories();
    state_->toMergeList.emplace(ui::bind(state_, &State::subcategoriesToBeMerged),
                                ui::Binding<std::shared_ptr<WidgetSubcategory>>{}, all, true);
    state_->destinationList.emplace(ui::Binding<WidgetSubcategoryList>{},
                                    ui::bind(state_, &State::destinationSubcategory), all, false);
}

void SubcategoriesMergeView::merge(State& state, const std::weak_ptr<State>& weakState,
                                   const CategoriesListModelData& model,
                                   const std::shared_ptr<SubcategoriesListViewModel>& viewModel,
                                   const std::function<void()>& dismiss) {
    const auto destination = state.destinationSubcategory;
    if (!destination || state.isMerging)
        return;
    state.isMerging = true;
    WidgetSubcategoryList merged;
    for (const auto& s : state.subcategoriesToBeMerged)
        if (s != destination && s->id != destination->id)
            merged.push_back(s);
    if (const auto delegate = model.delegate.lock())
        delegate->mergeSubcategories(merged, destination);
    MainQueue::main().asyncAfter(
        cleanUpDelay,
        [weakViewModel = std::weak_ptr<SubcategoriesListViewModel>(viewModel), weakState, merged, dismiss] {
            if (const auto vm = weakViewModel.lock())
                vm->removeSubcategories(merged);
            if (const auto s = weakState.lock()) {
                s->isMerging = false;
                if (dismiss)
                    dismiss();
            }
        });
}

ui::View SubcategoriesMergeView::body() const {
    const auto& state = *state_;

    std::vector<ui::View> toMerge;
    for (const auto& s : state.subcategoriesToBeMerged)
        toMerge.push_back(ui::text(s->name).id(s->id));
    toMerge.push_back(ui::button(L("Add subcategory"), "plus.circle",
                                 state_.setter(&State::isSubcategoryToBeMergedSelectionVisible, true)));

    const auto choose = state_.setter(&State::isSubcategorySelectionVisible, true);
    ui::View destination =
        state.destinationSubcategory
            ? ui::button(choose, {ui::text(state.destinationSubcategory->name)}).id("destination")
            : ui::button(L("Select destination subcategory"), choose).id("destination");

    ui::View mergeItem = state.isMerging ? ui::progressRing(0).accessibilityLabel(L("Merging"))
                                         : ui::button(L("Merge"), "arrow.triangle.merge",
                                                      state_.setter(&State::confirmationShown, true));
    const std::string destinationName =
        state.destinationSubcategory ? state.destinationSubcategory->name : std::string();
    return ui::navigationTitle(
        L("Merge Subcategories"),
        {
            ui::list({
                ui::section(L("Merge", "Section of the categories that will be merged"), std::move(toMerge))
                    .id("toMerge"),
                ui::section(L("...into subcategory"), {std::move(destination)}),
            }),
            ui::toolbarItem("merge", std::move(mergeItem)),
            ui::toolbarItem("cancel", ui::button(L("Cancel"),
                                                 [dismiss = dismiss_] {
                                                     if (dismiss)
                                                         dismiss();
                                                 })
                                          .role(ui::ButtonRole::cancel)),
            ui::confirmationDialog(
                L("Merge Subcategories"),
                format(L("Do you want to merge the selected subcategories into %@?"), destinationName),
                state.confirmationShown, state_.binding(&State::confirmationShown),
                {
                    ui::button(L("Merge"), state_.action([weak = state_.weak(), model = model_,
                                                          vm = viewModel_, dismiss = dismiss_](State& s) {
                        merge(s, weak, *model, vm, dismiss);
                    })),
                    ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel),
                })
                .id("mergeConfirmation"),
            ui::sheet(L("Add subcategory"), state.isSubcategoryToBeMergedSelectionVisible,
                      state_.binding(&State::isSubcategoryToBeMergedSelectionVisible),
                      {state.toMergeList->body()}),
            ui::sheet(L("Select destination subcategory"), state.isSubcategorySelectionVisible,
                      state_.binding(&State::isSubcategorySelectionVisible), {state.destinationList->body()}),
        });
}

} // namespace zt
