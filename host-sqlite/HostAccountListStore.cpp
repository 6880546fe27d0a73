#include "HostAccountListStore.h"

#include "HostWrite.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/Console.h"
#include "platform/MainQueue.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

namespace zt {

namespace {

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
}

} // namespace

HostAccountListStore::HostAccountListStore(std::shared_ptr<HostDatabase> database)
    : database_(std::move(database)), formatter_(makeAppBasedCurrencyFormatter()) {
    reload();
}

void HostAccountListStore::reload() {
    auto& sql = database_->connection();
    std::vector<AccountGroupItem> list;
    std::map<std::string, std::size_t> indexOf;
    auto rows = sql.prepare("SELECT id, name, is_collapsed FROM account_groups ORDER BY sort_order, name");
    while (rows.step()) {
        indexOf[rows.text(0)] = list.size();
        list.push_back({rows.text(0), rows.text(1), rows.integer(2) != 0, {}, {}});
    }
    AccountGroupItem noGroup{std::string(AccountGroupItem::noGroupIdentifier),
                             AccountGroupItem::noGroupName(),
                             database_->value(noGroupCollapsedKey) == "1",
                             {},
                             {}};
    std::vector<WidgetAccount> archivedList;
    for (auto& account : database_->accounts()) {
        if (account.isArchived) {
            archivedList.push_back(std::move(account));
            continue;
        }
        const auto found = account.groupId ? indexOf.find(*account.groupId) : indexOf.end();
        (found == indexOf.end() ? noGroup : list[found->second]).add(std::move(account));
    }
    if (!noGroup.items.empty()) {
        // First until the user moves it; a damaged setting counts as unset.
        std::size_t position = 0;
        if (const auto stored = database_->value(noGroupPositionKey))
            std::from_chars(stored->data(), stored->data() + stored->size(), position);
        position = std::min(position, list.size());
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), std::move(noGroup));
    }
    for (auto& group : list) {
        double total = 0;
        for (const auto& account : group.items)
            total += account.balance;
        group.amount = formatter_.stringOrDash(total);
    }
    groups.set(std::move(list));
    archivedAccounts.set(std::move(archivedList));
}

bool HostAccountListStore::store(const char* what, const std::function<void(SqliteConnection&)>& write) {
    const bool stored = writeOrLog(*database_, what, write);
    reload();
    return stored;
}

void HostAccountListStore::toggle(const AccountGroupItem& group) {
    store("group collapse", [&](SqliteConnection& sql) {
        if (group.isNoGroup()) {
            database_->setValue(noGroupCollapsedKey,
                                database_->value(noGroupCollapsedKey) == "1" ? "0" : "1");
            return;
        }
        sql.prepare("UPDATE account_groups SET is_collapsed = 1 - is_collapsed WHERE id = ?1")
            .bind(1, group.id)
            .run();
    });
}

void HostAccountListStore::deleteGroup(const AccountGroupItem& group, bool includingAccounts) {
    if (group.isNoGroup()) {
        console("Not stored (group deletion): the catch-all group cannot be deleted");
        return;
    }
    store("group deletion", [&](SqliteConnection& sql) {
        if (includingAccounts) {
            // Transactions go with their accounts (the schema cascades).
            sql.prepare("DELETE FROM accounts WHERE group_id = ?1 AND is_archived = 0")
                .bind(1, group.id)
                .run();
        } else {
            // After the catch-all group's own accounts, in their order; the schema then clears the
            // group of each.
            sql.prepare("UPDATE accounts SET sort_order = sort_order + "
                        "(SELECT coalesce(max(sort_order) + 1, 0) FROM accounts) WHERE group_id = ?1")
                .bind(1, group.id)
                .run();
        }
        sql.prepare("DELETE FROM account_groups WHERE id = ?1").bind(1, group.id).run();
    });
}

void HostAccountListStore::deleteAccount(const WidgetAccount& account) {
    store("account deletion", [&](SqliteConnection& sql) {
        sql.prepare("DELETE FROM accounts WHERE id = ?1").bind(1, account.id).run();
    });
}

void HostAccountListStore::archive(const WidgetAccount& account) {
    store("archive", [&](SqliteConnection& sql) {
        sql.prepare("UPDATE accounts SET is_archived = 1 WHERE id = ?1").bind(1, account.id).run();
    });
}

void HostAccountListStore::unarchive(const WidgetAccount& account) {
    unarchiveAccount(account.id);
}

void HostAccountListStore::unarchiveAccount(const std::string& identifier) {
    store("unarchive", [&](SqliteConnection& sql) {
        sql.prepare(
               "UPDATE accounts SET is_archived = 0, sort_order = "
               "(SELECT coalesce(max(sort_order) + 1, 0) FROM accounts) WHERE id = ?1 AND is_archived = 1")
            .bind(1, identifier)
            .run();
    });
}

void HostAccountListStore::deleteLink(const std::string& linkId, std::function<void()> completion) {
    console("deleteLink " + linkId + ": the reference host has no bank connections");
    if (completion)
        MainQueue::main().async(std::move(completion));
}

void HostAccountListStore::save(const AccountGroupItem& group) {
    if (group.isNoGroup() || isBlank(group.name)) {
        console("Not stored (group): the catch-all group or a blank name");
        return;
    }
    store("group", [&](SqliteConnection& sql) {
        sql.prepare("INSERT INTO account_groups (id, name, sort_order) VALUES (?1, ?2, "
                    "(SELECT coalesce(max(sort_order) + 1, 0) FROM account_groups)) "
                    "ON CONFLICT(id) DO UPDATE SET name = excluded.name")
            .bind(1, group.id)
            .bind(2, group.name)
            .run();
    });
}

void HostAccountListStore::save(std::function<void()> completion) {
    const auto list = groups();
    store("group order", [&](SqliteConnection& sql) {
        auto groupOrder = sql.prepare("UPDATE account_groups SET sort_order = ?2 WHERE id = ?1");
        // One running number over all groups: the overview's accounts card follows it too.
        auto accountOrder = sql.prepare("UPDATE accounts SET group_id = ?2, sort_order = ?3 WHERE id = ?1");
        int accountIndex = 0;
        for (std::size_t g = 0; g < list.size(); ++g) {
            const auto& group = list[g];
            const auto groupId = group.isNoGroup() ? std::nullopt : std::optional(group.id);
            if (group.isNoGroup())
                database_->setValue(noGroupPositionKey, std::to_string(g));
            else
                groupOrder.bind(1, group.id).bind(2, static_cast<std::int64_t>(g)).run();
            for (const auto& account : group.items)
                accountOrder.bind(1, account.id).bind(2, groupId).bind(3, accountIndex++).run();
        }
    });
    if (completion)
        MainQueue::main().async(std::move(completion));
}

void HostAccountListStore::favorite(const WidgetAccount& account) {
    store("favourite", [&](SqliteConnection& sql) {
        sql.prepare("UPDATE accounts SET is_favorite = 1 WHERE id = ?1").bind(1, account.id).run();
    });
}

} // namespace zt
