#pragma once

namespace zt {

/// A point on the earth in degrees (WGS 84).
struct Coordinate {
    double latitude = 0;
    double longitude = 0;

    bool operator==(const Coordinate&) const = default;

    /// The great-circle distance in metres.
    double distance(const Coordinate& other) const;
};

/// A rectangle of the map around a centre, measured in metres north to south and east to west.
struct CoordinateRegion {
    Coordinate center;
    double latitudinalMeters = 0;
    double longitudinalMeters = 0;

    bool operator==(const CoordinateRegion&) const = default;

    /// Whether the point lies inside, edges included.
    bool contains(const Coordinate& point) const;
};

} // namespace zt
