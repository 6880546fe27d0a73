#pragma once

#include "ZTAIFoundation/InsightConformable.h"
#include "ZTAIFoundation/InsightManager.h"
#include "platform/Date.h"
#include "platform/Published.h"

#include <concepts>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zt::ai {

/// The host's own insight engine: an observable object that loads its insights and walks through
/// them, keeping its place in an InsightManager. Completions run on the main queue.
template <class Engine>
concept InsightsEngineConformable = std::derived_from<Engine, ObservableObject> &&
    InsightConformable<typename Engine::InsightFromEngine> &&
    std::constructible_from<Engine, std::shared_ptr<InsightManager<typename Engine::InsightFromEngine>>> &&
    requires(Engine& engine, const Engine& readOnly, std::function<void()> completion) {
    { readOnly.insights() } -> std::convertible_to<std::vector<typename Engine::InsightFromEngine>>;
    { readOnly.currentInsight() } -> std::convertible_to<std::optional<typename Engine::InsightFromEngine>>;
    { readOnly.isLoading() } -> std::convertible_to<bool>;
    { readOnly.lastUpdated() } -> std::convertible_to<std::optional<Date>>;
    engine.showNextInsight();
    engine.reset();
    engine.loadInsights(completion);
    engine.refreshInsights(completion);
};

} // namespace zt::ai
