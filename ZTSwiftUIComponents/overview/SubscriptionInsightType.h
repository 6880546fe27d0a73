#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"

namespace zt {

/// The insights of a subscription, in the order the screen lists them.
enum class SubscriptionInsightType { totalThisYear, totalLastYear, totalLifetime, transactionsCount };

template <> struct RawValues<SubscriptionInsightType> {
    static constexpr std::array<std::pair<SubscriptionInsightType, std::string_view>, 4> cases{{
        {SubscriptionInsightType::totalThisYear, "totalThisYear"},
        {SubscriptionInsightType::totalLastYear, "totalLastYear"},
        {SubscriptionInsightType::totalLifetime, "totalLifetime"},
        {SubscriptionInsightType::transactionsCount, "transactionsCount"},
    }};
};

} // namespace zt
