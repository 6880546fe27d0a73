#pragma once

#include <concepts>
#include <optional>
#include <string>

namespace zt::ai {

/// An insight of the host's own engine, as the insight cards read it. A concept rather than an
/// interface: hosts keep their insights as plain comparable values.
template <class T>
concept InsightConformable = std::equality_comparable<T> && requires(const T& insight) {
    { insight.id() } -> std::convertible_to<std::string>;
    { insight.title() } -> std::convertible_to<std::string>;
    { insight.message() } -> std::convertible_to<std::string>;
    { insight.suggestions() } -> std::convertible_to<std::optional<std::string>>;
};

} // namespace zt::ai
