#pragma once

#include "platform/StringTable.h"
#include "platform/SystemLanguageModel.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <utility>

namespace zt::ai {

/// Shows generated content only where the on-device model can be used: while the insight is
/// still being written a "Thinking..." row, then the caller's content built from it. On a device
/// whose model is unavailable, for whatever reason, it shows nothing.
template <class InsightValue> class FoundationModelsAvailabilityCheck {
public:
    using Content = std::function<ui::View(const InsightValue&)>;

    FoundationModelsAvailabilityCheck(std::optional<InsightValue> generatedInsight, Content content)
        : generatedInsight_(std::move(generatedInsight)), content_(std::move(content)) {}

    ui::View body() const {
        if (!SystemLanguageModel::defaultModel()->isAvailable())
            return ui::group();
        if (!generatedInsight_)
            return ui::row({ui::label(L("Thinking...", "Shown while the on-device model writes an insight"),
                                      "sparkles")
                                .font(ui::Font::headline)
                                .secondary()})
                .id("thinking");
        return content_ ? content_(*generatedInsight_) : ui::group();
    }

private:
    std::optional<InsightValue> generatedInsight_;
    Content content_;
};

} // namespace zt::ai
