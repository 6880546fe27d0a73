#include "LocationsViewModel.h"

#include "ZTSwiftUIComponents/Location/LocationSortComparator.h"

#include <algorithm>
#include <utility>

namespace zt {

LocationsViewModel::LocationsViewModel(Coordinate center, std::shared_ptr<LocationServices> services)
    : center(center), service(center, std::move(services)) {
    // The service lives and dies with this object, and its signal with it.
    subscription_ =
        service.localSearchPublisher.observe([this](const std::vector<MapItem>& items) { receive(items); });
}

void LocationsViewModel::setPoiText(const std::string& text) {
    poiText.set(text);
    if (text.find_first_not_of(" \t\n") == std::string::npos) {
        service.cancel();
        viewData.set({});
        return;
    }
    service.search(text, {.address = false, .pointOfInterest = true});
}

void LocationsViewModel::receive(const std::vector<MapItem>& items) {
    std::vector<BaseLocation> places;
    places.reserve(items.size());
    for (const auto& item : items)
        places.push_back(BaseLocation::from(item));
    std::stable_sort(places.begin(), places.end(), LocationSortComparator{center});
    viewData.set(std::move(places));
}

} // namespace zt
