#include "SearchLocationView.h"

#include "ZTSwiftUIComponents/Location/InsetLocationView.h"
#include "ZTSwiftUIComponents/Location/LocationItemView.h"
#include "ZTSwiftUIComponents/Location/SearchResultsView.h"
#include "platform/Console.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

namespace {

Coordinate searchCenter(const std::optional<BaseLocation>& current,
                        const std::optional<Coordinate>& fallback) {
    if (current && current->location)
        return *current->location;
    console("### No current location");
    return fallback.value_or(InsetLocationView::defaultCoordinate);
}

} // namespace

SearchLocationView::SearchLocationView(ui::Binding<std::optional<BaseLocation>> selectedLocation,
                                       std::optional<BaseLocation> currentLocation,
                                       std::shared_ptr<LocationServices> services,
                                       std::optional<Coordinate> fallbackCenter)
    : selectedLocation_(std::move(selectedLocation)), currentLocation_(std::move(currentLocation)),
      viewModel_(std::make_shared<LocationsViewModel>(searchCenter(currentLocation_, fallbackCenter),
                                                      std::move(services))) {
    state_->marked = selectedLocation_();
}

CoordinateRegion SearchLocationView::region() const {
    return {viewModel_->center, regionSpan, regionSpan};
}

ui::View SearchLocationView::body() const {
    const auto vm = viewModel_;
    const auto& marked = state_->marked;
    const auto mark = [state = state_](const BaseLocation& place) {
        return state.action([place](State& s) { s.marked = place; });
    };

    std::vector<ui::View> sections;
    sections.push_back(ui::section({ui::textField(L("Search"), vm->poiText(), [vm](const std::string& text) {
                                        vm->setPoiText(text);
                                    }).id("placeSearchField")}));
    if (currentLocation_) {
        auto row = LocationItemView{*currentLocation_, marked && marked->id == currentLocation_->id,
                                    mark(*currentLocation_)}
                       .body()
                       .id("currentPlace");
        sections.push_back(ui::section(L("Current Location"), {std::move(row)}));
    }
    sections.push_back(SearchResultsView{
        vm->viewData(), vm->poiText(), marked ? std::optional(marked->id) : std::nullopt,
        [state = state_](const BaseLocation& place) {
            state.action([place](State& s) { s.marked = place; })();
        }}.body());

    std::vector<ui::View> screen;
    screen.push_back(ui::toolbarItem("cancel", ui::button(L("Cancel"), [dismiss = dismiss] {
                                                   if (dismiss)
                                                       dismiss();
                                               }).role(ui::ButtonRole::cancel)));
    screen.push_back(ui::toolbarItem(
        "select",
        ui::button(L("Select", "Takes the marked place for the transaction"), [state = state_.weak(),
                                                                               binding = selectedLocation_,
                                                                               dismiss = dismiss] {
            const auto s = state.lock();
            if (!s || !s->marked)
                return;
            binding(s->marked);
            if (dismiss)
                dismiss();
        }).disabled(!marked)));
    screen.push_back(ui::list(std::move(sections)));
    return ui::navigationTitle(L("Search Location"), std::move(screen));
}

} // namespace zt
