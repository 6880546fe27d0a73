#include "SubcategoriesMergeView.h"

#include "ZTSwiftUIComponents/categories/MergeSheetFrame.h"
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

    const std::string destinationName =
        state.destinationSubcategory ? state.destinationSubcategory->name : std::string();
    MergeSheetContent content{
        L("Merge Subcategories"),
        std::move(toMerge),
        L("...into subcategory"),
        destinationName,
        L("Select destination subcategory"),
        state_.setter(&State::isSubcategorySelectionVisible, true),
        format(L("Do you want to merge the selected subcategories into %@?"), destinationName),
        {
            ui::sheet(L("Add subcategory"), state.isSubcategoryToBeMergedSelectionVisible,
                      state_.binding(&State::isSubcategoryToBeMergedSelectionVisible),
                      {state.toMergeList->body()}),
            ui::sheet(L("Select destination subcategory"), state.isSubcategorySelectionVisible,
                      state_.binding(&State::isSubcategorySelectionVisible), {state.destinationList->body()}),
        },
    };
    return mergeSheetFrame(
        std::move(content), state.isMerging, state.confirmationShown,
        state_.binding(&State::confirmationShown),
        state_.action([weak = state_.weak(), model = model_, vm = viewModel_, dismiss = dismiss_](State& s) {
            merge(s, weak, *model, vm, dismiss);
        }),
        dismiss_);
}

} // namespace zt
