#include "LocationManager.h"

#include "platform/Console.h"

#include <utility>

namespace zt {

namespace {

bool isAuthorizedForPlaces(LocationAuthorizationStatus status) {
    return status == LocationAuthorizationStatus::authorizedWhenInUse ||
           status == LocationAuthorizationStatus::authorizedAlways;
}

// Runs f on the manager if it still exists.
template <class F> auto onLocationManager(const std::shared_ptr<LocationManager*>& self, F f) {
    return [weak = std::weak_ptr<LocationManager*>(self), f = std::move(f)](const auto&... args) {
        if (const auto manager = weak.lock())
            f(**manager, args...);
    };
}

} // namespace

LocationManager::LocationManager(std::optional<BaseLocation> location,
                                 std::shared_ptr<LocationServices> services)
    : selectedLocation(*this, std::move(location)),
      authorizationStatus(*this, LocationAuthorizationStatus::notDetermined), services_(std::move(services)),
      self_(std::make_shared<LocationManager*>(this)) {
    if (!services_)
        services_ = LocationServices::current();
    manager_ = services_->makeLocationProvider();
    geocoder_ = services_->makeGeocoder();
    authorizationStatus.set(manager_->authorizationStatus());
    manager_->onAuthorizationChange =
        onLocationManager(self_, [](LocationManager& m) { m.didChangeAuthorization(); });
    manager_->onLocationsUpdate =
        onLocationManager(self_, [](LocationManager& m, const std::vector<Coordinate>& locations) {
            m.didUpdateLocations(locations);
        });
    manager_->onFailure = [](const LocationServiceError& error) {
        console("Location manager failed: " + error.message);
    };
}

LocationManager::~LocationManager() {
    manager_->stopUpdatingLocation();
    geocoder_->cancelGeocode();
}

bool LocationManager::isAuthorized() const {
    return isAuthorizedForPlaces(authorizationStatus());
}

void LocationManager::requestLocationPermission() {
    manager_->requestWhenInUseAuthorization();
}

void LocationManager::start() {
    if (isAuthorized())
        manager_->startUpdatingLocation();
}

void LocationManager::didChangeAuthorization() {
    authorizationStatus.set(manager_->authorizationStatus());
    if (isAuthorized())
        manager_->startUpdatingLocation();
}

void LocationManager::didUpdateLocations(const std::vector<Coordinate>& locations) {
    // One position is enough for a transaction; looking further only costs battery.
    manager_->stopUpdatingLocation();
    if (locations.empty())
        return;
    // The latest position wins: the one in flight is about an older one.
    if (geocoder_->isGeocoding())
        geocoder_->cancelGeocode();
    geocoder_->reverseGeocodeLocation(
        locations.back(),
        onLocationManager(self_, [](LocationManager& m, const std::vector<Placemark>& placemarks,
                                    const std::optional<LocationServiceError>&) {
            if (placemarks.empty())
                return;
            m.currentUserLocation.set(BaseLocation::from(MapItem::from(placemarks.front())));
        }));
}

} // namespace zt
