#include "ItemListBody.h"

#include "ZTSwiftUIComponents/host/SortMenu.h"
#include "platform/StringTable.h"
#include "platform/ui/Menu.h"

#include <utility>

namespace zt {

ui::View SearchOnStartToggle(bool isOn, std::function<void(bool)> onChange) {
    return ui::toggle(L("Search on start", "Switch: open the search field when the list appears"), isOn,
                      std::move(onChange))
        .id("searchOnStart");
}

ui::View itemListBody(ItemListContent content, const ui::ScreenState<ItemListState>& state) {
    const auto& s = *state;
    auto onDelete = content.onDelete;
    std::vector<ui::View> rows;
    const bool canMove = static_cast<bool>(content.onMove) && content.searchText.empty();
    for (std::size_t i = 0; i < content.rows.size(); ++i) {
        const auto& item = content.rows[i];
        std::vector<ui::View> row;
        if (s.editMode)
            row.push_back(ui::button(state.action([id = item.id](ItemListState& st) {
                              if (!st.multiSelection.erase(id))
                                  st.multiSelection.insert(id);
                          }),
                                     {ui::selectionMark(s.multiSelection.contains(item.id))})
                              .id("select-" + item.id));
        std::vector<ui::View> label{ui::text(item.title)};
        if (item.isSelected)
            label.push_back(ui::image("checkmark"));
        row.push_back(ui::button([onSelect = content.onSelect, i] { onSelect(i); }, std::move(label)));
        row.push_back(ui::button(L("Edit"), "pencil",
                                 state.action([item, onOpen = content.onEditorOpen](ItemListState& st) {
                                     st.editingId = item.id;
                                     st.editorText = item.title;
                                     if (onOpen)
                                         onOpen(item.id, item.title);
                                     st.isEditorPresented = true;
                                 })));
        row.push_back(ui::button(L("Delete"), "trash.fill", [onDelete, id = item.id] {
                          onDelete({id});
                      }).role(ui::ButtonRole::destructive));
        if (s.editMode && canMove)
            row.push_back(ui::moveButtons(i, content.rows.size(), content.onMove));
        rows.push_back(ui::row(std::move(row)).id(item.id.empty() ? "row-" + std::to_string(i) : item.id));
    }

    std::vector<ui::View> body;
    if (content.isSearchPresented || !content.searchText.empty())
        body.push_back(
            ui::textField(L("Search"), content.searchText, content.onSearchText).id("searchField"));
    body.push_back(sortMenu(content.sort, content.onSort));
    body.push_back(SearchOnStartToggle(content.searchOnStart, content.onSearchOnStart));
    if (content.isEmpty) {
        body.push_back(
            ui::emptyState(content.emptyTitle, L("Tap the + button to create one."), "tag").id("empty"));
    } else {
        if (rows.empty())
            rows.push_back(ui::emptyState(L("No Results Found"), L("Try searching with different keywords"),
                                          "magnifyingglass"));
        body.push_back(ui::list({ui::section({}, std::move(rows), content.footer).id("items")}));
    }
    body.push_back(
        ui::toolbarItem("search", ui::button({}, "magnifyingglass",
                                             [onPresented = content.onSearchPresented,
                                              shown = content.isSearchPresented] { onPresented(!shown); })
                                      .accessibilityLabel(L("Search"))));
    body.push_back(ui::toolbarItem(
        "add", ui::button({}, "plus", state.action([onOpen = content.onEditorOpen](ItemListState& st) {
                   st.editingId.clear();
                   st.editorText.clear();
                   if (onOpen)
                       onOpen({}, {});
                   st.isEditorPresented = true;
               })).accessibilityLabel(content.addLabel)));
    body.push_back(ui::toolbarItem(
        "edit", ui::button(s.editMode ? L("Done") : L("Edit"), state.action([](ItemListState& st) {
            st.editMode = !st.editMode;
            st.multiSelection.clear();
        }))));
    if (s.editMode)
        body.push_back(ui::toolbarItem("deleteSelected",
                                       ui::button({}, "trash", state.action([onDelete](ItemListState& st) {
                                           const std::vector<std::string> ids(st.multiSelection.begin(),
                                                                              st.multiSelection.end());
                                           st.multiSelection.clear();
                                           if (!ids.empty())
                                               onDelete(ids);
                                       }))
                                           .role(ui::ButtonRole::destructive)
                                           .disabled(s.multiSelection.empty())
                                           .accessibilityLabel(L("Delete"))));
    body.push_back(std::move(content.editor));
    return ui::navigationTitle(content.title, std::move(body));
}

} // namespace zt
