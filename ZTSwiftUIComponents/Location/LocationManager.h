#pragma once

#include "ZTSwiftUIComponents/host/BaseLocation.h"
#include "platform/LocationServices.h"
#include "platform/Published.h"

#include <memory>
#include <optional>
#include <vector>

namespace zt {

/// The place of one transaction being entered: where the user is now, as far as it is known, and
/// the place chosen for the transaction. One per entry view model. Main thread.
class LocationManager : public ObservableObject {
public:
    /// location is the place already attached to the transaction, if any.
    explicit LocationManager(std::optional<BaseLocation> location,
                             std::shared_ptr<LocationServices> services = LocationServices::current());
    ~LocationManager() override;
    LocationManager(const LocationManager&) = delete;
    LocationManager& operator=(const LocationManager&) = delete;

    /// Where the user is, once a position was found and named.
    Published<std::optional<BaseLocation>> currentUserLocation{*this};
    /// The place the transaction will carry.
    Published<std::optional<BaseLocation>> selectedLocation;
    /// As the position service reports it; changes only when the service says so.
    Published<LocationAuthorizationStatus, LocationManager> authorizationStatus;

    bool isAuthorized() const;
    /// Asks the user for access while the application is in use (once; later calls do nothing).
    void requestLocationPermission();
    /// When authorised, starts looking for the user's position; otherwise nothing.
    void start();
    /// The services this manager was made with, for the screens that search and draw around it.
    const std::shared_ptr<LocationServices>& services() const { return services_; }

private:
    void didChangeAuthorization();
    void didUpdateLocations(const std::vector<Coordinate>& locations);

    std::shared_ptr<LocationServices> services_;
    std::shared_ptr<LocationProvider> manager_;
    std::shared_ptr<Geocoder> geocoder_;
    // Platform answers hold this weakly: one arriving after the manager is gone does nothing.
    std::shared_ptr<LocationManager*> self_;
};

} // namespace zt
