#pragma once

#include "ZTAIFoundation/InsightConformable.h"
#include "ZTAIFoundation/InsightHeroCard.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace zt::ai {

/// The card of one of the host's insights under a tag and a greeting; nothing while there is no
/// insight. Tapping it calls onDidTap.
template <InsightConformable InsightValue> class AIInsightsCard {
public:
    AIInsightsCard(std::optional<InsightValue> insight, std::string tag, std::string greeting,
                   std::function<void()> onDidTap,
                   ui::ScreenState<InsightHeroCard::Appearance> appearance = {})
        : insight_(std::move(insight)), tag_(std::move(tag)), greeting_(std::move(greeting)),
          onDidTap_(std::move(onDidTap)), appearance_(std::move(appearance)) {}

    /// Fades the hero card's parts in.
    void appear() const { InsightHeroCard::fadeIn(appearance_); }

    ui::View body() const { return insight_ ? heroCard(*insight_).body() : ui::group(); }

private:
    InsightHeroCard heroCard(const InsightValue& insight) const {
        return InsightHeroCard(tag_, greeting_, insight.title(), insight.message(), onDidTap_, appearance_);
    }

    std::optional<InsightValue> insight_;
    std::string tag_;
    std::string greeting_;
    std::function<void()> onDidTap_;
    ui::ScreenState<InsightHeroCard::Appearance> appearance_;
};

} // namespace zt::ai
