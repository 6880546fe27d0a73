#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"

namespace zt {

/// How the daily spending limit is set: worked out by the host, or typed by the user.
enum class DailyLimitCalculationType { automatic, custom };

template <> struct RawValues<DailyLimitCalculationType> {
    static constexpr std::array<std::pair<DailyLimitCalculationType, std::string_view>, 2> cases{{
        {DailyLimitCalculationType::automatic, "automatic"},
        {DailyLimitCalculationType::custom, "custom"},
    }};
};

} // namespace zt
