#include "MockAccountListStore.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/Console.h"
#include "platform/MainQueue.h"

#include <algorithm>

namespace zt {

namespace {

std::vector<WidgetAccount> removeAccount(std::vector<AccountGroupItem>& groups, const std::string& id) {
    std::vector<WidgetAccount> removed;
    for (auto& group : groups)
        std::erase_if(group.items, [&](const WidgetAccount& a) {
            if (a.id != id)
                return false;
            removed.push_back(a);
            return true;
        });
    return removed;
}

} // namespace

MockAccountListStore::MockAccountListStore(std::vector<AccountGroupItem> groupList,
                                           std::vector<WidgetAccount> archivedList)
    : isNoGroupCollapsed(*this), formatter_(makeAppBasedCurrencyFormatter()) {
    groups.assign(std::move(groupList));
    archivedAccounts.assign(std::move(archivedList));
    for (const auto& group : groups())
        if (group.isNoGroup())
            isNoGroupCollapsed.assign(group.isCollapsed);
}

std::vector<AccountGroupItem> MockAccountListStore::demoGroups() {
    const auto formatter = makeAppBasedCurrencyFormatter();
    std::vector<AccountGroupItem> out{
        {std::string(AccountGroupItem::noGroupIdentifier), AccountGroupItem::noGroupName(), false, {}, {}},
        {"credit-card", "Credit Cards", false, "2000$", {}},
        {"cash", "Cash", false, "100$", {}},
        {"other", "Other", false, {}, {}},
    };
    for (auto account : excludedArchived(WidgetAccount::demo())) {
        const auto index = account.type == AccountType::creditCard                                        ? 1
                           : account.type == AccountType::cash                                            ? 2
                           : account.type == AccountType::loan || account.type == AccountType::investment ? 3
                                                                                                          : 0;
        account.groupId = index == 0 ? std::nullopt : std::optional<std::string>(out[index].id);
        out[static_cast<std::size_t>(index)].add(std::move(account));
    }
    for (auto* group : {&out[0], &out[3]}) {
        double total = 0;
        for (const auto& a : group->items)
            total += a.balance;
        group->amount = formatter.stringOrDash(total);
    }
    return out;
}

std::shared_ptr<MockAccountListStore> MockAccountListStore::demo() {
    return std::make_shared<MockAccountListStore>(demoGroups(), archived(WidgetAccount::demo()));
}

void MockAccountListStore::setSyncingBankAccountIds(std::set<std::string> identifiers) {
    objectWillChange.notify();
    syncing_ = std::move(identifiers);
}

void MockAccountListStore::toggle(const AccountGroupItem& group) {
    console("toggle(_:)");
    auto list = groups();
    const auto it = std::find_if(list.begin(), list.end(), [&](const auto& g) { return g.id == group.id; });
    if (it == list.end())
        return;
    it->toggle();
    if (it->isNoGroup())
        isNoGroupCollapsed.set(it->isCollapsed);
    groups.set(std::move(list));
}

void MockAccountListStore::addToNoGroup(std::vector<AccountGroupItem>& list,
                                        std::vector<WidgetAccount> accounts) const {
    if (accounts.empty())
        return;
    auto it = std::find_if(list.begin(), list.end(), [](const auto& g) { return g.isNoGroup(); });
    if (it == list.end())
        it = list.insert(list.begin(), AccountGroupItem{std::string(AccountGroupItem::noGroupIdentifier),
                                                        AccountGroupItem::noGroupName(),
                                                        isNoGroupCollapsed(),
                                                        {},
                                                        {}});
    for (auto& account : accounts) {
        account.groupId.reset();
        it->add(std::move(account));
    }
}

void MockAccountListStore::deleteGroup(const AccountGroupItem& group, bool includingAccounts) {
    console(includingAccounts ? "delete(_:includingAccounts: true)" : "delete(_:includingAccounts: false)");
    auto list = groups();
    const auto it = std::find_if(list.begin(), list.end(), [&](const auto& g) { return g.id == group.id; });
    if (it == list.end())
        return;
    std::vector<WidgetAccount> accounts = std::move(it->items);
    list.erase(it);
    if (includingAccounts) {
        for (const auto& account : accounts)
            removeAccount(list, account.id);
    } else {
        addToNoGroup(list, std::move(accounts));
    }
    groups.set(std::move(list));
}

void MockAccountListStore::deleteAccount(const WidgetAccount& account) {
    console("delete(_:)");
    auto list = groups();
    removeAccount(list, account.id);
    groups.set(std::move(list));
}

void MockAccountListStore::archive(const WidgetAccount& account) {
    console("archive(_:)");
    auto list = groups();
    auto removed = removeAccount(list, account.id);
    if (removed.empty())
        return;
    auto archivedList = archivedAccounts();
    removed.front().isArchived = true;
    archivedList.push_back(removed.front());
    groups.set(std::move(list));
    archivedAccounts.set(std::move(archivedList));
}

void MockAccountListStore::unarchive(const WidgetAccount& account) {
    console("unarchive(_:)");
    auto archivedList = archivedAccounts();
    std::vector<WidgetAccount> returned;
    std::erase_if(archivedList, [&](const WidgetAccount& a) {
        if (a.id != account.id)
            return false;
        returned.push_back(a);
        returned.back().isArchived = false;
        return true;
    });
    // The account comes back to the list rather than vanishing from both.
    auto list = groups();
    addToNoGroup(list, std::move(returned));
    archivedAccounts.set(std::move(archivedList));
    groups.set(std::move(list));
}

void MockAccountListStore::unarchiveAccount(const std::string&) {
    console("unarchiveAccount(identifier:)");
}

void MockAccountListStore::deleteLink(const std::string&, std::function<void()> completion) {
    console("deleteLink(linkId:)");
    if (completion)
        MainQueue::main().async(std::move(completion));
}

void MockAccountListStore::save(const AccountGroupItem& group) {
    console("save(_:)");
    auto list = groups();
    const auto it = std::find_if(list.begin(), list.end(), [&](const auto& g) { return g.id == group.id; });
    if (it == list.end()) {
        AccountGroupItem added = group;
        added.amount = formatter_.stringOrDash(0);
        list.push_back(std::move(added));
    } else {
        // An edit renames; the group keeps its accounts.
        it->name = group.name;
    }
    groups.set(std::move(list));
}

void MockAccountListStore::save(std::function<void()> completion) {
    console("save()");
    if (completion)
        MainQueue::main().async(std::move(completion));
}

void MockAccountListStore::favorite(const WidgetAccount& account) {
    console("favorite(account:)");
    auto list = groups();
    for (auto& group : list)
        for (auto& a : group.items)
            if (a.id == account.id)
                a.isFavorite = true;
    groups.set(std::move(list));
}

} // namespace zt
