#include "LocationSortComparator.h"

namespace zt {

std::weak_ordering LocationSortComparator::compare(const BaseLocation& a, const BaseLocation& b) const {
    if (!a.location || !b.location)
        return b.location ? std::weak_ordering::greater
                          : (a.location ? std::weak_ordering::less : std::weak_ordering::equivalent);
    const double da = a.location->distance(currentLocation);
    const double db = b.location->distance(currentLocation);
    if (da == db)
        return std::weak_ordering::equivalent;
    const bool nearerFirst = (da < db) == (order == Order::forward);
    return nearerFirst ? std::weak_ordering::less : std::weak_ordering::greater;
}

} // namespace zt
