#include "Gallery.h"
#include "GalleryHost.h"
#include "ZTSwiftUIComponents/accounts/AccountList.h"
#include "ZTSwiftUIComponents/accounts/AccountPickers.h"
#include "ZTSwiftUIComponents/accounts/EditAccountGroupsScreen.h"
#include "ZTSwiftUIComponents/accounts/FilterAccountsView.h"
#include "ZTSwiftUIComponents/accounts/UpdateAccountBalanceFlowView.h"
#include "host-sqlite/HostAccountListStore.h"
#include "host-sqlite/HostReconciliation.h"
#include "mocks/MockAccountListStore.h"
#include "platform/Console.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <memory>

namespace zt::preview {

namespace {

// On a database file the accounts as stored, every change kept; else the demo store, with one
// account syncing to show the indicator.
std::shared_ptr<AccountListStoreConforming> accountListStore() {
    if (auto database = galleryDatabase())
        return std::make_shared<HostAccountListStore>(std::move(database));
    const auto store = MockAccountListStore::demo();
    store->setSyncingBankAccountIds({"acc-checking"});
    return store;
}

// The accounts the reconciliation offers (only those named, when any are), read afresh for each
// walk through it; on a database each tells onDidUpdate of a stored balance.
BalanceUpdatingAccounts reconcilableAccounts(const std::vector<std::string>& only = {},
                                             const std::function<void()>& onDidUpdate = {}) {
    const auto wanted = [&only](const std::string& id) {
        return only.empty() || std::ranges::count(only, id);
    };
    BalanceUpdatingAccounts accounts;
    if (const auto database = galleryDatabase()) {
        for (auto& account : balanceUpdatingAccounts(database, onDidUpdate))
            if (wanted(static_cast<const HostBalanceUpdatingAccount&>(*account).account().id))
                accounts.push_back(std::move(account));
        return accounts;
    }
    for (const auto& account : excludedArchived(WidgetAccount::demo()))
        if (wanted(account.id))
            accounts.push_back(std::make_shared<WidgetAccount>(account));
    return accounts;
}

Screen accountsPage(PageContext&) {
    const auto store = accountListStore();
    AccountList::Config config(true, false, false, false);
    config.isHeaderVisible = true;
    // "Update Balance" walks the reconciliation of the chosen accounts in place of the list.
    const auto flow = std::make_shared<std::unique_ptr<UpdateAccountBalanceFlowView>>();
    // The host applies what the store can do itself and names the rest.
    const auto onAction = [weak = std::weak_ptr(store), flow](const AccountListAction& action) {
        console("onActionDidPress " + action.id());
        const auto s = weak.lock();
        if (s && action.kind == AccountListAction::Kind::updateAccountBalance) {
            const auto accounts = reconcilableAccounts(action.identifiers, [weak] {
                if (const auto host = std::dynamic_pointer_cast<HostAccountListStore>(weak.lock()))
                    host->reload();
            });
            *flow = std::make_unique<UpdateAccountBalanceFlowView>(
                ui::Binding<BalanceUpdatingAccounts>{[accounts] { return accounts; }, {}});
            return;
        }
        if (!s || !action.account)
            return;
        if (action.kind == AccountListAction::Kind::archive)
            s->archive(*action.account);
        else if (action.kind == AccountListAction::Kind::remove)
            s->deleteAccount(*action.account);
        else if (action.kind == AccountListAction::Kind::favorite)
            s->favorite(*action.account);
    };
    const auto screen = std::make_shared<const AccountList>(
        store, config, [](const WidgetAccount& a) { console("onDidSelect " + a.name); },
        [](const std::optional<std::string>& group) {
            console("onNewAccountDidPress " + group.value_or(""));
        },
        onAction);
    return [screen, store, flow] {
        if (*flow && (*flow)->isPresented())
            return (*flow)->body();
        return screen->body();
    };
}

Screen editGroupsPage(PageContext&) {
    const auto store = accountListStore();
    const auto screen = std::make_shared<const EditAccountGroupsScreen>(store);
    return [screen, store] { return screen->body(); };
}

Screen reconcilePage(PageContext&) {
    auto accounts = std::make_shared<BalanceUpdatingAccounts>();
    // Once the flow has ended, a button starts it again, so the demo can be walked more than once.
    auto flow = std::make_shared<std::unique_ptr<UpdateAccountBalanceFlowView>>();
    const ui::Binding<BalanceUpdatingAccounts> binding{[accounts] { return *accounts; }, {}};
    const auto restart = [flow, binding, accounts] {
        *accounts = reconcilableAccounts();
        *flow = std::make_unique<UpdateAccountBalanceFlowView>(binding, [] { console("onDismissDidPress"); });
    };
    restart();
    return [flow, accounts, restart] {
        if (!(*flow)->isPresented())
            return ui::button(L("Update account balance"), "plusminus.circle", restart);
        return (*flow)->body();
    };
}

Screen filterAccountsPage(PageContext&) {
    const auto view = std::make_shared<const FilterAccountsView>(
        "Net Worth", WidgetAccount::demo(), std::set<std::string>{"acc-checking"},
        [](const std::vector<std::string>& ids) {
            console("onDonePressed " + std::to_string(ids.size()) + " accounts");
        });
    return [view] { return view->body(); };
}

Screen pickersPage(PageContext&) {
    struct Choices {
        std::optional<NewAccountTypePicker> kind;
        std::optional<AccountGroupItem> group;
        AccountType type = AccountType::checking;
    };
    const auto choices = std::make_shared<Choices>();
    const auto groups = accountListStore()->groups();
    return [choices, groups] {
        return ui::vstack({
            NewAccountTypePickerView(
                {[choices] { return choices->kind; }, [choices](const auto& v) { choices->kind = v; }})
                .body(),
            AccountGroupPickerView(
                {[choices] { return choices->group; }, [choices](const auto& g) { choices->group = g; }},
                groups)
                .body(),
            AccountTypePickerView(
                {[choices] { return choices->type; }, [choices](const AccountType& t) { choices->type = t; }})
                .body(),
        });
    };
}

} // namespace

std::vector<Page> accountPages() {
    return {
        {"account-list", "Accounts", accountsPage},
        {"edit-account-groups", "Edit account groups", editGroupsPage},
        {"reconcile", "Update account balance", reconcilePage},
        {"filter-accounts", "Filter accounts", filterAccountsPage},
        {"account-pickers", "Account pickers", pickersPage},
    };
}

} // namespace zt::preview
