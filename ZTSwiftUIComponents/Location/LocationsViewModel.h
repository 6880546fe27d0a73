#pragma once

#include "ZTSwiftUIComponents/Location/LocalSearchService.h"
#include "ZTSwiftUIComponents/host/BaseLocation.h"
#include "platform/Published.h"

#include <memory>
#include <string>
#include <vector>

namespace zt {

/// The places found for the typed text around a centre, nearest first. Main thread.
class LocationsViewModel : public ObservableObject {
public:
    explicit LocationsViewModel(Coordinate center,
                                std::shared_ptr<LocationServices> services = LocationServices::current());

    Published<std::string> cityText{*this, ""};
    /// The point-of-interest text; changed through setPoiText, which searches for it.
    Published<std::string, LocationsViewModel> poiText{*this, ""};
    /// The places of the latest search, nearest to center first; a failed search leaves them.
    Published<std::vector<BaseLocation>, LocationsViewModel> viewData{*this};
    const Coordinate center;
    LocalSearchService service;

    /// Searches points of interest for text. A text of nothing but spaces searches nothing and
    /// clears the results: there is nothing left to show for it.
    void setPoiText(const std::string& text);

private:
    void receive(const std::vector<MapItem>& items);

    Subscription subscription_;
};

} // namespace zt
