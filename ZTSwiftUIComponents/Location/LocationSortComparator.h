#pragma once

#include "ZTSwiftUIComponents/host/BaseLocation.h"
#include "platform/Coordinate.h"

#include <compare>

namespace zt {

/// Orders places by their distance from a point, nearest first (or farthest first). Places at
/// the same distance compare as equal, so a stable sort keeps them in the order the search
/// returned them; places without a coordinate come after all others in either order.
struct LocationSortComparator {
    enum class Order { forward, reverse };

    Coordinate currentLocation;
    Order order = Order::forward;

    std::weak_ordering compare(const BaseLocation& a, const BaseLocation& b) const;
    /// For std::stable_sort.
    bool operator()(const BaseLocation& a, const BaseLocation& b) const { return compare(a, b) < 0; }
};

} // namespace zt
