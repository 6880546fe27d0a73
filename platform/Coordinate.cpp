// Boost.Geometry 1.74 still includes a header Boost itself marks as deprecated.
#define BOOST_ALLOW_DEPRECATED_HEADERS

#include "Coordinate.h"

#include <boost/geometry/core/cs.hpp>
#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/strategies/spherical/distance_haversine.hpp>
#include <cmath>

namespace zt {

double Coordinate::distance(const Coordinate& other) const {
    namespace bg = boost::geometry;
    using Point = bg::model::point<double, 2, bg::cs::spherical_equatorial<bg::degree>>;
    // The mean earth radius, as map services measure short distances.
    constexpr double earthRadiusMetres = 6371008.8;
    const bg::strategy::distance::haversine<double> haversine(earthRadiusMetres);
    return haversine.apply(Point(longitude, latitude), Point(other.longitude, other.latitude));
}

bool CoordinateRegion::contains(const Coordinate& point) const {
    // Measured along the meridian and along the centre's parallel, so the region is the box the
    // map shows, not a circle.
    const double north = center.distance({point.latitude, center.longitude});
    const double east = Coordinate{point.latitude, center.longitude}.distance(point);
    return north <= latitudinalMeters / 2 && east <= longitudinalMeters / 2;
}

} // namespace zt
