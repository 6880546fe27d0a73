#pragma once

#include "ZTSwiftUIComponents/host/Sort.h"
#include "platform/CollectionMove.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace zt {

/// What the tag and payee list screens keep between draws.
struct ItemListState {
    bool editMode = false;
    std::set<std::string> multiSelection;
    bool isEditorPresented = false;
    /// The identifier of the item being renamed; empty for a new one.
    std::string editingId;
    std::string editorText;
};

/// One shown row: the item's identifier and the text it is listed by.
struct ItemListRow {
    std::string id;
    std::string title;
    bool isSelected = false;
};

/// What a tag or payee list shows and what its controls call. Rows are the search's results;
/// positions handed to the callbacks count the rows.
struct ItemListContent {
    std::string title;
    std::string emptyTitle;
    std::string footer;
    std::string addLabel;
    std::vector<ItemListRow> rows;
    bool isEmpty = false;
    std::string searchText;
    bool isSearchPresented = false;
    bool searchOnStart = false;
    Sort sort;
    std::function<void(const std::string&)> onSearchText;
    std::function<void(bool)> onSearchPresented;
    std::function<void(bool)> onSearchOnStart;
    std::function<void(const Sort&)> onSort;
    std::function<void(std::size_t)> onSelect;
    std::function<void(const std::vector<std::string>&)> onDelete;
    /// Empty while rows cannot be moved.
    std::function<void(const IndexSet&, std::size_t)> onMove;
    /// Heard when the editor opens: the identifier and title of the item to rename, or empty
    /// texts for a new one.
    std::function<void(const std::string&, const std::string&)> onEditorOpen;
    /// The editor sheet the screen builds.
    ui::View editor = ui::group();
};

/// The common body of the tag and payee lists: search, sort, the "search on start" switch, rows
/// with edit and delete, edit mode with multiple selection and moves, the empty state and hints.
ui::View itemListBody(ItemListContent content, const ui::ScreenState<ItemListState>& state);

/// Binds a list's search, sort, deletion and move controls to its model (the tag and payee lists
/// differ only in their rows, selection and editor). Moves are offered only in the user's own order.
template <class Model> void bindListModel(ItemListContent& content, const std::shared_ptr<Model>& vm) {
    content.searchText = vm->searchText();
    content.isSearchPresented = vm->isSearchPresented();
    content.searchOnStart = Model::showSearchOnAppear();
    content.sort = vm->sort();
    content.onSearchText = [vm](const std::string& text) { vm->searchText.set(text); };
    content.onSearchPresented = [vm](bool shown) { vm->isSearchPresented.set(shown); };
    content.onSearchOnStart = [vm](bool on) { vm->setShowSearchOnAppear(on); };
    content.onSort = [vm](const Sort& sort) { vm->updateSort(sort); };
    content.onDelete = [vm](const std::vector<std::string>& ids) { vm->deleteItems(ids); };
    if (vm->sort().type == SortType::userDefined)
        content.onMove = [vm](const IndexSet& from, std::size_t to) { vm->move(from, to); };
}

/// The "Search on start" switch of a list.
ui::View SearchOnStartToggle(bool isOn, std::function<void(bool)> onChange);

} // namespace zt
