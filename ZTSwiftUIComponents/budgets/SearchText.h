#pragma once

#include <string>
#include <string_view>

namespace zt {

/// text in lower case by Unicode's rules, independent of any locale, so that searches treat
/// "Ä" and "ä" (and "CAT" and "cat") alike.
std::string lowercased(std::string_view text);

} // namespace zt
