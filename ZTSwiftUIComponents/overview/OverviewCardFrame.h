#pragma once

#include "ZTSwiftUIComponents/host/OverviewItemType.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

/// What every overview card shows in place of an amount while incognito mode is on.
inline constexpr std::string_view hiddenAmountText = "••••";

/// formatted, or the hidden placeholder while incognito.
std::string amountText(std::string formatted, bool isIncognito);
/// value through formatter ("--" when it cannot), or the hidden placeholder while incognito.
std::string amountText(double value, const NumberFormatter& formatter, bool isIncognito);

/// The frame every overview card sits in, identified by the card kind's raw value. Tapping it
/// runs onTap. A card whose data is missing passes no content: it keeps its place in the column
/// (an empty group with the same identifier) and draws nothing.
ui::View overviewCardFrame(OverviewItemType kind, std::optional<ui::View> content, bool highlighted,
                           std::function<void()> onTap);

/// A card's heading: the title in bold, optionally followed by a caption (a period, "All time").
ui::View cardHeader(std::string title, std::string caption = {});

/// A formatter of the given style for the environment's locale, made once per style and locale:
/// making an ICU formatter costs far more than formatting with it.
const NumberFormatter& environmentFormatter(NumberFormatter::Style style);

/// text in upper case by the rules of the environment's language.
std::string uppercased(std::string_view text);

} // namespace zt
