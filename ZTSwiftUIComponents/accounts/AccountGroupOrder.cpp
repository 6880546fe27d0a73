#include "AccountGroupOrder.h"

namespace zt {

std::vector<AccountGroupRow> flatRows(const std::vector<AccountGroupItem>& groups) {
    std::vector<AccountGroupRow> rows;
    std::size_t count = groups.size();
    for (const auto& group : groups)
        count += group.items.size();
    rows.reserve(count);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        rows.push_back({groups[g].id, true, g, 0});
        for (std::size_t i = 0; i < groups[g].items.size(); ++i)
            rows.push_back({groups[g].items[i].id, false, g, i});
    }
    return rows;
}

std::vector<std::string> identifiers(const std::vector<AccountGroupRow>& rows) {
    std::vector<std::string> out;
    out.reserve(rows.size());
    for (const auto& row : rows)
        out.push_back(row.id);
    return out;
}

std::optional<std::vector<AccountGroupItem>> regroupedAfterMove(const std::vector<AccountGroupItem>& groups,
                                                                const IndexSet& fromOffsets,
                                                                std::size_t toOffset) {
    auto rows = flatRows(groups);
    moveElements(rows, fromOffsets, toOffset);
    if (!rows.empty() && !rows.front().isGroup)
        return std::nullopt;
    std::vector<AccountGroupItem> out;
    out.reserve(groups.size());
    for (const auto& row : rows) {
        const auto& source = groups[row.group];
        if (row.isGroup) {
            out.push_back(AccountGroupItem{source.id, source.name, source.isCollapsed, source.amount, {}});
            out.back().items.reserve(source.items.size());
            continue;
        }
        WidgetAccount account = source.items[row.item];
        // The catch-all group stands for "no group" in the account record.
        if (out.back().isNoGroup())
            account.groupId.reset();
        else
            account.groupId = out.back().id;
        out.back().add(std::move(account));
    }
    return out;
}

} // namespace zt
