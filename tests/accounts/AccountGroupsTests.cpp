#include "ZTSwiftUIComponents/accounts/AccountGroupOrder.h"
#include "ZTSwiftUIComponents/accounts/AccountListAction.h"
#include "mocks/MockAccountListStore.h"
#include "platform/Console.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unordered_set>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

WidgetAccount account(std::string id, double balance = 10, AccountType type = AccountType::checking) {
    return WidgetAccount(id, "Account " + id, balance, type, "USD");
}

AccountGroupItem group(std::string id, std::vector<WidgetAccount> items, std::string name = {}) {
    return AccountGroupItem{id, name.empty() ? id : name, false, "$0.00", std::move(items)};
}

std::string layout(const std::vector<AccountGroupItem>& groups) {
    std::string out;
    for (const auto& g : groups) {
        out += (out.empty() ? "" : " | ") + g.id + ":";
        for (const auto& a : g.items)
            out += " " + a.id;
    }
    return out;
}

class AccountGroupsTest : public PinnedTest {
protected:
    ConsoleCapture console;
};

} // namespace

TEST_F(AccountGroupsTest, GroupValuesToggleMoveCompareAndHash) {
    auto cash = group("cash", {account("a"), account("b"), account("c")});
    EXPECT_FALSE(cash.isNoGroup());
    EXPECT_TRUE(group("nogroup", {}).isNoGroup());
    EXPECT_EQ(AccountGroupItem::noGroupName(), "No group");
    auto copy = cash;
    EXPECT_EQ(copy, cash);
    copy.toggle();
    EXPECT_NE(copy, cash);
    copy.toggle();
    copy.move({0}, 3);
    EXPECT_EQ(layout({copy}), "cash: b c a");
    copy.add(account("d"));
    EXPECT_EQ(layout({copy}), "cash: b c a d");
    const std::unordered_set<AccountGroupItem> set{cash, cash, copy};
    EXPECT_EQ(set.size(), 2u);
}

TEST_F(AccountGroupsTest, ActionsCarryTheirPayloadAndAnIdentifier) {
    EXPECT_EQ(AccountListAction::updateAccountBalance({"a", "b"}).id(), "updateAccountBalance-a,b");
    EXPECT_EQ(AccountListAction::archive(account("x")).id(), "archive-x");
    EXPECT_EQ(AccountListAction::remove(account("x")).id(), "delete-x");
    EXPECT_EQ(AccountListAction::of(AccountListAction::Kind::exportCSV).id(), "exportCSV");
    EXPECT_NE(AccountListAction::edit(account("x")), AccountListAction::favorite(account("x")));
}

TEST_F(AccountGroupsTest, StoreExtensionsReadAcrossGroupsInOrder) {
    auto twin = account("same", 1);
    twin.name = "Later twin";
    const MockAccountListStore store(
        {group("first", {account("a"), account("same", 5)}), group("second", {twin})}, {});
    EXPECT_EQ(store.accounts().size(), 3u);
    ASSERT_TRUE(store.account("same"));
    EXPECT_EQ(store.account("same")->balance, 5);
    EXPECT_FALSE(store.account("missing"));
    EXPECT_FALSE(store.isSyncing(account("a")));
}

TEST_F(AccountGroupsTest, DragsRegroupAccountsUnderTheNearestHeaderAndRefuseTheTop) {
    const std::vector<AccountGroupItem> groups{group("nogroup", {account("a")}),
                                               group("cards", {account("c")}), group("cash", {})};
    // nogroup a cards c cash
    EXPECT_THAT(identifiers(flatRows(groups)), ElementsAre("nogroup", "a", "cards", "c", "cash"));
    EXPECT_FALSE(regroupedAfterMove(groups, {1}, 0)); // an account above every group
    EXPECT_FALSE(regroupedAfterMove(groups, {0}, 2)); // the first header below its account

    auto moved = regroupedAfterMove(groups, {3}, 5); // c into cash
    ASSERT_TRUE(moved);
    EXPECT_EQ(layout(*moved), "nogroup: a | cards: | cash: c");
    EXPECT_EQ(moved->back().items.front().groupId, "cash");

    moved = regroupedAfterMove(groups, {1}, 4); // a into cards, below c
    ASSERT_TRUE(moved);
    EXPECT_EQ(layout(*moved), "nogroup: | cards: c a | cash:");
    moved = regroupedAfterMove(*moved, {3}, 1); // and back to the catch-all group
    ASSERT_TRUE(moved);
    EXPECT_EQ(layout(*moved), "nogroup: a | cards: c | cash:");
    EXPECT_EQ(moved->front().items.front().groupId, std::nullopt);

    moved = regroupedAfterMove(groups, {2}, 0); // a whole header to the top takes no accounts along
    ASSERT_TRUE(moved);
    EXPECT_EQ(layout(*moved), "cards: | nogroup: a c | cash:");
}

TEST_F(AccountGroupsTest, DemoStoreDeletesGroupsWithoutLosingAccountsItShouldKeep) {
    MockAccountListStore store({group("nogroup", {account("a")}),
                                group("cards", {account("c"), account("d")}), group("cash", {account("e")})},
                               {});
    int changes = 0;
    auto s = store.objectWillChange.observe([&] { ++changes; });
    store.deleteGroup(group("cards", {}), false);
    EXPECT_EQ(layout(store.groups()), "nogroup: a c d | cash: e");
    EXPECT_GT(changes, 0);
    store.deleteGroup(store.groups().back(), true);
    EXPECT_EQ(layout(store.groups()), "nogroup: a c d");

    // Without a catch-all group one is made for the survivors.
    MockAccountListStore bare({group("cards", {account("c")})}, {});
    bare.deleteGroup(bare.groups().front(), false);
    EXPECT_EQ(layout(bare.groups()), "nogroup: c");
    EXPECT_EQ(bare.groups().front().name, "No group");

    // Deleting with accounts also removes them where they appear in other groups.
    MockAccountListStore twice({group("x", {account("t")}), group("y", {account("t"), account("u")})}, {});
    twice.deleteGroup(twice.groups().front(), true);
    EXPECT_EQ(layout(twice.groups()), "y: u");
}

TEST_F(AccountGroupsTest, DemoStoreTogglesArchivesSavesAndFavourites) {
    MockAccountListStore store({group("nogroup", {account("a")}), group("cash", {account("b")})}, {});
    store.toggle(group("missing", {}));
    EXPECT_FALSE(store.groups()[0].isCollapsed || store.groups()[1].isCollapsed);
    store.toggle(group("nogroup", {}));
    EXPECT_TRUE(store.groups()[0].isCollapsed);
    EXPECT_TRUE(store.isNoGroupCollapsed());

    store.archive(account("b"));
    EXPECT_EQ(layout(store.groups()), "nogroup: a | cash:");
    ASSERT_EQ(store.archivedAccounts().size(), 1u);
    EXPECT_TRUE(store.archivedAccounts().front().isArchived);
    store.unarchive(store.archivedAccounts().front());
    EXPECT_TRUE(store.archivedAccounts().empty());
    EXPECT_EQ(layout(store.groups()), "nogroup: a b | cash:");

    store.save(AccountGroupItem{"cash", "Wallets", false, {}, {}});
    store.save(AccountGroupItem{"new", "Savings", false, {}, {}});
    EXPECT_EQ(layout(store.groups()), "nogroup: a b | cash: | new:");
    EXPECT_EQ(store.groups()[1].name, "Wallets");
    store.favorite(account("a"));
    EXPECT_TRUE(store.account("a")->isFavorite);

    bool saved = false;
    store.save([&] { saved = true; });
    EXPECT_FALSE(saved);
    queue().runUntilIdle();
    EXPECT_TRUE(saved);
    EXPECT_EQ(console.lines().back(), "save()");
}

TEST_F(AccountGroupsTest, DemoGroupsMatchTheirDescription) {
    const auto store = MockAccountListStore::demo();
    std::vector<std::string> names;
    for (const auto& g : store->groups())
        names.push_back(g.name);
    EXPECT_THAT(names, ElementsAre("No group", "Credit Cards", "Cash", "Other"));
    EXPECT_EQ(store->groups()[1].id, "credit-card");
    EXPECT_EQ(store->groups()[1].amount, "2000$");
    EXPECT_EQ(store->groups()[2].amount, "100$");
    EXPECT_FALSE(store->archivedAccounts().empty());
    for (const auto& g : store->groups())
        for (const auto& a : g.items)
            EXPECT_FALSE(a.isArchived) << a.id;
}
