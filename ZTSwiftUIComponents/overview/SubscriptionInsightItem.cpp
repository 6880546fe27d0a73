#include "SubscriptionInsightItem.h"

namespace zt {

std::optional<Color> resolvedColor(SubscriptionInsightItem::TitleColor color) {
    switch (color) {
    case SubscriptionInsightItem::TitleColor::label:
        return std::nullopt;
    case SubscriptionInsightItem::TitleColor::systemOrange:
        return Color{1.0, 149.0 / 255.0, 0.0};
    case SubscriptionInsightItem::TitleColor::systemRed:
        return Color{1.0, 59.0 / 255.0, 48.0 / 255.0};
    case SubscriptionInsightItem::TitleColor::tint:
        return Theme::shared().accentColor;
    }
    return std::nullopt;
}

} // namespace zt
