#pragma once

#include "ZTSwiftUIComponents/accounts/AccountGroupItem.h"
#include "platform/NumberFormatter.h"
#include "platform/Published.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zt {

/// The host's store of accounts and their groups behind the accounts screens. Main thread; every
/// change is announced through objectWillChange.
class AccountListStoreConforming : public ObservableObject {
public:
    AccountListStoreConforming() : groups(*this), archivedAccounts(*this) {}

    /// The money formatter of the screens.
    virtual const NumberFormatter& formatter() const = 0;
    /// Bank-linked accounts syncing now.
    virtual const std::set<std::string>& syncingBankAccountIds() const = 0;
    /// In display order.
    Published<std::vector<AccountGroupItem>> groups;
    /// The archived accounts, shown apart from the groups.
    Published<std::vector<WidgetAccount>> archivedAccounts;
    /// Collapses or expands the group.
    virtual void toggle(const AccountGroupItem& group) = 0;
    /// Deletes the group; its accounts survive unless includingAccounts.
    virtual void deleteGroup(const AccountGroupItem& group, bool includingAccounts) = 0;
    /// Deletes the account.
    virtual void deleteAccount(const WidgetAccount& account) = 0;
    /// Archives the account: it leaves its group and appears in archivedAccounts.
    virtual void archive(const WidgetAccount& account) = 0;
    /// Returns an archived account from archivedAccounts to the groups.
    virtual void unarchive(const WidgetAccount& account) = 0;
    /// unarchive() for the account with the identifier.
    virtual void unarchiveAccount(const std::string& identifier) = 0;
    /// Removes a bank connection; completion runs on the main queue when done.
    virtual void deleteLink(const std::string& linkId, std::function<void()> completion) = 0;
    /// Creates or updates one group.
    virtual void save(const AccountGroupItem& group) = 0;
    /// Persists the current groups and their order; completion runs on the main queue when done.
    virtual void save(std::function<void()> completion) = 0;
    /// Marks the account as a favourite.
    virtual void favorite(const WidgetAccount& account) = 0;

    /// Every account of every group, group by group.
    std::vector<WidgetAccount> accounts() const;
    /// True when the account's identifier is in syncingBankAccountIds().
    bool isSyncing(const WidgetAccount& account) const {
        return syncingBankAccountIds().contains(account.id);
    }
    /// The first account with the identifier, in group order.
    std::optional<WidgetAccount> account(const std::string& withId) const;
};

} // namespace zt
