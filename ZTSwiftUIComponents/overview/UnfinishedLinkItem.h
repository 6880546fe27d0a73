#pragma once

#include "platform/Date.h"

#include <functional>
#include <string>
#include <vector>

namespace zt {

namespace ui {
class View;
}

/// An online-banking link the user started but did not finish.
struct UnfinishedLinkItem {
    std::string linkId;
    Date createdOn;
    std::string name;

    bool operator==(const UnfinishedLinkItem&) const = default;
};

/// The card "Finish Linking Your Account": one row per link with a "Connect" button that reports
/// the link's id. Nothing for an empty list.
class UnfinishedLinksCard {
public:
    UnfinishedLinksCard(std::vector<UnfinishedLinkItem> items,
                        std::function<void(const std::string&)> onConnect);

    bool isEmpty() const { return items_.empty(); }
    ui::View body() const;

private:
    std::vector<UnfinishedLinkItem> items_;
    std::function<void(const std::string&)> onConnect_;
};

} // namespace zt
