#include "UnfinishedLinkItem.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"
#include "platform/ui/View.h"

#include <utility>

namespace zt {

UnfinishedLinksCard::UnfinishedLinksCard(std::vector<UnfinishedLinkItem> items,
                                         std::function<void(const std::string&)> onConnect)
    : items_(std::move(items)), onConnect_(std::move(onConnect)) {}

ui::View UnfinishedLinksCard::body() const {
    if (items_.empty())
        return ui::group();
    std::vector<ui::View> rows;
    rows.push_back(
        cardHeader(L("Finish Linking Your Account", "Overview card listing unfinished bank links")));
    for (const auto& item : items_) {
        rows.push_back(ui::row({
                                   ui::label(item.name, "building.columns"),
                                   ui::spacer(),
                                   ui::button(L("Connect", "Button finishing an unfinished bank link"),
                                              callIfSet(onConnect_, item.linkId)),
                               })
                           .id(item.linkId));
    }
    return ui::card({ui::vstack(std::move(rows))}).id("unfinishedLinks");
}

} // namespace zt
