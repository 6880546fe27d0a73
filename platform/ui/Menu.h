#pragma once

#include "platform/CollectionMove.h"
#include "platform/ui/View.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zt::ui {

/// A menu: its title (and symbol) followed by its items, which are buttons or pickers. The tree
/// shows the items in place; a toolkit folds them behind the title. The menu's accessibility
/// label is its title, so a user finds an item by the menu it is in.
View menu(std::string title, std::string symbol, std::vector<View> items);

/// The mark of a row in a multiple selection: a filled check when selected, an empty circle
/// otherwise.
View selectionMark(bool selected);

/// "Move Up" and "Move Down" for the row at index of a list of count rows, calling the list's
/// drag handler, for pointers and keyboards that cannot drag. None at the ends.
View moveButtons(std::size_t index, std::size_t count,
                 std::function<void(const IndexSet&, std::size_t)> onMove);

} // namespace zt::ui
