#include "Menu.h"

#include "platform/StringTable.h"

#include <utility>

namespace zt::ui {

View menu(std::string title, std::string symbol, std::vector<View> items) {
    std::vector<View> children;
    children.reserve(items.size() + 1);
    children.push_back(label(title, std::move(symbol)).secondary());
    for (auto& item : items)
        children.push_back(std::move(item));
    return group(std::move(children)).accessibilityLabel(std::move(title));
}

View selectionMark(bool selected) {
    return image(selected ? "checkmark.circle.fill" : "circle");
}

View moveButtons(std::size_t index, std::size_t count,
                 std::function<void(const IndexSet&, std::size_t)> onMove) {
    std::vector<View> buttons;
    if (index > 0)
        buttons.push_back(button(L("Move Up"), "arrow.up", [onMove, index] { onMove({index}, index - 1); }));
    if (index + 1 < count)
        buttons.push_back(
            button(L("Move Down"), "arrow.down", [onMove, index] { onMove({index}, index + 2); }));
    return group(std::move(buttons));
}

} // namespace zt::ui
