#include "OverviewCardFrame.h"

#include "platform/Environment.h"
#include "platform/LocaleNames.h"

#include <utility>
#include <vector>

namespace zt {

std::string amountText(std::string formatted, bool isIncognito) {
    return isIncognito ? std::string(hiddenAmountText) : std::move(formatted);
}

std::string amountText(double value, const NumberFormatter& formatter, bool isIncognito) {
    return isIncognito ? std::string(hiddenAmountText) : formatter.stringOrDash(value);
}

ui::View overviewCardFrame(OverviewItemType kind, std::optional<ui::View> content, bool highlighted,
                           std::function<void()> onTap) {
    const std::string id(rawValue(kind));
    if (!content)
        return ui::group().id(id);
    std::vector<ui::View> inside;
    inside.push_back(ui::card({std::move(*content)}, highlighted));
    return ui::button(std::move(onTap), std::move(inside)).id(id);
}

ui::View cardHeader(std::string title, std::string caption) {
    std::vector<ui::View> lines;
    lines.push_back(ui::text(std::move(title)).font(ui::Font::headline).bold());
    if (!caption.empty())
        lines.push_back(ui::text(std::move(caption)).font(ui::Font::caption).secondary());
    return ui::vstack(std::move(lines));
}

std::string uppercased(std::string_view text) {
    auto u = icu_bridge::ustring(text);
    u.toUpper(icu_bridge::locale(Environment::current().localeIdentifier()));
    return icu_bridge::utf8(u);
}

} // namespace zt
