#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zt::preview {

/// Prints the pages named (every page when none is) in each locale with the text renderer, on
/// the demo day in Europe/Berlin. Returns how many pages it printed.
int printPages(const std::vector<std::string>& names, const std::vector<std::string>& locales,
               std::ostream& out);

} // namespace zt::preview
