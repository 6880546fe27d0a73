#include "SortMenu.h"

#include "platform/StringTable.h"
#include "platform/ui/Menu.h"

#include <string>
#include <vector>

namespace zt {

ui::View sortMenu(const Sort& current, std::function<void(const Sort&)> onChange) {
    std::vector<ui::PickerOption> keys;
    for (const auto& [type, raw] : RawValues<SortType>::cases)
        keys.emplace_back(std::string(raw), localized(type));
    const std::vector<ui::PickerOption> directions{
        {"ascending", L("Ascending", "Sort direction")},
        {"descending", L("Descending", "Sort direction")},
    };
    return ui::menu(L("Sort"), "arrow.up.arrow.down",
                    {
                        ui::picker(L("Sort by"), keys, std::string(rawValue(current.type)),
                                   [current, onChange](const std::string& raw) {
                                       Sort s = current;
                                       s.type = fromRawValue<SortType>(raw).value_or(s.type);
                                       onChange(s);
                                   })
                            .id("sortType"),
                        ui::picker(L("Direction", "Sort direction picker"), directions,
                                   current.ascending ? "ascending" : "descending",
                                   [current, onChange](const std::string& id) {
                                       Sort s = current;
                                       s.ascending = id == "ascending";
                                       onChange(s);
                                   })
                            .id("sortDirection"),
                    })
        .id("sortMenu");
}

} // namespace zt
