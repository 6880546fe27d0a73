#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"

namespace zt {

/// The periods a summary card of the overview can cover; the key of the summary dictionary.
/// The raw values are stored as they are, including the historical spelling of the first one.
enum class SummaryCardItemType { remainingForPeriod, year, month, week, customPeriod };

template <> struct RawValues<SummaryCardItemType> {
    static constexpr std::array<std::pair<SummaryCardItemType, std::string_view>, 5> cases{{
        {SummaryCardItemType::remainingForPeriod, "remaingForPeriod"},
        {SummaryCardItemType::year, "year"},
        {SummaryCardItemType::month, "month"},
        {SummaryCardItemType::week, "week"},
        {SummaryCardItemType::customPeriod, "customPeriodSummary"},
    }};
};

} // namespace zt
