#pragma once

#include <string>

namespace zt {

/// The directory of the library's bundled resources (the icon catalogues): the one set here, else
/// the ZT_RESOURCE_DIR variable, else the build's own. Setting an empty path goes back to the
/// others.
void setResourceDirectory(std::string path);
std::string resourceDirectory();

} // namespace zt
