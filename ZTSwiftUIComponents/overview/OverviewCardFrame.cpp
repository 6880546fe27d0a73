#include "OverviewCardFrame.h"

#include "platform/Environment.h"
#include "platform/LocaleNames.h"

#include <map>
#include <mutex>
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
    std::vector<ui::View> framed;
    framed.push_back(std::move(*content));
    std::vector<ui::View> inside;
    inside.push_back(ui::card(std::move(framed), highlighted));
    return ui::button(std::move(onTap), std::move(inside)).id(id);
}

ui::View cardHeader(std::string title, std::string caption) {
    std::vector<ui::View> lines;
    lines.push_back(ui::text(std::move(title)).font(ui::Font::headline).bold());
    if (!caption.empty())
        lines.push_back(ui::text(std::move(caption)).font(ui::Font::caption).secondary());
    return ui::vstack(std::move(lines));
}

const NumberFormatter& environmentFormatter(NumberFormatter::Style style) {
    static std::mutex mutex;
    static std::map<std::pair<NumberFormatter::Style, std::string>, NumberFormatter> cache;
    const std::lock_guard lock(mutex);
    auto key = std::make_pair(style, Environment::current().localeIdentifier());
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, NumberFormatter(style, key.second)).first;
    // Map nodes never move, so the reference stays valid after the lock is released.
    return it->second;
}

std::string uppercased(std::string_view text) {
    auto u = icu_bridge::ustring(text);
    u.toUpper(icu_bridge::locale(Environment::current().localeIdentifier()));
    return icu_bridge::utf8(u);
}

} // namespace zt
