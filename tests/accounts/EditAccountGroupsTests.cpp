#include "ZTSwiftUIComponents/accounts/AccountGroupEntryScreen.h"
#include "ZTSwiftUIComponents/accounts/EditAccountGroupsScreen.h"
#include "mocks/MockAccountListStore.h"
#include "platform/Console.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <regex>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

WidgetAccount account(std::string id) {
    return WidgetAccount(id, "Account " + id, 1, AccountType::checking, "USD");
}

class EditAccountGroupsTest : public PinnedTest {
protected:
    ConsoleCapture console;
    std::shared_ptr<MockAccountListStore> store = std::make_shared<MockAccountListStore>(
        std::vector<AccountGroupItem>{
            {"nogroup", "No group", false, "", {account("a")}},
            {"cards", "Cards", false, "", {account("c")}},
            {"cash", "Cash", false, "", {}},
        },
        std::vector<WidgetAccount>{});
};

} // namespace

TEST_F(EditAccountGroupsTest, TheTopIsRefusedWithALogLineAndAFreshRefresh) {
    const EditAccountGroupsScreen screen(store);
    const auto before = store->groups();
    const auto refresh = screen.refreshId();
    EXPECT_THAT(screen.sortedIdentifiers(), ElementsAre("nogroup", "a", "cards", "c", "cash"));
    screen.onMove({1}, 0);
    EXPECT_EQ(store->groups(), before);
    EXPECT_NE(screen.refreshId(), refresh);
    EXPECT_TRUE(ui::exists(screen.body(), ui::byId(screen.refreshId())));
    queue().runUntilIdle();
    EXPECT_THAT(console.lines(),
                ElementsAre("Account is the first on the list, don't move it there. Revert"));
}

TEST_F(EditAccountGroupsTest, AcceptedMovesRewriteTheStoreAndSaveFromTheQueue) {
    const EditAccountGroupsScreen screen(store);
    ui::press(ui::find(screen.body(), ui::byId("c")), "Move Down"); // c below the cash header
    EXPECT_THAT(screen.sortedIdentifiers(), ElementsAre("nogroup", "a", "cards", "cash", "c"));
    EXPECT_TRUE(store->groups()[1].items.empty());
    EXPECT_EQ(store->groups()[2].items.front().id, "c");
    EXPECT_TRUE(console.lines().empty()); // saved only once the queue runs
    queue().runUntilIdle();
    EXPECT_THAT(console.lines(), ElementsAre("save()"));

    ui::press(ui::find(screen.body(), ui::byId("group-cash")), "Move Up");
    EXPECT_THAT(screen.sortedIdentifiers(), ElementsAre("nogroup", "a", "cash", "cards", "c"));
    EXPECT_EQ(store->groups()[2].items.front().groupId, "cards");
}

TEST_F(EditAccountGroupsTest, GroupMenusEditAndDeleteButNeverTheCatchAllGroup) {
    const EditAccountGroupsScreen screen(store);
    auto body = screen.body();
    EXPECT_THROW(ui::press(ui::find(body, ui::byId("menu-nogroup")), "Edit"), ui::ViewQueryError);
    EXPECT_THROW(ui::press(ui::find(body, ui::byId("menu-nogroup")), "Delete"), ui::ViewQueryError);

    ui::press(ui::find(body, ui::byId("menu-cards")), "Edit");
    body = screen.body();
    EXPECT_TRUE(ui::exists(body, "Edit group"));
    EXPECT_EQ(ui::findAs<ui::TextField>(body, ui::byId("name")).text, "Cards");
    ui::typeText(body, ui::byId("name"), "Plastic");
    ui::press(screen.body(), "Save");
    EXPECT_EQ(store->groups()[1].name, "Plastic");
    EXPECT_EQ(store->groups()[1].items.size(), 1u); // renaming keeps the accounts
    EXPECT_FALSE(ui::exists(screen.body(), "Edit group"));

    ui::press(ui::find(screen.body(), ui::byId("menu-cards")), "Delete");
    auto dialog = ui::find(screen.body(), ui::byId("deleteConfirmation"));
    EXPECT_EQ(dialog.as<ui::ConfirmationDialog>()->message,
              "Choose how to handle the accounts within this group.");
    ui::press(dialog, "Delete Group Only");
    EXPECT_THAT(screen.sortedIdentifiers(), ElementsAre("nogroup", "a", "c", "cash"));

    ui::press(ui::find(screen.body(), ui::byId("menu-cash")), "Delete");
    dialog = ui::find(screen.body(), ui::byId("deleteConfirmation"));
    EXPECT_EQ(dialog.as<ui::ConfirmationDialog>()->message,
              "Are you sure you want to delete this empty group?");
    EXPECT_FALSE(ui::exists(dialog, "Delete Group Only"));
    ui::press(dialog, "Delete");
    EXPECT_THAT(screen.sortedIdentifiers(), ElementsAre("nogroup", "a", "c"));
}

TEST_F(EditAccountGroupsTest, DeletingAGroupWithItsAccounts) {
    const EditAccountGroupsScreen screen(store);
    ui::press(ui::find(screen.body(), ui::byId("menu-cards")), "Delete");
    ui::press(ui::find(screen.body(), ui::byId("deleteConfirmation")), "Delete Group and Accounts");
    EXPECT_THAT(screen.sortedIdentifiers(), ElementsAre("nogroup", "a", "cash"));
    EXPECT_FALSE(store->account("c"));
}

TEST_F(EditAccountGroupsTest, NewGroupsGetAFreshUUIDAndEditsKeepTheirIdentifier) {
    std::vector<AccountGroupItem> saved;
    int closed = 0;
    const AccountGroupEntryScreen fresh(
        std::nullopt, "", [&](const AccountGroupItem& g) { saved.push_back(g); }, [&] { ++closed; });
    const AccountGroupEntryScreen other(std::nullopt, "", {});
    EXPECT_TRUE(std::regex_match(
        fresh.groupId(), std::regex("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}")));
    EXPECT_NE(fresh.groupId(), other.groupId());
    EXPECT_TRUE(ui::exists(fresh.body(), "New group"));
    EXPECT_THROW(ui::press(fresh.body(), "Save"), ui::ViewQueryError); // a blank name
    fresh.onAppear();
    EXPECT_TRUE(fresh.isNameFocused());
    ui::typeText(fresh.body(), ui::byId("name"), "Travel");
    ui::press(fresh.body(), "Save");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].id, fresh.groupId());
    EXPECT_EQ(saved[0].name, "Travel");
    EXPECT_EQ(closed, 1);

    const AccountGroupEntryScreen edit(std::string("cards"), "Cards",
                                       [&](const AccountGroupItem& g) { saved.push_back(g); });
    EXPECT_TRUE(ui::exists(edit.body(), "Edit group"));
    ui::press(edit.body(), "Save");
    EXPECT_EQ(saved.back().id, "cards");
    ui::press(edit.body(), ui::byAccessibilityLabel("Close"));
    EXPECT_EQ(saved.size(), 2u);

    // Through the editor a new group lands in the store under its fresh identifier.
    const EditAccountGroupsScreen screen(store);
    ui::press(screen.body(), "New group");
    ui::typeText(screen.body(), ui::byId("name"), "Savings");
    ui::press(screen.body(), "Save");
    EXPECT_EQ(store->groups().back().name, "Savings");
    EXPECT_EQ(store->groups().back().id.size(), 36u);
}
