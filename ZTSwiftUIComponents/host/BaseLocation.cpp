// Boost.Geometry 1.74 still includes a header Boost itself marks as deprecated.
#define BOOST_ALLOW_DEPRECATED_HEADERS

#include "BaseLocation.h"

#include <array>
#include <boost/geometry/core/cs.hpp>
#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/strategies/spherical/distance_haversine.hpp>
#include <string_view>
#include <utility>

namespace zt {

double Coordinate::distance(const Coordinate& other) const {
    namespace bg = boost::geometry;
    using Point = bg::model::point<double, 2, bg::cs::spherical_equatorial<bg::degree>>;
    // The mean earth radius, as map services measure short distances.
    constexpr double earthRadiusMetres = 6371008.8;
    const bg::strategy::distance::haversine<double> haversine(earthRadiusMetres);
    return haversine.apply(Point(longitude, latitude), Point(other.longitude, other.latitude));
}

std::string BaseLocation::systemImageName() const {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 14> symbols{{
        {"airport", "airplane"},
        {"atm", "banknote.fill"},
        {"bakery", "birthday.cake.fill"},
        {"bank", "building.columns.fill"},
        {"cafe", "cup.and.saucer.fill"},
        {"gasStation", "fuelpump.fill"},
        {"hospital", "cross.case.fill"},
        {"hotel", "bed.double.fill"},
        {"park", "leaf.fill"},
        {"pharmacy", "pills.fill"},
        {"publicTransport", "tram.fill"},
        {"restaurant", "fork.knife"},
        {"store", "bag.fill"},
        {"theater", "theatermasks.fill"},
    }};
    if (pointOfInterestCategory)
        for (const auto& [kind, symbol] : symbols)
            if (kind == *pointOfInterestCategory)
                return std::string(symbol);
    return "mappin.circle.fill";
}

} // namespace zt
