#include "HostFileTest.h"
#include "ZTSwiftUIComponents/creditcards/CCTransaction.h"
#include "ZTSwiftUIComponents/creditcards/CreditCard.h"
#include "host-sqlite/HostKeyValueStore.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::at;
using HostCard = CreditCard<CCTransaction>;

class HostKeyValueStoreTest : public test::HostFileTest {
protected:
    HostKeyValueStoreTest() : HostFileTest("zt-host-kv") {}

    static HostCard card(const std::string& id, double balance) {
        return HostCard(id, "Card " + id + " 'quoted'; --", 2500, balance, "EUR",
                        DateInterval{at(2025, 4, 28, 0), at(2025, 5, 27, 23, 59, 59)}, 20, "creditcard",
                        {CCTransaction(at(2025, 4, 30), 120.5), CCTransaction(at(2025, 5, 10), 49.99),
                         CCTransaction(at(2025, 3, 29), 300)});
    }

    std::vector<std::shared_ptr<AnyCreditCardConformable>> storedCards() {
        std::vector<std::shared_ptr<AnyCreditCardConformable>> out;
        makeHostCreditCardDatabase(std::make_shared<HostDatabase>(file))
            ->retrieveCards([&](std::optional<std::vector<CreditCardDatabase::Card>> cards) {
                ASSERT_TRUE(cards);
                out = std::move(*cards);
            });
        return out;
    }
};

TEST_F(HostKeyValueStoreTest, CardsWithTheirStatementTransactionsAreThereAfterReopening) {
    auto cards = makeHostCreditCardDatabase(database);
    cards->create(card("A", 470.49));
    cards->create(card("B", 0));
    auto changed = card("A", 100);
    changed.setLimit(4000);
    cards->update(changed);
    cards->deleteCard("B");
    database.reset();

    const auto stored = storedCards();
    ASSERT_EQ(stored.size(), 1u);
    const auto& a = dynamic_cast<const HostCard&>(*stored[0]);
    EXPECT_EQ(a.name(), "Card A 'quoted'; --");
    EXPECT_EQ(a.limit(), 4000);
    EXPECT_EQ(a.balance(), 100);
    EXPECT_EQ(a.billingCycle(), (DateInterval{at(2025, 4, 28, 0), at(2025, 5, 27, 23, 59, 59)}));
    ASSERT_EQ(a.transactions().size(), 3u);
    EXPECT_EQ(a.transactions()[1].amount(), 49.99);
    EXPECT_EQ(a.transactions()[2].date(), at(2025, 3, 29));
}

TEST_F(HostKeyValueStoreTest, UnreadableBytesAreKeptAsideBeforeBeingReplaced) {
    database->connection()
        .prepare("INSERT INTO cloud_values (key, value) VALUES ('creditCards', ?1)")
        .bindBlob(1, std::string("\xff\x00garbage", 9))
        .run();
    HostKeyValueStore store(database);
    EXPECT_FALSE(store.object("creditCards"));
    makeHostCreditCardDatabase(database)->create(card("A", 0));
    EXPECT_EQ(storedCards().size(), 1u);
    auto aside = database->connection().prepare("SELECT key, value FROM cloud_values_set_aside");
    ASSERT_TRUE(aside.step());
    EXPECT_EQ(aside.text(0), "creditCards");
    EXPECT_EQ(aside.blob(1), std::string("\xff\x00garbage", 9));
}

TEST_F(HostKeyValueStoreTest, AnUpdateThatThrowsChangesNothing) {
    HostKeyValueStore store(database);
    store.set("creditCards", KeyValueStore::arrayOfData({"one"}));
    EXPECT_THROW(store.update("creditCards",
                              [](const auto&) -> std::optional<KeyValueStore::Value> {
                                  throw std::runtime_error("the change failed");
                              }),
                 std::runtime_error);
    EXPECT_EQ(store.object("creditCards"), KeyValueStore::Value(KeyValueStore::arrayOfData({"one"})));
    store.update("creditCards", [](const auto&) { return std::nullopt; });
    EXPECT_FALSE(store.object("creditCards"));
}

TEST_F(HostKeyValueStoreTest, AFileOfTheFirstSchemaIsMigratedWithItsRecords) {
    database->insertAccount(WidgetAccount("acc", "Wallet", 10, AccountType::cash), 0);
    database.reset();
    {
        // What the first version left: none of the tables of the later ones.
        SqliteConnection old(file, SqliteConnection::Mode::readWriteCreate);
        old.execute("DROP TABLE cloud_values; DROP TABLE cloud_values_set_aside; DROP TABLE payees; "
                    "DROP TABLE tags; DROP TABLE budget_subcategories; DROP TABLE budget_categories; "
                    "DROP TABLE budgets; DROP INDEX transactions_by_subcategory; "
                    "ALTER TABLE account_groups DROP COLUMN is_collapsed; PRAGMA user_version = 1");
    }
    database = std::make_shared<HostDatabase>(file);
    EXPECT_EQ(database->connection().integer("PRAGMA user_version"), HostDatabase::schemaVersion);
    EXPECT_EQ(database->account("acc")->name, "Wallet");
    makeHostCreditCardDatabase(database)->create(card("A", 0));
    EXPECT_EQ(storedCards().size(), 1u);
}

} // namespace
} // namespace zt
