#include "InsightHeroCard.h"

#include "platform/MainQueue.h"
#include "platform/StringTable.h"

#include <utility>
#include <vector>

namespace zt::ai {

InsightHeroCard::InsightHeroCard(std::string tag, std::string greeting, std::string title,
                                 std::string message, std::function<void()> onDidTap,
                                 ui::ScreenState<Appearance> appearance)
    : tag_(std::move(tag)), greeting_(std::move(greeting)), title_(std::move(title)),
      message_(std::move(message)), onDidTap_(std::move(onDidTap)), appearance_(std::move(appearance)) {}

void InsightHeroCard::fadeIn(const ui::ScreenState<Appearance>& appearance) {
    constexpr bool Appearance::*order[] = {&Appearance::illustration, &Appearance::tag, &Appearance::greeting,
                                           &Appearance::title, &Appearance::subtitle};
    double delay = 0;
    for (const auto flag : order) {
        MainQueue::main().asyncAfter(delay, appearance.setter(flag, true));
        delay += fadeInInterval;
    }
}

ui::View InsightHeroCard::body() const {
    const Appearance& shown = *appearance_;
    std::vector<ui::View> parts;
    if (shown.tag)
        parts.push_back(ui::hstack({ui::text(tag_).font(ui::Font::caption).bold()}).id("tag"));
    if (shown.greeting)
        parts.push_back(ui::text(greeting_).font(ui::Font::subheadline).secondary().id("greeting"));
    if (shown.title)
        parts.push_back(ui::text(title_).font(ui::Font::headline).id("title"));
    if (shown.subtitle)
        parts.push_back(ui::text(message_).id("message"));
    if (shown.illustration)
        parts.push_back(ui::image("apple.intelligence").id("illustration"));
    parts.push_back(
        ui::text(L("*ZTAI can make mistakes. Expect occasional oopsies, so use with a smile and a grain "
                   "of salt!",
                   "Footnote under an insight written by the on-device model"))
            .font(ui::Font::footnote)
            .secondary());
    return ui::button(
               [onDidTap = onDidTap_] {
                   if (onDidTap)
                       onDidTap();
               },
               {ui::card(std::move(parts), true)})
        .id("insightHeroCard");
}

} // namespace zt::ai
