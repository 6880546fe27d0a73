#include "InlineLocationView.h"

#include "ZTSwiftUIComponents/Location/InsetLocationView.h"
#include "platform/Console.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

namespace {

// The manager's chosen place, held weakly: sheets kept after the screen write nothing.
ui::Binding<std::optional<BaseLocation>> chosenPlaceBinding(const std::shared_ptr<LocationManager>& manager) {
    const std::weak_ptr<LocationManager> weakManager = manager;
    return {[weakManager] {
                const auto m = weakManager.lock();
                return m ? m->selectedLocation() : std::nullopt;
            },
            [weakManager](const std::optional<BaseLocation>& place) {
                if (const auto m = weakManager.lock())
                    m->selectedLocation.set(place);
            }};
}

// The search for the sheet: it writes the chosen place and closes the sheet.
template <class StateT>
SearchLocationView makePlaceSearch(const std::shared_ptr<LocationManager>& manager,
                                   std::weak_ptr<StateT> state) {
    const auto close = weakCallback(std::move(state), [](StateT& s) {
        s.isSheetPresented = false;
        s.search.reset();
    });
    SearchLocationView search(chosenPlaceBinding(manager), manager->currentUserLocation(),
                              manager->services());
    search.dismiss = close;
    return search;
}

} // namespace

InlineLocationView::InlineLocationView(std::shared_ptr<LocationManager> manager,
                                       std::function<bool()> isAutomaticLocationEnabled)
    : manager_(std::move(manager)) {
    state_->placeChanges = manager_->currentUserLocation.observe(
        [weakManager = std::weak_ptr<LocationManager>(manager_),
         isEnabled = std::move(isAutomaticLocationEnabled)](const std::optional<BaseLocation>& place) {
            const auto manager = weakManager.lock();
            if (!manager)
                return;
            console("Changed manager.currentLocation: " + (place ? place->name : std::string("none")));
            if (place && !manager->selectedLocation() && isEnabled && isEnabled())
                manager->selectedLocation.set(*place);
        });
}

std::function<void()> InlineLocationView::tapAction() const {
    return state_.action([manager = manager_, state = state_.weak(), onDidTap = onDidTap](State& s) {
        if (!manager->selectedLocation()) {
            switch (manager->authorizationStatus()) {
            case LocationAuthorizationStatus::notDetermined:
                manager->requestLocationPermission();
                return;
            case LocationAuthorizationStatus::denied:
                manager->services()->openApplicationSettings();
                return;
            default:
                s.search = makePlaceSearch(manager, state);
            }
        }
        s.isSheetPresented = true;
        if (onDidTap)
            onDidTap();
    });
}

void InlineLocationView::tap() const {
    tapAction()();
}

bool InlineLocationView::isSheetPresented() const {
    return state_->isSheetPresented;
}

ui::View InlineLocationView::sheetContent() const {
    if (state_->search)
        return state_->search->body();
    if (!state_->card) {
        state_->card.emplace(chosenPlaceBinding(manager_), manager_->services());
        state_->card->onEdit = state_.action([manager = manager_, state = state_.weak()](State& s) {
            s.search = makePlaceSearch(manager, state);
        });
    }
    return AddLocationMediumSheetView{*state_->card}.body();
}

ui::View InlineLocationView::body() const {
    const auto& place = manager_->selectedLocation();
    std::vector<ui::View> row;
    if (place) {
        row.push_back(ui::label(place->name, place->systemImageName()));
        if (!place->subtitle.empty())
            row.push_back(ui::text(place->subtitle).secondary().font(ui::Font::footnote));
    } else if (manager_->authorizationStatus() == LocationAuthorizationStatus::denied) {
        row.push_back(ui::label(L("Grant location access"), "location.slash"));
    } else {
        row.push_back(ui::label(L("Add Location"), "mappin.circle"));
        row.push_back(ui::text(L("Tap to add location")).secondary().font(ui::Font::footnote));
    }
    const bool presented = state_->isSheetPresented;
    std::vector<ui::View> content;
    if (presented)
        content.push_back(sheetContent());
    return ui::group({ui::button(tapAction(), {ui::vstack(std::move(row))}).id("placeRow"),
                      ui::sheet(state_->search ? L("Search Location") : L("Add location"), presented,
                                state_.action([](State& s, bool shown) {
                                    s.isSheetPresented = shown;
                                    if (!shown)
                                        s.search.reset();
                                }),
                                std::move(content))
                          .id("placeSheet")});
}

} // namespace zt
