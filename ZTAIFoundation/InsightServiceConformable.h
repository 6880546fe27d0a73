#pragma once

#include "ZTAIFoundation/InsightConformable.h"

#include <functional>
#include <optional>

namespace zt::ai {

/// A source of single insights for an engine: the completion receives the new insight, or
/// nothing when none could be made.
template <class Service>
concept InsightServiceConformable = InsightConformable<typename Service::InsightFromEngine> &&
    requires(Service& service,
             std::function<void(std::optional<typename Service::InsightFromEngine>)> completion) {
    service.generateInsight(completion);
};

} // namespace zt::ai
