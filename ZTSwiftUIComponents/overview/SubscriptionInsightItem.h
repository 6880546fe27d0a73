#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"

#include <optional>
#include <string>

namespace zt {

/// One cell of the subscription-insights screen.
struct SubscriptionInsightItem {
    /// The platform's semantic colours an insight title is drawn in.
    enum class TitleColor { label, systemOrange, systemRed, tint };

    std::string title;
    std::string subtitle;
    std::string value;
    TitleColor titleColor = TitleColor::label;
    std::string systemImageName;

    bool operator==(const SubscriptionInsightItem&) const = default;
};

/// The sRGB colour to draw: nothing for the label colour (the default foreground, which follows
/// light and dark mode), the theme's accent for the tint, the system's light-mode values otherwise.
std::optional<Color> resolvedColor(SubscriptionInsightItem::TitleColor color);

} // namespace zt
