#pragma once

#include <string>

namespace zt {

/// A fresh random (version 4) UUID in its upper-case text form, as record identifiers use it.
std::string makeUUIDString();

} // namespace zt
