#pragma once

#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "platform/CollectionMove.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// A named group of accounts on the accounts screen, with its total already formatted by the
/// host. Equal when every field is.
struct AccountGroupItem {
    /// The identifier of the catch-all group of accounts without a group of their own.
    static constexpr std::string_view noGroupIdentifier = "nogroup";
    /// "No group" in the environment's language.
    static std::string noGroupName();

    std::string id;
    std::string name;
    bool isCollapsed = false;
    std::string amount;
    /// In display order.
    std::vector<WidgetAccount> items;

    bool isNoGroup() const { return id == noGroupIdentifier; }
    void toggle() { isCollapsed = !isCollapsed; }
    void add(WidgetAccount account) { items.push_back(std::move(account)); }
    /// Moves accounts the way a drag in the group does.
    void move(const IndexSet& from, std::size_t to) { moveElements(items, from, to); }

    bool operator==(const AccountGroupItem&) const = default;
};

} // namespace zt

template <> struct std::hash<zt::AccountGroupItem> {
    std::size_t operator()(const zt::AccountGroupItem& group) const noexcept;
};
