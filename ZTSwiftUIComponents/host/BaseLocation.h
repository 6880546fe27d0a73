#pragma once

#include "platform/Coordinate.h"

#include <optional>
#include <string>

namespace zt {

struct MapItem;

/// The place a transaction was made: a value, identified by `id`. The places subsystem makes
/// one from each search result or geocoded position (name, address, coordinate and the kind of
/// place the map service reports).
struct BaseLocation {
    std::string id;
    std::string name;
    /// The address line shown under the name.
    std::string subtitle;
    /// Where it is; none for a place known only by name.
    std::optional<Coordinate> location;
    /// The map service's kind of place ("restaurant", "cafe", "gasStation", …), when known.
    std::optional<std::string> pointOfInterestCategory;

    bool operator==(const BaseLocation&) const = default;

    /// The symbol shown for the place, chosen by its kind; a plain pin for unknown kinds.
    std::string systemImageName() const;

    /// The place of a search result or geocoded position. Its id is made from the name and the
    /// coordinate, so the same place found twice is the same value.
    static BaseLocation from(const MapItem& item);
};

} // namespace zt
