#pragma once

#include "ZTSwiftUIComponents/host/BaseLocation.h"
#include "platform/Published.h"

#include <optional>

namespace zt {

/// What the user allowed the app to know about where they are.
enum class LocationAuthorizationStatus {
    notDetermined,
    restricted,
    denied,
    authorizedAlways,
    authorizedWhenInUse
};

/// The place of one transaction being entered: where the user is now, as far as it is known, and
/// the place chosen for the transaction. One per entry view model. Main thread.
class LocationManager : public ObservableObject {
public:
    /// location is the place already attached to the transaction, if any.
    explicit LocationManager(std::optional<BaseLocation> location);

    /// Where the user is, once a position was found and named.
    Published<std::optional<BaseLocation>> currentUserLocation{*this};
    /// The place the transaction will carry.
    Published<std::optional<BaseLocation>> selectedLocation;
    Published<LocationAuthorizationStatus> authorizationStatus{*this,
                                                               LocationAuthorizationStatus::notDetermined};

    bool isAuthorized() const {
        return authorizationStatus() == LocationAuthorizationStatus::authorizedWhenInUse ||
               authorizationStatus() == LocationAuthorizationStatus::authorizedAlways;
    }
};

} // namespace zt
