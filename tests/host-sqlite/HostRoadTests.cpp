#include "HostFileTest.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/overview/NewOverviewDataStore.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryErrorManager.h"
#include "host-sqlite/HostOverviewDatabase.h"
#include "host-sqlite/HostSeeder.h"
#include "host-sqlite/HostTransactionEntryViewModel.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zt {
namespace {

using test::at;

// The road of an entry on the real host: a seeded file, the entry screen's model, the overview
// store, and the same figures again from a fresh connection to the file.
class HostRoadTest : public test::HostFileTest {
protected:
    HostRoadTest() : HostFileTest("zt-host-road") {}

    std::shared_ptr<HostOverviewDatabase> overview;

    void SetUp() override {
        TransactionEntryErrorManager::resetShared();
        ASSERT_TRUE(seedDemoData(*database));
        overview = std::make_shared<HostOverviewDatabase>(database);
    }

    void reopen() {
        overview.reset();
        reopenDatabase();
        overview = std::make_shared<HostOverviewDatabase>(database);
    }

    std::shared_ptr<NewOverviewDataStore> loadedStore() {
        const auto calendar = Calendar::current();
        const Date now = Environment::current().now();
        auto store = NewOverviewDataStore::create(overview, {OverviewItemType::topCategories}, now,
                                                  {calendar.startOfMonth(now), calendar.endOfMonth(now)}, 18,
                                                  makeAppBasedCurrencyFormatter());
        queue().drain();
        return store;
    }

    static double spentOn(const NewOverviewDataStore& store, const std::string& category) {
        for (const auto& c : store.topCategories())
            if (c.name == category)
                return c.amountSpent;
        return 0;
    }

    static WidgetAccount accountNamed(const HostTransactionEntryViewModel& entry, const std::string& id) {
        const auto& accounts = entry.accounts();
        return *std::find_if(accounts.begin(), accounts.end(), [&](const auto& a) { return a.id == id; });
    }
};

TEST_F(HostRoadTest, SeedingFillsANewFileOnce) {
    EXPECT_GT(database->transactionCount(), 100);
    EXPECT_FALSE(seedDemoData(*database));
    EXPECT_EQ(database->connection().integer("SELECT count(*) FROM pragma_foreign_key_check"), 0);
    EXPECT_FALSE(overview->bills().empty()); // the repeating demo expenses fall due this month
}

TEST_F(HostRoadTest, ANewExpenseIsInTheOverviewAfterReopening) {
    const auto before = loadedStore();
    const double groceriesBefore = spentOn(*before, "Groceries");
    const double worthBefore = overview->netWorth();

    int changes = 0;
    overview->onDataChanged = [&] { ++changes; };
    HostTransactionEntryViewModel entry(overview);
    entry.setSelectedAccount(accountNamed(entry, "acc-wallet"));
    entry.selectedCategoryName.set("Groceries");
    entry.amountText.set("23.45");
    entry.date.set(at(2025, 5, 15, 11));
    ASSERT_TRUE(entry.save());
    EXPECT_EQ(changes, 1);
    EXPECT_NEAR(overview->netWorth(), worthBefore - 23.45, 1e-9);

    reopen();
    const auto after = loadedStore();
    EXPECT_NEAR(spentOn(*after, "Groceries"), groceriesBefore + 23.45, 1e-9);
    EXPECT_NEAR(overview->netWorth(), worthBefore - 23.45, 1e-9);
    ReportTransactionList today;
    overview->fetchTodayTransactions({"acc-wallet"},
                                     [&](ReportTransactionList list) { today = std::move(list); });
    queue().drain();
    ASSERT_FALSE(today.empty());
    EXPECT_EQ(today.front()->identifier(), entry.lastSavedIdentifier());
    EXPECT_EQ(today.front()->categoryName(), "Groceries");
    EXPECT_EQ(today.front()->amount(), 23.45);
}

TEST_F(HostRoadTest, AnExpenseOnAForeignAccountIsConvertedWithTheEntrysRate) {
    HostTransactionEntryViewModel entry(overview);
    entry.setSelectedAccount(accountNamed(entry, "acc-euro"));
    ASSERT_TRUE(entry.exchangeRate());
    EXPECT_EQ(entry.exchangeRate()->rate, 1.09);
    auto edited = *entry.exchangeRate();
    edited.rate = 1.25; // the user typed the rate of the card statement
    entry.exchangeRate.set(edited);
    entry.selectedCategoryName.set("Restaurants");
    entry.amountText.set("40");
    ASSERT_TRUE(entry.save());

    reopen();
    const auto stored = overview->database()->reportTransaction(entry.lastSavedIdentifier());
    ASSERT_TRUE(stored);
    EXPECT_DOUBLE_EQ(stored->amount(), 50);
    EXPECT_EQ(stored->amountOriginalCurrency(), 40);
    EXPECT_EQ(stored->currencyCode(), "EUR");
    // The account's balance moves in its own currency.
    EXPECT_DOUBLE_EQ(*overview->database()->account("acc-euro")->balanceInAccountCurrency, 920 - 40);
}

TEST_F(HostRoadTest, ATransferBetweenCurrenciesStoresWhatEachSideMoved) {
    HostTransactionEntryViewModel entry(overview, TransactionType::transferSource);
    entry.setSelectedAccount(accountNamed(entry, "acc-checking"));
    entry.selectedReceiverAccount.set(accountNamed(entry, "acc-euro"));
    entry.amountText.set("109");
    entry.setupTransferAmountManager(109);
    EXPECT_EQ(entry.amountReceiverText(), "100");
    entry.amountReceiverText.set("99.5"); // what the bank actually credited
    const auto topBefore = loadedStore();
    const auto categoriesBefore = topBefore->topCategories();
    ASSERT_TRUE(entry.save());

    reopen();
    const auto out = database->transaction(entry.lastSavedIdentifier());
    ASSERT_TRUE(out && out->transferPeerId);
    const auto in = database->transaction(*out->transferPeerId);
    ASSERT_TRUE(in);
    EXPECT_TRUE(out->isExpense);
    EXPECT_FALSE(in->isExpense);
    EXPECT_EQ(out->amount, 109);
    EXPECT_EQ(in->amount, 99.5);
    EXPECT_EQ(in->currencyCode, "EUR");
    EXPECT_NEAR(in->amountInAppCurrency, 99.5 * 1.09, 1e-9);
    EXPECT_DOUBLE_EQ(database->account("acc-checking")->balance, 2450.75 - 109);
    EXPECT_DOUBLE_EQ(*database->account("acc-euro")->balanceInAccountCurrency, 920 + 99.5);
    // A transfer is neither spending nor income.
    EXPECT_EQ(loadedStore()->topCategories(), categoriesBefore);
}

TEST_F(HostRoadTest, ARefusedEntryKeepsTheFileAndShowsWhy) {
    HostTransactionEntryViewModel entry(overview);
    const auto count = overview->database()->transactionCount();
    entry.setSelectedAccount(accountNamed(entry, "acc-wallet"));
    for (const char* typed : {"", "12,3,4", "abc", "-5", "0", "1e400"}) {
        entry.amountText.set(typed);
        EXPECT_FALSE(entry.save()) << typed;
        ASSERT_TRUE(TransactionEntryErrorManager::shared().alert()) << typed;
        TransactionEntryErrorManager::shared().alert.set(std::nullopt);
    }
    EXPECT_EQ(overview->database()->transactionCount(), count);
}

TEST_F(HostRoadTest, AnEntryTheDatabaseRefusesIsShownAndStoresNothing) {
    HostTransactionEntryViewModel entry(overview);
    entry.setSelectedAccount(accountNamed(entry, "acc-wallet"));
    entry.amountText.set("5");
    // Another window removed the account while this entry was open.
    overview->database()->connection().execute("DELETE FROM accounts WHERE id = 'acc-wallet'");
    const auto count = overview->database()->transactionCount();
    int changes = 0;
    overview->onDataChanged = [&] { ++changes; };
    EXPECT_FALSE(entry.save());
    ASSERT_TRUE(TransactionEntryErrorManager::shared().alert());
    EXPECT_EQ(TransactionEntryErrorManager::shared().alert()->title, "Not saved");
    EXPECT_EQ(overview->database()->transactionCount(), count);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(entry.amountText(), "5"); // what was typed stays
}

TEST_F(HostRoadTest, ARepeatingEntryKeepsItsSeriesAndBecomesABill) {
    HostTransactionEntryViewModel entry(overview);
    entry.setSelectedAccount(accountNamed(entry, "acc-checking"));
    entry.selectedCategoryName.set("Utilities");
    entry.amountText.set("15");
    entry.date.set(at(2025, 3, 31, 9)); // month ends clamp: 30 April, then 31 May again
    entry.repeatViewModel()->isRepeating.set(true);
    entry.repeatViewModel()->selectedInterval.set(RepeatingInterval::monthly);
    entry.repeatViewModel()->repeatingUntilDate.set(at(2025, 12, 31));
    ASSERT_TRUE(entry.save());

    reopen();
    const auto stored = overview->database()->transaction(entry.lastSavedIdentifier());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->repeatInterval, RepeatingInterval::monthly);
    EXPECT_EQ(stored->repeatUntil, at(2025, 12, 31));
    const auto bills = overview->bills();
    const auto bill = std::find_if(bills.begin(), bills.end(),
                                   [&](const UpcomingBill& b) { return b.id.starts_with(stored->id); });
    ASSERT_NE(bill, bills.end());
    EXPECT_EQ(bill->date, at(2025, 5, 31, 9));
    EXPECT_EQ(bill->amount, 15);
}

} // namespace
} // namespace zt
