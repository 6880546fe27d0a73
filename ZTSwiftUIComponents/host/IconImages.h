#pragma once

#include <string>
#include <string_view>

namespace zt {

/// The icon of an account without one of its own.
inline constexpr std::string_view defaultAccountImageName = "building.columns.fill";
/// The icon of a category without one of its own.
inline constexpr std::string_view defaultCategoryImageName = "tag.fill";

/// The symbol to draw for an account icon name: the name itself when the bundled account
/// catalogue ("account-icons") has it, otherwise defaultAccountImageName.
std::string accountImage(std::string_view named);
/// The symbol to draw for a category icon name: the name itself when the bundled category
/// catalogue ("category-icons") has it, otherwise defaultCategoryImageName.
std::string categoryImage(std::string_view named);

} // namespace zt
