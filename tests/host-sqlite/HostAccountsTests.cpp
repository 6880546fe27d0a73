#include "ZTSwiftUIComponents/accounts/AccountGroupOrder.h"
#include "ZTSwiftUIComponents/accounts/AccountList.h"
#include "ZTSwiftUIComponents/accounts/EditAccountGroupsScreen.h"
#include "ZTSwiftUIComponents/accounts/UpdateAccountBalanceFlowView.h"
#include "host-sqlite/HostAccountListStore.h"
#include "host-sqlite/HostOverviewDatabase.h"
#include "host-sqlite/HostReconciliation.h"
#include "host-sqlite/HostSeeder.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

namespace zt {
namespace {

using ::testing::ElementsAre;

// The accounts screens and the reconciliation flow on the real host: what a user does through
// them, then the same file opened again.
class HostAccountsTest : public test::PinnedTest {
protected:
    test::TemporaryDirectory folder{"zt-host-accounts"};
    std::string file = (folder / "host.sqlite").string();
    std::shared_ptr<HostDatabase> database;
    std::shared_ptr<HostAccountListStore> store;

    void SetUp() override {
        database = std::make_shared<HostDatabase>(file);
        ASSERT_TRUE(seedDemoData(*database));
        store = std::make_shared<HostAccountListStore>(database);
    }

    void reopen() {
        store.reset();
        database = std::make_shared<HostDatabase>(file);
        store = std::make_shared<HostAccountListStore>(database);
    }

    std::vector<std::string> rows() const { return identifiers(flatRows(store->groups())); }

    const AccountGroupItem* group(const std::string& id) const {
        const auto& list = store->groups();
        const auto it = std::ranges::find_if(list, [&](const auto& g) { return g.id == id; });
        return it == list.end() ? nullptr : &*it;
    }

    std::size_t rowOf(const std::string& id) const {
        const auto list = rows();
        return static_cast<std::size_t>(std::ranges::find(list, id) - list.begin());
    }

    std::int64_t transactionsOf(const std::string& accountId) {
        auto count =
            database->connection().prepare("SELECT count(*) FROM transactions WHERE account_id = ?1");
        count.bind(1, accountId).step();
        return count.integer(0);
    }

    /// The accounts screen as the gallery's host wires it: row actions reach the store.
    AccountList accountList() {
        AccountList::Config config;
        config.isHeaderVisible = true;
        return AccountList(store, config, {}, {}, [store = store](const AccountListAction& action) {
            if (action.kind == AccountListAction::Kind::archive)
                store->archive(*action.account);
            else if (action.kind == AccountListAction::Kind::remove)
                store->deleteAccount(*action.account);
        });
    }
};

TEST_F(HostAccountsTest, TheDemoGroupsWithTheirTotalsOrderAndCollapseSurviveReopening) {
    EXPECT_THAT(rows(), ElementsAre("nogroup", "acc-checking", "acc-savings", "acc-euro", "acc-business",
                                    "credit-card", "acc-credit-card", "cash", "acc-wallet", "other",
                                    "acc-car-loan", "acc-brokerage"));
    EXPECT_EQ(group("cash")->amount, "$86.40");
    EXPECT_EQ(group("other")->amount, "$4,280.30");
    EXPECT_TRUE(store->syncingBankAccountIds().empty());
    ASSERT_EQ(store->archivedAccounts().size(), 1u);

    int announced = 0;
    const auto subscription = store->objectWillChange.observe([&] { ++announced; });
    // A drag of the credit-card group with its card above the catch-all group, then an account
    // into the cash group.
    const EditAccountGroupsScreen editor(store);
    editor.onMove({rowOf("credit-card"), rowOf("acc-credit-card")}, 0);
    editor.onMove({rowOf("acc-savings")}, rowOf("acc-wallet") + 1);
    queue().runUntilIdle(); // the editor saves from the queue
    const auto arranged = rows();
    EXPECT_THAT(arranged, ElementsAre("credit-card", "acc-credit-card", "nogroup", "acc-checking", "acc-euro",
                                      "acc-business", "cash", "acc-wallet", "acc-savings", "other",
                                      "acc-car-loan", "acc-brokerage"));
    EXPECT_EQ(group("cash")->amount, "$8,386.40"); // the store totals what the file holds now
    const auto list = accountList();
    ui::press(list.body(), ui::byId("header-cash"));
    ui::press(list.body(), ui::byId("header-nogroup"));
    ui::press(list.body(), ui::byId("header-credit-card"));
    ui::press(list.body(), ui::byId("header-credit-card"));
    EXPECT_GT(announced, 0);

    reopen();
    EXPECT_EQ(rows(), arranged);
    EXPECT_TRUE(group("cash")->isCollapsed);
    EXPECT_TRUE(group("nogroup")->isCollapsed);
    EXPECT_FALSE(group("credit-card")->isCollapsed);
    EXPECT_FALSE(ui::exists(accountList().body(), ui::byText("Savings"))); // inside the collapsed group
    // The overview's accounts card follows the editor's order too.
    const auto accounts = excludedArchived(database->accounts());
    EXPECT_EQ(accounts.front().id, "acc-credit-card");
    EXPECT_EQ(accounts.back().id, "acc-brokerage");
}

TEST_F(HostAccountsTest, ArchivedAccountsLeaveTheirGroupAndComeBackToItsEnd) {
    const auto list = accountList();
    ui::press(ui::find(list.body(), ui::byId("acc-credit-card")), "Archive");
    ui::press(ui::find(list.body(), ui::byId("acc-car-loan")), "Archive");
    EXPECT_EQ(ui::find(list.body(), ui::byId("archivedCount")).as<ui::Text>()->content, "3");

    reopen();
    EXPECT_FALSE(store->account("acc-credit-card"));
    EXPECT_TRUE(group("credit-card")->items.empty());
    EXPECT_EQ(group("other")->amount, "$12,480.30");
    ASSERT_EQ(store->archivedAccounts().size(), 3u);
    EXPECT_TRUE(std::ranges::all_of(store->archivedAccounts(), [](const auto& a) { return a.isArchived; }));

    store->unarchive(*std::ranges::find_if(store->archivedAccounts(),
                                           [](const auto& a) { return a.id == "acc-car-loan"; }));
    store->unarchiveAccount("acc-old-savings");
    store->unarchiveAccount("acc-unknown");
    reopen();
    EXPECT_THAT(group("other")->items, ::testing::SizeIs(2));
    EXPECT_EQ(group("other")->items.back().id, "acc-car-loan");
    EXPECT_EQ(group("nogroup")->items.back().id, "acc-old-savings");
    ASSERT_EQ(store->archivedAccounts().size(), 1u);
    EXPECT_EQ(store->archivedAccounts()[0].id, "acc-credit-card");
}

TEST_F(HostAccountsTest, DeletingGroupsWithAndWithoutTheirAccounts) {
    // An archived account of a group the user deletes with its accounts is not among them.
    database->connection().execute("UPDATE accounts SET group_id = 'cash' WHERE id = 'acc-old-savings'");
    const auto checkingTransactions = transactionsOf("acc-checking");
    ASSERT_GT(transactionsOf("acc-wallet"), 0);
    ASSERT_GT(transactionsOf("acc-credit-card"), 0);
    const EditAccountGroupsScreen editor(store);
    ui::press(ui::find(editor.body(), ui::byId("menu-other")), "Delete");
    ui::press(ui::find(editor.body(), ui::byId("deleteConfirmation")), "Delete Group Only");
    ui::press(ui::find(editor.body(), ui::byId("menu-cash")), "Delete");
    ui::press(ui::find(editor.body(), ui::byId("deleteConfirmation")), "Delete Group and Accounts");
    store->deleteGroup(*group("nogroup"), true); // refused: the catch-all group has no row to delete
    const auto list = accountList();
    ui::press(ui::find(list.body(), ui::byId("acc-credit-card")), "Delete");
    ui::press(ui::find(list.body(), ui::byId("deleteConfirmation")), "Delete");

    reopen();
    EXPECT_THAT(rows(), ElementsAre("nogroup", "acc-checking", "acc-savings", "acc-euro", "acc-business",
                                    "acc-car-loan", "acc-brokerage", "credit-card"));
    EXPECT_EQ(transactionsOf("acc-wallet") + transactionsOf("acc-credit-card"), 0);
    EXPECT_EQ(transactionsOf("acc-checking"), checkingTransactions);
    EXPECT_EQ(database->connection().integer("SELECT count(*) FROM pragma_foreign_key_check"), 0);
    ASSERT_EQ(store->archivedAccounts().size(), 1u);
    EXPECT_FALSE(store->archivedAccounts()[0].groupId); // kept, in the catch-all group
}

TEST_F(HostAccountsTest, GroupsAreCreatedAndRenamedButNeverBlankOrTheCatchAllGroup) {
    const EditAccountGroupsScreen editor(store);
    ui::press(editor.body(), "New group");
    ui::typeText(editor.body(), ui::byId("name"), "Travel");
    ui::press(editor.body(), "Save");
    ui::press(ui::find(editor.body(), ui::byId("menu-cash")), "Edit");
    ui::typeText(editor.body(), ui::byId("name"), "Pocket money");
    ui::press(editor.body(), "Save");
    store->save(AccountGroupItem{"blank", "  ", false, {}, {}});
    store->save(AccountGroupItem{std::string(AccountGroupItem::noGroupIdentifier), "Mine", false, {}, {}});
    bool completed = false;
    store->save([&] { completed = true; });
    EXPECT_FALSE(completed); // on the main queue
    queue().runUntilIdle();
    EXPECT_TRUE(completed);

    reopen();
    ASSERT_EQ(store->groups().size(), 5u);
    EXPECT_EQ(store->groups().back().name, "Travel");
    EXPECT_EQ(store->groups().back().amount, "$0.00");
    EXPECT_EQ(group("cash")->name, "Pocket money");
    EXPECT_EQ(group("cash")->items.size(), 1u);
    EXPECT_EQ(group("nogroup")->name, "No group");
    EXPECT_FALSE(group("blank"));
}

class HostReconciliationTest : public HostAccountsTest {
protected:
    /// Walks the flow for the account, typing balance (nothing when empty), through Close.
    void reconcile(const std::string& accountId, const std::string& balance) {
        const auto accounts = balanceUpdatingAccounts(database);
        const UpdateAccountBalanceFlowView flow({[accounts] { return accounts; }, {}});
        ui::press(flow.body(), ui::byId("continue"));
        const auto index =
            std::ranges::find_if(accounts,
                                 [&](const auto& a) {
                                     return static_cast<const HostBalanceUpdatingAccount&>(*a).account().id ==
                                            accountId;
                                 }) -
            accounts.begin();
        ui::press(flow.body(), ui::byId("account-" + std::to_string(index)));
        if (!balance.empty())
            ui::typeText(flow.body(), ui::byId("actualBalance"), balance);
        ui::press(flow.body(), ui::byId("continue"));
        ui::press(flow.body(), ui::byId("confirm"));
        ui::press(flow.body(), ui::byId("close"));
    }

    ReportTransactionList todayIn(HostOverviewDatabase& overview, const std::string& accountId) {
        ReportTransactionList out;
        overview.fetchTodayTransactions({accountId},
                                        [&](ReportTransactionList list) { out = std::move(list); });
        queue().drain();
        return out;
    }
};

TEST_F(HostReconciliationTest, TheAdjustmentIsATransactionOfTheOverviewInEitherCurrency) {
    const double worthBefore = HostOverviewDatabase(database).netWorth();
    const auto countBefore = database->transactionCount();
    reconcile("acc-wallet", "80");  // 86.40 down to 80: an expense
    reconcile("acc-euro", "1,000"); // 920 EUR up to 1,000 at 1.09: income
    reconcile("acc-checking", "");  // nothing typed: no difference, nothing stored

    reopen();
    HostOverviewDatabase overview(database);
    EXPECT_EQ(database->transactionCount(), countBefore + 2);
    EXPECT_NEAR(overview.netWorth(), worthBefore - 6.4 + 80 * 1.09, 1e-9);

    const auto wallet = todayIn(overview, "acc-wallet");
    ASSERT_FALSE(wallet.empty());
    EXPECT_TRUE(wallet.front()->isExpense());
    EXPECT_NEAR(wallet.front()->amount(), 6.4, 1e-9);
    EXPECT_EQ(wallet.front()->descriptionText(), "Account reconciliation");
    EXPECT_EQ(wallet.front()->date(), test::at(2025, 5, 15, 12));
    EXPECT_EQ(database->account("acc-wallet")->balance, 80);

    const auto euro = todayIn(overview, "acc-euro");
    ASSERT_FALSE(euro.empty());
    EXPECT_FALSE(euro.front()->isExpense());
    EXPECT_NEAR(euro.front()->amount(), 87.2, 1e-9); // in the application currency
    EXPECT_NEAR(*euro.front()->amountOriginalCurrency(), 80, 1e-9);
    EXPECT_EQ(euro.front()->currencyCode(), "EUR");
    EXPECT_EQ(database->account("acc-euro")->balanceInAccountCurrency, 1000);
    EXPECT_EQ(database->account("acc-euro")->balanceDate, test::at(2025, 5, 15, 12));
    EXPECT_TRUE(todayIn(overview, "acc-checking").empty());
}

TEST_F(HostReconciliationTest, BalancesThatAreNoNumberAreRefusedAndNothingIsStored) {
    const auto accounts = balanceUpdatingAccounts(database);
    auto& euro = static_cast<HostBalanceUpdatingAccount&>(*accounts.at(6));
    ASSERT_EQ(euro.account().id, "acc-euro");
    const auto count = database->transactionCount();
    for (const double bad :
         {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        euro.updateBalance(bad, test::at(2025, 5, 15));
        ASSERT_TRUE(euro.lastError());
        EXPECT_EQ(euro.lastError()->reason(), HostDatabaseError::Reason::invalidRecord);
        EXPECT_EQ(euro.accountCurrencyBalance(), 920);
    }
    // A balance so large that its conversion overflows cannot be recorded either.
    EXPECT_THROW(reconcileAccountBalance(*database, "acc-euro", std::numeric_limits<double>::max(), {}),
                 HostDatabaseError);
    try {
        reconcileAccountBalance(*database, "acc-gone", 5, {});
        ADD_FAILURE() << "an unknown account was reconciled";
    } catch (const HostDatabaseError& e) {
        EXPECT_EQ(e.reason(), HostDatabaseError::Reason::storeFailed);
    }
    euro.updateBalance(900, test::at(2025, 5, 15));
    EXPECT_FALSE(euro.lastError()); // a later good balance clears the error

    reopen();
    EXPECT_EQ(database->transactionCount(), count + 1);
    EXPECT_EQ(database->account("acc-euro")->balanceInAccountCurrency, 900);
}

} // namespace
} // namespace zt
