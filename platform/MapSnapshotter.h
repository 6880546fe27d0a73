#pragma once

#include "platform/Coordinate.h"
#include "platform/LocationProvider.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

struct MapSnapshotOptions {
    CoordinateRegion region;
    /// Size of the picture in points.
    double width = 0;
    double height = 0;

    bool operator==(const MapSnapshotOptions&) const = default;
};

/// A still picture of the map, as SVG, with the means to draw on top of it.
class MapSnapshot {
public:
    MapSnapshot(MapSnapshotOptions options, std::string mapElements);

    const MapSnapshotOptions& options() const { return options_; }
    /// The point of the picture (origin top left, in points) that shows the coordinate.
    struct Point {
        double x = 0;
        double y = 0;
    };
    Point point(const Coordinate& coordinate) const;
    /// The whole picture as an SVG document, with overlay (SVG elements in the picture's
    /// points) drawn over the map.
    std::string svg(std::string_view overlay = {}) const;

private:
    MapSnapshotOptions options_;
    std::string mapElements_;
};

/// Draws map pictures. Completions run on the environment's main queue, never inside the call.
class MapSnapshotter {
public:
    using Completion =
        std::function<void(const std::optional<MapSnapshot>&, const std::optional<LocationServiceError>&)>;

    virtual ~MapSnapshotter() = default;

    virtual void start(const MapSnapshotOptions& options, Completion completion) = 0;
    /// Ends the drawing in flight, if any: its completion runs with a cancellation error.
    virtual void cancel() = 0;
};

} // namespace zt
