#include "BaseLocation.h"

#include "platform/LocalSearch.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <utility>

namespace zt {

BaseLocation BaseLocation::from(const MapItem& item) {
    BaseLocation place{.id = item.name,
                       .name = item.name,
                       .subtitle = item.placemark.addressLine,
                       .location = item.placemark.location,
                       .pointOfInterestCategory = item.pointOfInterestCategory};
    if (place.location) {
        // Six decimals are about 10 cm: finer than any two places apart.
        char position[64];
        std::snprintf(position, sizeof position, "@%.6f,%.6f", place.location->latitude,
                      place.location->longitude);
        place.id += position;
    }
    return place;
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
