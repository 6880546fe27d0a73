#pragma once

#include "platform/Coordinate.h"
#include "platform/Geocoder.h"
#include "platform/LocationProvider.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// One result of a map search: a point of interest or an address.
struct MapItem {
    std::string name;
    Placemark placemark;
    /// The kind of point of interest ("cafe", "restaurant", …); none for a plain address.
    std::optional<std::string> pointOfInterestCategory;

    bool operator==(const MapItem&) const = default;

    /// The item of a geocoded address.
    static MapItem from(Placemark placemark) {
        MapItem item{placemark.name, std::move(placemark), std::nullopt};
        return item;
    }
};

/// Which kinds of result a search returns.
struct LocalSearchResultTypes {
    bool address = false;
    bool pointOfInterest = false;

    bool operator==(const LocalSearchResultTypes&) const = default;
};

struct LocalSearchRequest {
    std::string naturalLanguageQuery;
    /// Every point-of-interest category counts (no category filter).
    bool includesAllPointOfInterestCategories = true;
    LocalSearchResultTypes resultTypes;
    CoordinateRegion region;

    bool operator==(const LocalSearchRequest&) const = default;
};

/// A search of the map for places near a region. Completions run on the environment's main
/// queue, never inside the call.
class LocalSearch {
public:
    using Completion = std::function<void(const std::optional<std::vector<MapItem>>&,
                                          const std::optional<LocationServiceError>&)>;

    virtual ~LocalSearch() = default;

    virtual void start(const LocalSearchRequest& request, Completion completion) = 0;
    /// Ends the search in flight, if any: its completion runs with a cancellation error.
    virtual void cancel() = 0;
};

} // namespace zt
