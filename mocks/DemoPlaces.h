#pragma once

#include "platform/InMemoryLocationServices.h"

#include <memory>
#include <vector>

namespace zt::demo {

/// Where the demo user stands: at Hackescher Markt in the middle of Berlin, the demo city.
inline constexpr Coordinate demoUserPosition{52.52250, 13.40230};

/// Real points of interest around the middle of Berlin (cafés, bakeries, restaurants, shops,
/// stations, museums, parks, a hotel, a hospital), with their addresses and coordinates.
const std::vector<MapItem>& demoPlaces();

/// Location services over demoPlaces() with the device at demoUserPosition and access granted.
std::shared_ptr<InMemoryLocationServices> makeDemoLocationServices(
    LocationAuthorizationStatus status = LocationAuthorizationStatus::authorizedWhenInUse);

} // namespace zt::demo
