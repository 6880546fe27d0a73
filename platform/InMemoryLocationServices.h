#pragma once

#include "platform/LocationServices.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace zt {

/// Location services without a platform behind them, for tests, previews and the demo mode: a
/// simulated device in a world of known places. Searches find the known places, reverse
/// geocoding names the nearest one, snapshots draw a plain map of them. Every answer is posted to
/// the environment's main queue at the time of the call. Main thread.
class InMemoryLocationServices : public LocationServices {
public:
    /// What the simulated user answers when asked for access.
    enum class RequestOutcome { grant, refuse };

    /// Reverse geocoding names a known place within this distance of the position, in metres.
    static constexpr double geocodingRadius = 150;

    explicit InMemoryLocationServices(
        std::vector<MapItem> places = {},
        LocationAuthorizationStatus status = LocationAuthorizationStatus::notDetermined,
        std::optional<Coordinate> devicePosition = std::nullopt);
    ~InMemoryLocationServices() override;

    std::shared_ptr<LocationProvider> makeLocationProvider() override;
    std::shared_ptr<Geocoder> makeGeocoder() override;
    std::shared_ptr<LocalSearch> makeLocalSearch() override;
    std::shared_ptr<MapSnapshotter> makeMapSnapshotter() override;
    void openApplicationSettings() override;

    const std::vector<MapItem>& places() const;
    LocationAuthorizationStatus authorizationStatus() const;
    /// As if the user changed access in the settings: every provider hears of it.
    void setAuthorizationStatus(LocationAuthorizationStatus status);
    void setRequestOutcome(RequestOutcome outcome);
    /// Moves the device; providers that are updating report the new position.
    void setDevicePosition(std::optional<Coordinate> position);
    /// As if the device reported these positions (possibly none) to every provider that is
    /// updating now.
    void deliverUpdate(std::vector<Coordinate> locations);
    /// How many providers are looking for the position now.
    std::size_t updatingProviderCount() const;
    /// From now on searches, reverse geocoding or snapshots fail with error (none: they work).
    void setSearchFailure(std::optional<LocationServiceError> error);
    void setGeocodingFailure(std::optional<LocationServiceError> error);
    void setSnapshotFailure(std::optional<LocationServiceError> error);

    /// How many times the user was actually asked.
    std::size_t promptCount() const;
    std::size_t settingsOpenCount() const;
    /// Every search request, oldest first.
    const std::vector<LocalSearchRequest>& searchRequests() const;
    std::size_t geocodingRequestCount() const;

    struct World;

private:
    std::shared_ptr<World> world_;
};

/// The known places matching a search request, in the order they are known: inside the region,
/// of a requested type, and every word of the query starting a word of the name, kind or address
/// (ignoring case and diacritics). An empty query matches nothing.
std::vector<MapItem> matchingPlaces(const std::vector<MapItem>& places, const LocalSearchRequest& request);

} // namespace zt
