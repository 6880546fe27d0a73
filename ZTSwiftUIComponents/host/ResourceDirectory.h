#pragma once

#include <string>

namespace zt {

/// The directory of the library's bundled resources (the icon and emoji catalogues): the one set
/// here, else the ZT_RESOURCE_DIR variable, else the library's own (defaultDataDirectories(): the
/// source tree's for programs of the build, the install prefix's for an installed copy). Setting an
/// empty path goes back to the others.
void setResourceDirectory(std::string path);
std::string resourceDirectory();

} // namespace zt
