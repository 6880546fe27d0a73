#include "CategoriesList.h"

#include "ZTSwiftUIComponents/categories/CategoryCellView.h"
#include "ZTSwiftUIComponents/host/SortMenu.h"
#include "platform/StringTable.h"
#include "platform/ui/Menu.h"

#include <vector>

namespace zt {

CategoriesList::CategoriesList(std::shared_ptr<CategoriesStore> store,
                               std::shared_ptr<CategoriesListModelData> model,
                               std::function<void(const std::set<std::string>&)> onSelectionChange)
    : store_(std::move(store)), model_(std::move(model)), onSelectionChange_(std::move(onSelectionChange)) {}

void CategoriesList::onMove(const IndexSet& fromOffsets, std::size_t toOffset) const {
    model_->move(fromOffsets, toOffset, model_->sort().ascending);
}

ui::View CategoriesList::body() const {
    const auto& state = *state_;
    const auto model = model_;
    const auto store = store_;
    const auto& rows = model->actualDataSource();
    const auto selectionChanged = onSelectionChange_;
    // Every change of the multi-selection is reported to the optional binding.
    const auto select = [selectionChanged](State& s, std::set<std::string> selection) {
        s.multiSelection = std::move(selection);
        if (selectionChanged)
            selectionChanged(s.multiSelection);
    };

    std::vector<ui::PickerOption> kinds;
    for (const auto type : pickerValues())
        kinds.emplace_back(std::string(rawValue(type)), localized(type));

    const auto onMove = [model, alive = state_.weak()](const IndexSet& offsets, std::size_t destination) {
        if (!alive.expired())
            model->move(offsets, destination, model->sort().ascending);
    };

    std::vector<ui::View> cells;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& c = rows[i];
        std::vector<ui::View> row;
        if (state.editMode)
            row.push_back(ui::button(state_.action([select, id = c->id](State& s) {
                              auto selection = s.multiSelection;
                              if (!selection.erase(id))
                                  selection.insert(id);
                              select(s, std::move(selection));
                          }),
                                     {ui::selectionMark(state.multiSelection.contains(c->id))})
                              .id("select-" + c->id));
        row.push_back(ui::button(state_.action([store, model, c](State& s) {
            s.details.emplace(c, store, model);
            s.details->onAppear();
            s.isShowingDetails = true;
        }),
                                 {CategoryCellView(c, model->canMove()).body()}));
        row.push_back(ui::button(L("Edit"), "pencil", [model, c] {
            if (const auto delegate = model->delegate.lock())
                delegate->editCategory(c);
        }));
        row.push_back(ui::button(c->isFavorite ? L("Unfavorite") : L("Favorite"),
                                 c->isFavorite ? "star.slash" : "star",
                                 [model, c] { model->toggleFavorite(c); }));
        row.push_back(ui::button(L("Delete"), "trash.fill", state_.action([select, id = c->id](State& s) {
                          select(s, {id});
                          s.confirmationShown = true;
                      })).role(ui::ButtonRole::destructive));
        if (state.editMode && model->canMove())
            row.push_back(ui::moveButtons(i, rows.size(), onMove));
        cells.push_back(ui::row(std::move(row)).id(c->id));
    }
    if (cells.empty())
        cells.push_back(ui::emptyState(L("No Results Found"), L("Try searching with different keywords"),
                                       "magnifyingglass"));

    std::vector<ui::View> content{
        ui::picker(L("Select category type"), kinds, std::string(rawValue(model->selectedType())),
                   [model](const std::string& raw) {
                       if (const auto type = fromRawValue<TransactionType>(raw))
                           model->setSelectedType(*type);
                   })
            .id("categoryType"),
        ui::textField(L("Search"), model->searchText(),
                      [model](const std::string& text) { model->setSearchText(text); })
            .id("search"),
        sortMenu(model->sort(), [model](const Sort& s) { model->updateSortOrder(s); }),
        ui::list({ui::section(std::move(cells)).id("categories")}),
        ui::toolbarItem("add", ui::button({}, "plus",
                                          [model] {
                                              if (const auto delegate = model->delegate.lock())
                                                  delegate->addCategory(model->selectedType());
                                          })
                                   .accessibilityLabel(L("Add Category"))),
        ui::toolbarItem("edit",
                        ui::button(state.editMode ? L("Done") : L("Edit"), state_.action([select](State& s) {
                            s.editMode = !s.editMode;
                            if (!s.editMode)
                                select(s, {});
                        }))),
    };
    if (state.editMode) {
        content.push_back(ui::toolbarItem(
            "deleteSelected", ui::button({}, "trash", state_.setter(&State::confirmationShown, true))
                                  .role(ui::ButtonRole::destructive)
                                  .accessibilityLabel(L("Delete"))));
        content.push_back(ui::toolbarItem(
            "selectAll", ui::button({}, "checkmark.circle.fill", state_.action([select, model](State& s) {
                             std::set<std::string> all;
                             for (const auto& c : model->actualDataSource())
                                 all.insert(c->id);
                             select(s, std::move(all));
                         })).accessibilityLabel(L("Select All"))));
    }
    content.push_back(ui::toolbarItem(
        "more",
        ui::menu(L("More"), "ellipsis.circle",
                 {ui::button(L("Merge"), "arrow.triangle.merge",
                             state_.action([model, close = state_.setter(&State::isShowingMergeCategories,
                                                                         false)](State& s) {
                                 s.categoriesToMerge.clear();
                                 for (const auto& c : model->actualDataSource())
                                     if (s.multiSelection.contains(c->id))
                                         s.categoriesToMerge.push_back(c);
                                 s.merge.emplace(model, s.categoriesToMerge, close);
                                 s.isShowingMergeCategories = !s.isShowingMergeCategories;
                             }))})));
    content.push_back(ui::confirmationDialog(
                          L("Delete"), {}, state.confirmationShown, state_.binding(&State::confirmationShown),
                          {
                              ui::button(L("Delete"), state_.action([model, select](State& s) {
                                  model->remove(s.multiSelection);
                                  select(s, {});
                              })).role(ui::ButtonRole::destructive),
                              ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel),
                          })
                          .id("deleteConfirmation"));
    content.push_back(ui::sheet(L("Merge Categories"), state.isShowingMergeCategories,
                                state_.binding(&State::isShowingMergeCategories),
                                {state.merge ? state.merge->body() : ui::group()}));
    content.push_back(ui::sheet(state.details ? state.details->category()->name : std::string(),
                                state.isShowingDetails, state_.binding(&State::isShowingDetails),
                                {state.details ? state.details->body() : ui::group()}));
    return ui::navigationTitle(L("Categories"), std::move(content));
}

} // namespace zt
