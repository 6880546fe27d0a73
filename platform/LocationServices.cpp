#include "LocationServices.h"

#include "platform/InMemoryLocationServices.h"

#include <cmath>
#include <numbers>
#include <sstream>
#include <utility>

namespace zt {

namespace {

std::shared_ptr<LocationServices>& installedLocationServices() {
    static std::shared_ptr<LocationServices> services = std::make_shared<InMemoryLocationServices>();
    return services;
}

} // namespace

std::shared_ptr<LocationServices> LocationServices::current() {
    return installedLocationServices();
}

void LocationServices::setCurrent(std::shared_ptr<LocationServices> services) {
    if (services)
        installedLocationServices() = std::move(services);
}

MapSnapshot::MapSnapshot(MapSnapshotOptions options, std::string mapElements)
    : options_(options), mapElements_(std::move(mapElements)) {}

MapSnapshot::Point MapSnapshot::point(const Coordinate& coordinate) const {
    // A flat projection around the centre: at the few kilometres a snapshot spans, the earth's
    // curve is far below a point.
    constexpr double metresPerDegree = 111195.0;
    const auto& r = options_.region;
    const double cosLat = std::max(std::cos(r.center.latitude * std::numbers::pi / 180), 0.01);
    const double north = (coordinate.latitude - r.center.latitude) * metresPerDegree;
    const double east = (coordinate.longitude - r.center.longitude) * metresPerDegree * cosLat;
    const double x =
        options_.width / 2 + (r.longitudinalMeters > 0 ? east / r.longitudinalMeters : 0) * options_.width;
    const double y =
        options_.height / 2 - (r.latitudinalMeters > 0 ? north / r.latitudinalMeters : 0) * options_.height;
    return {x, y};
}

std::string MapSnapshot::svg(std::string_view overlay) const {
    std::ostringstream out;
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " << options_.width << ' '
        << options_.height << "\" width=\"" << options_.width << "\" height=\"" << options_.height << "\">"
        << mapElements_ << overlay << "</svg>";
    return out.str();
}

} // namespace zt
