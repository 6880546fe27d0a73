#include "SubcategoriesList.h"

#include "ZTSwiftUIComponents/host/SortMenu.h"
#include "platform/StringTable.h"
#include "platform/ui/Menu.h"

#include <vector>

namespace zt {

SubcategoriesList::SubcategoriesList(std::shared_ptr<SubcategoriesListViewModel> viewModel,
                                     std::shared_ptr<CategoriesListModelData> model)
    : viewModel_(std::move(viewModel)), model_(std::move(model)) {}

void SubcategoriesList::onMove(const IndexSet& fromOffsets, std::size_t toOffset) const {
    if (viewModel_->sort().type != SortType::userDefined)
        return;
    const auto category = viewModel_->category();
    if (!category)
        return;
    viewModel_->moveShown(fromOffsets, toOffset);
    if (const auto delegate = model_->delegate.lock())
        delegate->saveSubcategoryOrder(viewModel_->allSubcategories(), category);
}

ui::View SubcategoriesList::body() const {
    const auto& state = *state_;
    const auto vm = viewModel_;
    const auto model = model_;
    const auto rows = vm->filteredSubcategories();
    const bool canMove = vm->sort().type == SortType::userDefined;
    const auto onMove = [vm, model, state = state_.weak()](const IndexSet& offsets, std::size_t destination) {
        if (!state.expired())
            SubcategoriesList(vm, model).onMove(offsets, destination);
    };

    std::vector<ui::View> cells;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& s = rows[i];
        std::vector<ui::View> row;
        if (state.editMode)
            row.push_back(ui::button(state_.action([id = s->id](State& st) {
                              if (!st.multiSelection.erase(id))
                                  st.multiSelection.insert(id);
                          }),
                                     {ui::selectionMark(state.multiSelection.contains(s->id))})
                              .id("select-" + s->id));
        row.push_back(ui::text(s->name));
        row.push_back(ui::spacer());
        row.push_back(ui::button(L("Edit"), "pencil", [vm, model, s] {
            vm->selectedSubcategory.set(s);
            if (const auto delegate = model->delegate.lock())
                delegate->editSubcategory(s);
        }));
        row.push_back(ui::button(L("Delete"), "trash", state_.action([id = s->id](State& st) {
                          st.multiSelection = {id};
                          st.confirmationShown = true;
                      })).role(ui::ButtonRole::destructive));
        if (state.editMode && canMove && vm->searchText().empty())
            row.push_back(ui::moveButtons(i, rows.size(), onMove));
        cells.push_back(ui::row(std::move(row)).id(s->id));
    }

    std::vector<ui::View> toolbar{
        ui::toolbarItem("add", ui::button(L("New Subcategory"), "plus",
                                          [vm, model] {
                                              const auto category = vm->category();
                                              const auto delegate = model->delegate.lock();
                                              if (category && delegate)
                                                  delegate->addSubcategory(category);
                                          })),
        ui::toolbarItem("edit",
                        ui::button(state.editMode ? L("Done") : L("Edit"), state_.action([](State& st) {
                            st.editMode = !st.editMode;
                            if (!st.editMode)
                                st.multiSelection.clear();
                        }))),
    };
    if (state.editMode) {
        toolbar.push_back(ui::toolbarItem(
            "deleteSelected", ui::button(L("Delete"), "trash", state_.setter(&State::confirmationShown, true))
                                  .role(ui::ButtonRole::destructive)
                                  .disabled(state.multiSelection.empty())));
        toolbar.push_back(ui::toolbarItem(
            "mergeSelected",
            ui::button(
                L("Merge subcategories"), "arrow.triangle.merge",
                state_.action([vm, model, close = state_.setter(&State::isShowingMerge, false)](State& st) {
                    WidgetSubcategoryList selected;
                    for (const auto& s : vm->filteredSubcategories())
                        if (st.multiSelection.contains(s->id))
                            selected.push_back(s);
                    st.merge.emplace(model, vm, selected, close);
                    st.isShowingMerge = true;
                }))
                .disabled(state.multiSelection.empty())));
    }

    const auto confirmDelete = state_.action([vm, model](State& st) {
        const auto category = vm->category();
        std::vector<std::string> identifiers;
        for (const auto& s : vm->filteredSubcategories())
            if (st.multiSelection.contains(s->id))
                identifiers.push_back(s->id);
        st.multiSelection.clear();
        const auto delegate = model->delegate.lock();
        if (category && delegate)
            delegate->deleteSubcategories(identifiers, category->id);
    });

    const auto footer = vm->footerText();
    std::vector<ui::View> content{
        ui::textField(L("Search"), vm->searchText(),
                      [vm](const std::string& text) { vm->searchText.set(text); })
            .id("search"),
        sortMenu(vm->sort(), [vm](const Sort& s) { vm->updateSort(s); }),
        ui::list({ui::section({}, std::move(cells), footer.value_or(std::string())).id("subcategories")}),
    };
    for (auto& item : toolbar)
        content.push_back(std::move(item));
    content.push_back(ui::confirmationDialog(
                          L("Delete"), {}, state.confirmationShown, state_.binding(&State::confirmationShown),
                          {
                              ui::button(L("Delete"), confirmDelete).role(ui::ButtonRole::destructive),
                              ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel),
                          })
                          .id("deleteConfirmation"));
    content.push_back(ui::sheet(L("Merge Subcategories"), state.isShowingMerge,
                                state_.binding(&State::isShowingMerge),
                                {state.merge ? state.merge->body() : ui::group()}));
    return ui::navigationTitle(L("Subcategories"), std::move(content));
}

} // namespace zt
