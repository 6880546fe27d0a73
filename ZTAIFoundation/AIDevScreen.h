#pragma once

#include "ZTAIFoundation/ZTAI.h"
#include "platform/ui/View.h"

#include <memory>

namespace zt::ai {

/// A development screen for the insight engine: generates an insight from a fixed sample and
/// shows it as it streams, the last error and the feedback files written so far.
class AIDevScreen {
public:
    static constexpr const char* sampleTitle = "Managing bowel movements";
    static constexpr const char* sampleMessage = "You logged heavy bowel movements 4 times this week.";

    explicit AIDevScreen(std::shared_ptr<ZTAI> engine);

    ui::View body() const;

private:
    std::shared_ptr<ZTAI> engine_;
};

} // namespace zt::ai
