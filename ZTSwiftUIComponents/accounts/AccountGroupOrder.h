#pragma once

#include "ZTSwiftUIComponents/accounts/AccountGroupItem.h"
#include "platform/CollectionMove.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// One row of the group editor's single list: a group header or an account of a group.
struct AccountGroupRow {
    std::string id;
    bool isGroup = false;
    /// Where the row comes from: groups[group], and for an account groups[group].items[item].
    std::size_t group = 0;
    std::size_t item = 0;

    bool operator==(const AccountGroupRow&) const = default;
};

/// Each group followed by its accounts, in display order.
std::vector<AccountGroupRow> flatRows(const std::vector<AccountGroupItem>& groups);
std::vector<std::string> identifiers(const std::vector<AccountGroupRow>& rows);

/// The groups after a drag in the single list: every account joins the nearest group header
/// above it, and groups and accounts take the list's order. Nothing when the drag would leave an
/// account above every group, which no group could hold.
std::optional<std::vector<AccountGroupItem>> regroupedAfterMove(const std::vector<AccountGroupItem>& groups,
                                                                const IndexSet& fromOffsets,
                                                                std::size_t toOffset);

} // namespace zt
