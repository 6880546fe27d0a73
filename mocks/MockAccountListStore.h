#pragma once

#include "ZTSwiftUIComponents/accounts/AccountListStoreConforming.h"

#include <set>
#include <string>
#include <vector>

namespace zt {

/// The demo store of the accounts screens: groups in memory. Deleting a group without its
/// accounts moves them to the catch-all group; every operation names itself on the console.
class MockAccountListStore final : public AccountListStoreConforming {
public:
    MockAccountListStore(std::vector<AccountGroupItem> groups, std::vector<WidgetAccount> archivedAccounts);

    /// "No group", "Credit Cards", "Cash" and "Other" over the host's demo accounts.
    static std::vector<AccountGroupItem> demoGroups();
    /// A store over the demo groups and the demo archived accounts.
    static std::shared_ptr<MockAccountListStore> demo();

    /// Whether the catch-all group is collapsed; follows toggle().
    Published<bool, MockAccountListStore> isNoGroupCollapsed;

    const NumberFormatter& formatter() const override { return formatter_; }
    const std::set<std::string>& syncingBankAccountIds() const override { return syncing_; }
    void setSyncingBankAccountIds(std::set<std::string> identifiers);

    void toggle(const AccountGroupItem& group) override;
    void deleteGroup(const AccountGroupItem& group, bool includingAccounts) override;
    void deleteAccount(const WidgetAccount& account) override;
    void archive(const WidgetAccount& account) override;
    void unarchive(const WidgetAccount& account) override;
    void unarchiveAccount(const std::string& identifier) override;
    void deleteLink(const std::string& linkId, std::function<void()> completion) override;
    void save(const AccountGroupItem& group) override;
    void save(std::function<void()> completion) override;
    void favorite(const WidgetAccount& account) override;

private:
    /// Appends accounts to the catch-all group, creating it first when it is missing.
    void addToNoGroup(std::vector<AccountGroupItem>& groups, std::vector<WidgetAccount> accounts) const;

    NumberFormatter formatter_;
    std::set<std::string> syncing_;
};

} // namespace zt
