#pragma once

#include "ZTSwiftUIComponents/accounts/AccountListAction.h"
#include "ZTSwiftUIComponents/accounts/AccountListConfig.h"
#include "ZTSwiftUIComponents/accounts/AccountListStoreConforming.h"
#include "ZTSwiftUIComponents/accounts/EditAccountGroupsScreen.h"
#include "ZTSwiftUIComponents/host/AlertItem.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace zt {

/// The colour of an account's badge: teal for credit cards and loans, otherwise red for a
/// balance of 0 or less and green above 0.
ui::Color accountBadgeColor(const WidgetAccount& account);

/// The accounts screen: the accounts in collapsible groups with their totals, optionally a
/// summary header, and the actions on accounts and groups, which go to the host as callbacks.
class AccountList {
public:
    using Config = AccountListConfig;

    /// onNewAccountDidPress receives the group in which "Add Account" was pressed (none from the
    /// toolbar).
    AccountList(std::shared_ptr<AccountListStoreConforming> store, Config config,
                std::function<void(const WidgetAccount&)> onDidSelect,
                std::function<void(const std::optional<std::string>&)> onNewAccountDidPress,
                std::function<void(const AccountListAction&)> onActionDidPress);

    ui::View body() const;

    /// The banner shown, if any.
    const std::optional<AlertItem>& toast() const { return state_->toast; }

private:
    struct State {
        bool isSortGroupModal = false;
        bool isDeleteConfirmation = false;
        bool isSelecting = false;
        std::set<std::string> multiSelection;
        std::optional<WidgetAccount> accountToDelete;
        std::optional<AlertItem> toast;
        std::optional<EditAccountGroupsScreen> groupsEditor;
    };

    /// The row texts, looked up once a draw rather than once a row.
    struct RowTexts;
    ui::View accountRow(const WidgetAccount& account, const RowTexts& texts) const;

    std::shared_ptr<AccountListStoreConforming> store_;
    Config config_;
    std::function<void(const WidgetAccount&)> onDidSelect_;
    std::function<void(const std::optional<std::string>&)> onNewAccountDidPress_;
    std::function<void(const AccountListAction&)> onActionDidPress_;
    ui::ScreenState<State> state_;
};

} // namespace zt
