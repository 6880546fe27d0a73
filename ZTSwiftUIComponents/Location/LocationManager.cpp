#include "LocationManager.h"

#include <utility>

namespace zt {

LocationManager::LocationManager(std::optional<BaseLocation> location)
    : selectedLocation(*this, std::move(location)) {}

} // namespace zt
