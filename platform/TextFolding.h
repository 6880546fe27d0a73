#pragma once

#include <string>
#include <string_view>

namespace zt {

/// The text with canonical decomposition, without combining marks and case-folded: the form
/// searches compare, so "cafe" meets "Café" and "STRASSE" meets "Straße".
std::string foldedForSearch(std::string_view text);

} // namespace zt
