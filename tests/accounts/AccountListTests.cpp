#include "ZTSwiftUIComponents/accounts/AccountList.h"
#include "ZTSwiftUIComponents/accounts/AccountPickers.h"
#include "ZTSwiftUIComponents/accounts/FilterAccountsView.h"
#include "mocks/MockAccountListStore.h"
#include "platform/Console.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

WidgetAccount account(std::string id, double balance, AccountType type = AccountType::checking) {
    return WidgetAccount(id, "Account " + id, balance, type, "USD");
}

class AccountListTest : public PinnedTest {
protected:
    ConsoleCapture console;
    std::shared_ptr<MockAccountListStore> store = std::make_shared<MockAccountListStore>(
        std::vector<AccountGroupItem>{
            {"nogroup", "No group", false, "$10.00", {account("a", 10), account("zero", 0)}},
            {"cards", "Cards", true, "-$5.00", {account("card", -5, AccountType::creditCard)}},
            {"empty", "Empty", false, "$0.00", {}},
        },
        std::vector<WidgetAccount>{account("old", 1)});
    std::vector<std::string> events;

    AccountList make(AccountList::Config config = {}) {
        return AccountList(
            store, config, [this](const WidgetAccount& a) { events.push_back("select " + a.id); },
            [this](const std::optional<std::string>& g) { events.push_back("new " + g.value_or("-")); },
            [this](const AccountListAction& action) { events.push_back(action.id()); });
    }
};

} // namespace

TEST_F(AccountListTest, BadgeColoursFollowTypePositionAndBalanceSign) {
    EXPECT_EQ(accountBadgeColor(account("z", 0)), ui::Color(negativeAmountColor));
    EXPECT_EQ(accountBadgeColor(account("n", -0.01)), ui::Color(negativeAmountColor));
    EXPECT_EQ(accountBadgeColor(account("p", 0.01)), ui::Color(positiveAmountColor));
    const auto teal = accountBadgeColor(account("c", 100, AccountType::creditCard));
    EXPECT_EQ(accountBadgeColor(account("l", -100, AccountType::loan)), teal);
    EXPECT_NE(teal, ui::Color(positiveAmountColor));
    EXPECT_NE(teal, ui::Color(negativeAmountColor));
    EXPECT_EQ(accountBadgeColor(account("crypto", 100, AccountType::crypto)), ui::Color(positiveAmountColor));
}

TEST_F(AccountListTest, GroupsShowTheirAccountsUnlessCollapsedAndAddRowsFollowTheConfig) {
    const auto body = make().body();
    EXPECT_TRUE(ui::exists(ui::find(body, ui::byId("group-nogroup")), "Account zero"));
    const auto& cards = ui::find(body, ui::byId("group-cards"));
    EXPECT_TRUE(ui::exists(cards, "Cards") && ui::exists(cards, "-$5.00"));
    EXPECT_EQ(ui::findAs<ui::Image>(cards, ui::byId("header-cards")).symbol, "chevron.right");
    EXPECT_FALSE(ui::exists(cards, "Account card"));
    EXPECT_FALSE(ui::exists(body, "Add Account"));
    EXPECT_EQ(ui::findAs<ui::Image>(body, ui::byId("badge-zero")).color, ui::Color(negativeAmountColor));
    EXPECT_EQ(ui::find(body, ui::byId("balance-zero")).as<ui::Text>()->content, "$0.00");

    ui::press(body, ui::byId("header-cards"));
    EXPECT_TRUE(ui::exists(make().body(), "Account card"));

    const auto emptyOnly = make(AccountList::Config(false, true, false, false)).body();
    EXPECT_EQ(ui::findAll(emptyOnly, "Add Account").size(), 1u);
    ui::press(emptyOnly, ui::byId("add-empty"));
    EXPECT_EQ(ui::findAll(make(AccountList::Config(true, false, false, false)).body(), "Add Account").size(),
              3u);
    EXPECT_THAT(events, ElementsAre("new empty"));
}

TEST_F(AccountListTest, HeaderSyncingMarkerEmptyListAndOnboarding) {
    AccountList::Config config(false, false, true, false);
    config.isHeaderVisible = true;
    store->setSyncingBankAccountIds({"a"});
    auto body = make(config).body();
    EXPECT_EQ(ui::find(body, ui::byId("netWorth")).as<ui::Text>()->content, "$5.00");
    EXPECT_EQ(ui::find(body, ui::byId("assets")).as<ui::Text>()->content, "$10.00");
    EXPECT_EQ(ui::find(body, ui::byId("liabilities")).as<ui::Text>()->content, "-$5.00");
    EXPECT_EQ(ui::find(body, ui::byId("accountCount")).as<ui::Text>()->content, "3");
    EXPECT_EQ(ui::find(body, ui::byId("archivedCount")).as<ui::Text>()->content, "1");
    EXPECT_TRUE(ui::exists(body, ui::byId("syncing-a")));
    EXPECT_FALSE(ui::exists(body, ui::byId("syncing-zero")));
    ui::press(body, ui::byId("continue"));
    EXPECT_THAT(events, ElementsAre("nextPressed"));

    store->groups.set({});
    EXPECT_TRUE(ui::exists(make().body(), "No accounts"));
}

TEST_F(AccountListTest, ToolbarMenuAndRowActionsRaiseTheirActionsAndDeleteIsConfirmed) {
    const auto screen = make();
    ui::press(screen.body(), "New Account");
    for (const char* item :
         {"New group", "Export as CSV", "Export as PDF", "Archived accounts", "Manage Connections"})
        ui::press(ui::find(screen.body(), ui::byId("more")), item);
    const auto row = [&] { return ui::find(screen.body(), ui::byId("a")); };
    ui::press(row(), "Favorite");
    ui::press(row(), "Update Balance");
    ui::press(row(), "Archive");
    ui::press(row(), "Edit");
    ui::press(row(), "Delete");
    ui::press(ui::find(screen.body(), ui::byId("deleteConfirmation")), "Cancel");
    ui::press(row(), "Delete");
    EXPECT_EQ(ui::find(screen.body(), ui::byId("deleteConfirmation")).as<ui::ConfirmationDialog>()->title,
              "Account a");
    ui::press(ui::find(screen.body(), ui::byId("deleteConfirmation")), "Delete");
    ui::press(screen.body(), ui::byText("Account zero"));
    EXPECT_THAT(events, ElementsAre("new -", "newGroup", "exportCSV", "exportPDF", "archivedAccountsPressed",
                                    "manageConnections", "favorite-a", "updateAccountBalance-a", "archive-a",
                                    "edit-a", "delete-a", "select zero"));
}

TEST_F(AccountListTest, SelectionUpdatesSeveralBalancesAndOnlineAccountsRaiseABanner) {
    auto online = WidgetAccount::onlineBankingDemo();
    auto groups = store->groups();
    groups.front().add(online);
    store->groups.set(groups);
    const auto screen = make();
    ui::press(screen.body(), ui::byText(online.name));
    ASSERT_TRUE(screen.toast());
    EXPECT_TRUE(ui::exists(screen.body(), ui::byId("toast")));
    queue().advance(screen.toast()->duration - 0.5);
    EXPECT_TRUE(screen.toast());
    queue().advance(0.5);
    EXPECT_FALSE(screen.toast());
    EXPECT_TRUE(events.empty());

    ui::press(screen.body(), ui::byId("select"));
    ui::press(screen.body(), ui::byText("Account zero"));
    ui::press(screen.body(), ui::byText("Account a"));
    ui::press(screen.body(), ui::byId("updateSelected"));
    EXPECT_THAT(events, ElementsAre("updateAccountBalance-a,zero"));
}

TEST_F(AccountListTest, FilterNarrowsByUseAndTypeAndHandsOverTheChoiceInListOrder) {
    auto business = account("biz", 50);
    business.isBusinessAccount = true;
    auto archivedCard = account("oldcard", 0, AccountType::creditCard);
    archivedCard.isArchived = true;
    std::vector<std::string> done;
    const FilterAccountsView filter("Net Worth", {account("b", 2), business, archivedCard, account("a", 1)},
                                    {"a"}, [&](const std::vector<std::string>& ids) { done = ids; });
    auto body = filter.body();
    EXPECT_EQ(ui::find(body, ui::byId("active")).as<ui::Section>()->header, "Active (3)");
    EXPECT_EQ(ui::find(body, ui::byId("archived")).as<ui::Section>()->header, "Archived (1)");
    EXPECT_EQ(ui::findAs<ui::Image>(ui::find(body, ui::byId("a")), ui::byId("a")).symbol, "checkmark.circle");
    ui::press(body, ui::byId("b"));
    ui::choose(filter.body(), ui::byId("usage"), "Business");
    EXPECT_FALSE(ui::exists(filter.body(), ui::byId("b")));
    ui::choose(filter.body(), ui::byId("usage"), "Personal + Business");
    ui::choose(filter.body(), ui::byId("accountType"), "Credit Card");
    EXPECT_EQ(filter.sections().size(), 1u);
    EXPECT_TRUE(filter.sections().front().isArchived);
    ui::choose(filter.body(), ui::byId("accountType"), "All Types");
    ui::choose(filter.body(), ui::byId("sort"), "Name");
    EXPECT_EQ(filter.sections().front().items.front().id, "a");
    ui::press(filter.body(), "Done");
    EXPECT_THAT(done, ElementsAre("b", "a"));
}

TEST_F(AccountListTest, PickersSetTheirBindings) {
    std::optional<NewAccountTypePicker> kind;
    int dismissed = 0;
    const NewAccountTypePickerView picker({[&] { return kind; }, [&](const auto& v) { kind = v; }},
                                          [&] { ++dismissed; });
    EXPECT_TRUE(ui::exists(picker.body(), "Import transactions and account details automatically"));
    ui::press(picker.body(), ui::byId("online"));
    EXPECT_EQ(kind, NewAccountTypePicker::online);
    EXPECT_EQ(dismissed, 1);

    std::optional<AccountGroupItem> chosen;
    const AccountGroupPickerView groups({[&] { return chosen; }, [&](const auto& g) { chosen = g; }},
                                        store->groups());
    ui::choose(groups.body(), ui::byId("group"), "Cards");
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->id, "cards");

    AccountType type = AccountType::checking;
    const AccountTypePickerView types({[&] { return type; }, [&](const AccountType& t) { type = t; }});
    EXPECT_EQ(ui::findAs<ui::Picker>(types.body(), ui::byId("accountType")).options.size(),
              RawValues<AccountType>::cases.size());
    ui::choose(types.body(), ui::byId("accountType"), "Loan");
    EXPECT_EQ(type, AccountType::loan);
}
