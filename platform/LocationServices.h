#pragma once

#include "platform/Geocoder.h"
#include "platform/LocalSearch.h"
#include "platform/LocationProvider.h"
#include "platform/MapSnapshotter.h"

#include <memory>

namespace zt {

/// Where the library gets its location services: each object that needs one makes its own, as
/// it would make a platform object. Main thread.
class LocationServices {
public:
    virtual ~LocationServices() = default;

    virtual std::shared_ptr<LocationProvider> makeLocationProvider() = 0;
    virtual std::shared_ptr<Geocoder> makeGeocoder() = 0;
    virtual std::shared_ptr<LocalSearch> makeLocalSearch() = 0;
    virtual std::shared_ptr<MapSnapshotter> makeMapSnapshotter() = 0;
    /// Opens the platform's settings page of this application, where location access is changed.
    virtual void openApplicationSettings() = 0;

    /// The host's services (setCurrent), else in-memory ones that know no places and have not
    /// asked the user yet.
    static std::shared_ptr<LocationServices> current();
    /// Installs the host's services; a null pointer is ignored.
    static void setCurrent(std::shared_ptr<LocationServices> services);
};

} // namespace zt
