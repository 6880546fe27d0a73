#pragma once

#include "HostDatabase.h"
#include "ZTSwiftUIComponents/accounts/AccountListStoreConforming.h"

#include <functional>
#include <memory>
#include <set>
#include <string>

namespace zt {

/// The accounts screens over the host database. The groups are the file's account groups in the
/// user's order plus the catch-all group of the active accounts without a group (shown while it
/// holds any); each total is the sum of its accounts' balances in the application currency.
/// Archived accounts keep their group, so unarchiving returns them to it. Every change is one SQL
/// transaction, after which the store reads the file again and announces it; a write the database
/// refuses is logged and the store shows what is stored. Main thread.
class HostAccountListStore final : public AccountListStoreConforming {
public:
    /// Where the catch-all group stands among the groups, and whether it is collapsed: it has no
    /// row of its own, so both live in the database's settings.
    static constexpr const char* noGroupPositionKey = "accountList.noGroupPosition";
    static constexpr const char* noGroupCollapsedKey = "accountList.noGroupCollapsed";

    explicit HostAccountListStore(std::shared_ptr<HostDatabase> database);

    /// Reads groups and archived accounts from the file again (after another writer changed it).
    void reload();

    const NumberFormatter& formatter() const override { return formatter_; }
    /// The reference host has no bank connections: nothing ever syncs.
    const std::set<std::string>& syncingBankAccountIds() const override { return syncing_; }

    void toggle(const AccountGroupItem& group) override;
    /// Without its accounts, the group's active and archived accounts join the catch-all group,
    /// after the accounts already there. With them, its active accounts are deleted with their
    /// transactions; archived ones the user does not see in the group are kept. The catch-all
    /// group itself cannot be deleted.
    void deleteGroup(const AccountGroupItem& group, bool includingAccounts) override;
    /// Deletes the account and its transactions.
    void deleteAccount(const WidgetAccount& account) override;
    void archive(const WidgetAccount& account) override;
    /// Returns the account to the end of its group (the catch-all group when it has none).
    void unarchive(const WidgetAccount& account) override;
    void unarchiveAccount(const std::string& identifier) override;
    /// No bank connections to remove; the completion still runs on the main queue.
    void deleteLink(const std::string& linkId, std::function<void()> completion) override;
    /// Creates the group at the end, or renames it. A blank name, or the catch-all group, is
    /// refused and logged.
    void save(const AccountGroupItem& group) override;
    /// Stores the order of groups() and of the accounts in each, and each account's group.
    void save(std::function<void()> completion) override;
    void favorite(const WidgetAccount& account) override;

private:
    /// Runs write in one SQL transaction; false, logged, when the database refused it. The store
    /// is read again either way.
    bool store(const char* what, const std::function<void(SqliteConnection&)>& write);

    std::shared_ptr<HostDatabase> database_;
    NumberFormatter formatter_;
    std::set<std::string> syncing_;
};

} // namespace zt
