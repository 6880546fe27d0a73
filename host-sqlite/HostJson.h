#pragma once

#include <nlohmann/json.hpp>
#include <optional>

namespace zt {

/// The number under key in a settings object the host wrote; none when it is missing or not a
/// number (a damaged or foreign value reads as not set).
inline std::optional<double> optionalJsonNumber(const nlohmann::json& object, const char* key) {
    const auto found = object.find(key);
    return found != object.end() && found->is_number() ? std::optional(found->get<double>()) : std::nullopt;
}

} // namespace zt
