#pragma once

#include "platform/Coordinate.h"

#include <functional>
#include <string>
#include <vector>

namespace zt {

/// What the user allowed the application to know about where they are.
enum class LocationAuthorizationStatus {
    notDetermined,
    restricted,
    denied,
    authorizedAlways,
    authorizedWhenInUse
};

/// Why a location service could not answer (no access, no network, a request cancelled).
struct LocationServiceError {
    std::string message;
    bool isCancellation = false;

    bool operator==(const LocationServiceError&) const = default;
};

/// The device's position service, as far as the library uses it: the user's permission and
/// position updates. Its owner sets the on… callbacks; they run on the environment's main queue,
/// never inside the call that caused them.
class LocationProvider {
public:
    virtual ~LocationProvider() = default;

    /// The status changed (also after a request the user answered).
    std::function<void()> onAuthorizationChange;
    /// New positions, oldest first; possibly none.
    std::function<void(const std::vector<Coordinate>&)> onLocationsUpdate;
    std::function<void(const LocationServiceError&)> onFailure;

    virtual LocationAuthorizationStatus authorizationStatus() const = 0;
    /// Asks the user once for access while the application is in use; once the status is
    /// determined, nothing happens.
    virtual void requestWhenInUseAuthorization() = 0;
    virtual void startUpdatingLocation() = 0;
    virtual void stopUpdatingLocation() = 0;
    virtual bool isUpdatingLocation() const = 0;
};

} // namespace zt
