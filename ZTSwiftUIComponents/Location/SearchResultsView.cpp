#include "SearchResultsView.h"

#include "ZTSwiftUIComponents/Location/LocationItemView.h"
#include "platform/StringTable.h"

namespace zt {

ui::View SearchResultsView::body() const {
    if (places.empty()) {
        if (query.find_first_not_of(" \t\n") == std::string::npos)
            return ui::group();
        return ui::emptyState(L("No Results", "No place matches the search"),
                              L("Try another name, or check the spelling."), "magnifyingglass")
            .id("noPlaces");
    }
    std::vector<ui::View> rows;
    rows.reserve(places.size());
    for (const auto& place : places)
        rows.push_back(LocationItemView{
            place, selectedId == place.id, [onSelect = onSelect, place] {
                if (onSelect)
                    onSelect(place);
            }}.body());
    return ui::section(L("Nearby", "Header of the places found near the user"), std::move(rows))
        .id("searchResults");
}

} // namespace zt
