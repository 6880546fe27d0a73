#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"

#include <string>

namespace zt {

/// The segments of the goals list: goals still being saved for, and reached ones.
enum class GoalListSegmentedControlType { active, completed };

template <> struct RawValues<GoalListSegmentedControlType> {
    static constexpr std::array<std::pair<GoalListSegmentedControlType, std::string_view>, 2> cases{{
        {GoalListSegmentedControlType::active, "active"},
        {GoalListSegmentedControlType::completed, "completed"},
    }};
};

std::string localized(GoalListSegmentedControlType segment);

} // namespace zt
