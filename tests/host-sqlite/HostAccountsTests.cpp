#include "HostFileTest.h"
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
class HostAccountsTest : public test::HostFileTest {
protected:
    HostAccountsTest() : HostFileTest("zt-host-accounts") {}

    std::shared_ptr<HostAccountListStore> store;

    void SetUp() override {
        ASSERT_TRUE(seedDemoData(*database));
        store = std::make_shared<HostAccountListStore>(database);
    }

    void reopen() {
        store.reset();
        reopenDatabase();
        store = std::make_shared<HostAccountListStore>(database);
    }

    std::vector<std::string> rows() const { return identifiers(flatRows(store->groups())); }

    const AccountGroupItem* group(const std::string& id) const {
        const auto& list = store->groups();
        const auto it = std::ranges::find_if(list, [&](const auto& g) { return g.id == id; });
        return it == list.end() ? nullptr : &*it;
    }

    std::int64_t transactionsOf(const std::string& accountId) {
        auto count =
            database->connection().prepare("SELECT count(*) FROM transactions WHERE account_id = ?1");
        count.bind(1, accountId).step();
        return count.integer(0);
    }

    /// The accounts screen as the gallery's host wires it: row actions reach the store.
    AccountList accountList() {
        return AccountList(store, {}, {}, {}, [store = store](const AccountListAction& action) {
            if (action.kind == AccountListAction::Kind::archive)
                store->archive(*action.account);
            else if (action.kind == AccountListAction::Kind::remove)
                store->deleteAccount(*action.account);
        });
    }

    /// Walks the reconciliation of the account at index, typing balance (unless empty), to Close.
    void reconcile(int index, const std::string& balance) {
        const auto accounts = balanceUpdatingAccounts(database);
        const UpdateAccountBalanceFlowView flow({[accounts] { return accounts; }, {}});
        ui::press(flow.body(), ui::byId("continue"));
        ui::press(flow.body(), ui::byId("account-" + std::to_string(index)));
        if (!balance.empty())
            ui::typeText(flow.body(), ui::byId("actualBalance"), balance);
        for (const char* id : {"continue", "confirm", "close"})
            ui::press(flow.body(), ui::byId(id));
    }

    /// The overview's newest transaction of the account today.
    std::shared_ptr<ReportTransaction> latestIn(HostOverviewDatabase& overview,
                                                const std::string& accountId) {
        ReportTransactionList out;
        overview.fetchTodayTransactions({accountId},
                                        [&](ReportTransactionList list) { out = std::move(list); });
        queue().drain();
        return out.empty() ? nullptr : out.front();
    }
};

TEST_F(HostAccountsTest, GroupsWithTheirTotalsOrderNamesAndCollapseSurviveReopening) {
    EXPECT_THAT(rows(), ElementsAre("nogroup", "acc-checking", "acc-savings", "acc-euro", "acc-business",
                                    "credit-card", "acc-credit-card", "cash", "acc-wallet", "other",
                                    "acc-car-loan", "acc-brokerage"));
    // Drags of the card group with its card above the catch-all group, and of the savings into
    // the cash group after the wallet; a new group and a renamed one.
    const EditAccountGroupsScreen editor(store);
    editor.onMove({5, 6}, 0);
    editor.onMove({4}, 9);
    queue().runUntilIdle(); // the editor saves from the queue
    ui::press(editor.body(), "New group");
    ui::typeText(editor.body(), ui::byId("name"), "Travel");
    ui::press(editor.body(), "Save");
    ui::press(ui::find(editor.body(), ui::byId("menu-cash")), "Edit");
    ui::typeText(editor.body(), ui::byId("name"), "Pocket money");
    ui::press(editor.body(), "Save");
    store->save(AccountGroupItem{"blank", "  ", false, {}, {}}); // refused, as is renaming the catch-all
    store->save(AccountGroupItem{std::string(AccountGroupItem::noGroupIdentifier), "Mine", false, {}, {}});
    const auto arranged = rows();
    EXPECT_EQ(arranged[2], "nogroup");
    EXPECT_EQ(group("cash")->amount, "$8,386.40"); // totals of what the file holds now
    for (const char* header : {"header-cash", "header-nogroup"})
        ui::press(accountList().body(), ui::byId(header));

    reopen();
    EXPECT_EQ(rows(), arranged);
    EXPECT_EQ(store->groups().back().name, "Travel");
    EXPECT_EQ(group("cash")->name, "Pocket money");
    EXPECT_EQ(group("nogroup")->name, "No group");
    EXPECT_FALSE(group("blank"));
    EXPECT_TRUE(group("cash")->isCollapsed && group("nogroup")->isCollapsed);
    // The overview's accounts card follows the editor's order too.
    EXPECT_EQ(excludedArchived(database->accounts()).front().id, "acc-credit-card");
}

TEST_F(HostAccountsTest, ArchivedAccountsLeaveTheirGroupAndComeBackToItsEnd) {
    const auto list = accountList();
    ui::press(ui::find(list.body(), ui::byId("acc-credit-card")), "Archive");
    ui::press(ui::find(list.body(), ui::byId("acc-car-loan")), "Archive");
    reopen();
    ASSERT_EQ(store->archivedAccounts().size(), 3u);

    store->unarchive(store->archivedAccounts()[1]); // the loan
    store->unarchiveAccount("acc-old-savings");
    reopen();
    EXPECT_EQ(group("other")->items.back().id, "acc-car-loan");
    EXPECT_EQ(group("nogroup")->items.back().id, "acc-old-savings");
    ASSERT_EQ(store->archivedAccounts().size(), 1u);
    EXPECT_EQ(store->archivedAccounts()[0].id, "acc-credit-card");
}

TEST_F(HostAccountsTest, DeletingGroupsWithAndWithoutTheirAccounts) {
    // An archived account of a group the user deletes with its accounts is not among them.
    database->connection().execute("UPDATE accounts SET group_id = 'cash' WHERE id = 'acc-old-savings'");
    const auto checkingTransactions = transactionsOf("acc-checking");
    ASSERT_GT(transactionsOf("acc-wallet") * transactionsOf("acc-credit-card"), 0);
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
    EXPECT_EQ(store->archivedAccounts().size(), 1u); // kept
}

TEST_F(HostAccountsTest, TheAdjustmentIsATransactionOfTheOverviewInEitherCurrency) {
    const double worthBefore = HostOverviewDatabase(database).netWorth();
    const auto countBefore = database->transactionCount();
    reconcile(2, "80");    // the wallet, 86.40 down to 80: an expense
    reconcile(6, "1,000"); // the euro account, 920 EUR up to 1,000 at 1.09: income
    reconcile(0, "");      // checking, nothing typed: no difference, nothing stored

    reopen();
    HostOverviewDatabase overview(database);
    EXPECT_EQ(database->transactionCount(), countBefore + 2);
    EXPECT_NEAR(overview.netWorth(), worthBefore - 6.4 + 80 * 1.09, 1e-9);
    const auto wallet = latestIn(overview, "acc-wallet");
    ASSERT_TRUE(wallet);
    EXPECT_TRUE(wallet->isExpense());
    EXPECT_NEAR(wallet->amount(), 6.4, 1e-9);
    EXPECT_EQ(wallet->descriptionText(), "Account reconciliation");
    EXPECT_EQ(database->account("acc-wallet")->balance, 80);
    const auto euro = latestIn(overview, "acc-euro");
    ASSERT_TRUE(euro);
    EXPECT_FALSE(euro->isExpense());
    EXPECT_NEAR(euro->amount(), 87.2, 1e-9); // in the application currency
    EXPECT_NEAR(*euro->amountOriginalCurrency(), 80, 1e-9);
    EXPECT_EQ(euro->currencyCode(), "EUR");
    EXPECT_EQ(database->account("acc-euro")->balanceInAccountCurrency, 1000);
}

TEST_F(HostAccountsTest, BalancesThatAreNoNumberAreRefusedAndNothingIsStored) {
    const auto accounts = balanceUpdatingAccounts(database);
    auto& euro = static_cast<HostBalanceUpdatingAccount&>(*accounts.at(6));
    const auto count = database->transactionCount();
    for (const double bad : {std::nan(""), std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::max()}) { // the last overflows its conversion
        euro.updateBalance(bad, test::at(2025, 5, 15));
        ASSERT_TRUE(euro.lastError());
        EXPECT_EQ(euro.lastError()->reason(), HostDatabaseError::Reason::invalidRecord);
    }
    EXPECT_THROW(reconcileAccountBalance(*database, "acc-gone", 5, {}), HostDatabaseError);
    reopen();
    EXPECT_EQ(database->transactionCount(), count);
    EXPECT_EQ(database->account("acc-euro")->balanceInAccountCurrency, 920);
}

} // namespace
} // namespace zt
