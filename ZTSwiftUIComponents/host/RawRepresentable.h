#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

namespace zt {

/// The raw-value table of an enumeration. Specialise it with
/// `static constexpr std::array<std::pair<E, std::string_view>, N> cases{...}` listing every case in
/// declaration order; rawValue(), fromRawValue() and allCases() then work for E.
template <class E> struct RawValues;

template <class E>
concept RawRepresentable = std::is_enum_v<E> && requires {
    RawValues<E>::cases;
};

/// The stored text of a case.
template <RawRepresentable E> constexpr std::string_view rawValue(E value) {
    for (const auto& [c, raw] : RawValues<E>::cases)
        if (c == value)
            return raw;
    return {};
}

/// The case stored as raw, or nothing for an unknown text (raw values are case-sensitive).
template <RawRepresentable E> constexpr std::optional<E> fromRawValue(std::string_view raw) {
    for (const auto& [c, text] : RawValues<E>::cases)
        if (text == raw)
            return c;
    return std::nullopt;
}

/// Every case in declaration order.
template <RawRepresentable E> constexpr auto allCases() {
    constexpr std::size_t n = RawValues<E>::cases.size();
    std::array<E, n> out{};
    for (std::size_t i = 0; i < n; ++i)
        out[i] = RawValues<E>::cases[i].first;
    return out;
}

/// The position of a case in declaration order.
template <RawRepresentable E> constexpr std::size_t caseIndex(E value) {
    for (std::size_t i = 0; i < RawValues<E>::cases.size(); ++i)
        if (RawValues<E>::cases[i].first == value)
            return i;
    return RawValues<E>::cases.size();
}

} // namespace zt
