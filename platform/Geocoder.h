#pragma once

#include "platform/Coordinate.h"
#include "platform/LocationProvider.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// An address the map service knows for a position.
struct Placemark {
    std::string name;
    /// The address on one line ("Rosenthaler Str. 40, 10178 Berlin").
    std::string addressLine;
    std::optional<Coordinate> location;

    bool operator==(const Placemark&) const = default;
};

/// Turns a position into addresses. One request at a time: a new one while another is in flight
/// is the caller's mistake, so callers cancel first. Completions run on the environment's main
/// queue, never inside the call.
class Geocoder {
public:
    /// The placemarks found, best first, or why there are none.
    using Completion =
        std::function<void(const std::vector<Placemark>&, const std::optional<LocationServiceError>&)>;

    virtual ~Geocoder() = default;

    virtual void reverseGeocodeLocation(const Coordinate& location, Completion completion) = 0;
    /// Ends the request in flight: its completion runs with a cancellation error.
    virtual void cancelGeocode() = 0;
    virtual bool isGeocoding() const = 0;
};

} // namespace zt
