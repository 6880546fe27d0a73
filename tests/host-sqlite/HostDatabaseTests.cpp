#include "host-sqlite/HostDatabase.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

namespace zt {
namespace {

using test::TemporaryDirectory;
using Reason = HostDatabaseError::Reason;

class HostDatabaseFileTest : public test::PinnedTest {
protected:
    TemporaryDirectory folder{"zt-host-db"};
    std::string file = (folder / "host.sqlite").string();

    Reason refusal(const std::string& path) {
        try {
            HostDatabase database(path);
        } catch (const HostDatabaseError& e) {
            EXPECT_THAT(e.what(), ::testing::HasSubstr(path));
            return e.reason();
        }
        ADD_FAILURE() << "opened " << path;
        return Reason::storeFailed;
    }

    // A file written by SQLite directly, as another program (or a later version) would leave it.
    void writeForeignDatabase(const char* sql) {
        SqliteConnection other(file, SqliteConnection::Mode::readWriteCreate);
        other.execute(sql);
    }
};

TEST_F(HostDatabaseFileTest, ANewFileGetsTheSchemaInWalModeWithForeignKeys) {
    HostDatabase database(file);
    auto& sql = database.connection();
    EXPECT_EQ(sql.integer("PRAGMA application_id"), HostDatabase::applicationId);
    EXPECT_EQ(sql.integer("PRAGMA user_version"), HostDatabase::schemaVersion);
    EXPECT_EQ(sql.integer("PRAGMA foreign_keys"), 1);
    auto mode = sql.prepare("PRAGMA journal_mode");
    ASSERT_TRUE(mode.step());
    EXPECT_EQ(mode.text(0), "wal");
    EXPECT_EQ(sql.integer("SELECT count(*) FROM sqlite_master WHERE name = 'transactions'"), 1);
}

TEST_F(HostDatabaseFileTest, ReopeningKeepsRecordsAndRunsNoMigrationTwice) {
    {
        HostDatabase database(file);
        database.insertAccount(WidgetAccount("a", "Wallet", 10, AccountType::cash), 0);
    }
    HostDatabase again(file);
    ASSERT_EQ(again.accounts().size(), 1u);
    EXPECT_EQ(again.accounts()[0].name, "Wallet");
    EXPECT_EQ(again.connection().integer("PRAGMA user_version"), HostDatabase::schemaVersion);
}

TEST_F(HostDatabaseFileTest, AnEmptyFileIsTakenAsANewDatabase) {
    TemporaryDirectory::write(file, "");
    HostDatabase database(file);
    EXPECT_EQ(database.connection().integer("PRAGMA application_id"), HostDatabase::applicationId);
}

TEST_F(HostDatabaseFileTest, RefusesWhatItCannotOpenAndLeavesItAlone) {
    EXPECT_EQ(refusal((folder / "missing-folder" / "host.sqlite").string()), Reason::cannotOpen);
    EXPECT_EQ(refusal(folder.path().string()), Reason::cannotOpen);

    const std::string text = "Date;Amount\n2025-05-01;12.50\n";
    TemporaryDirectory::write(file, text);
    EXPECT_EQ(refusal(file), Reason::cannotOpen);
    EXPECT_EQ(TemporaryDirectory::read(file), text);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"host.sqlite"}); // no journal left behind
}

TEST_F(HostDatabaseFileTest, RefusesAnotherProgramsDatabaseUnchanged) {
    writeForeignDatabase("CREATE TABLE notes (body TEXT); INSERT INTO notes VALUES ('keep me');");
    const auto before = TemporaryDirectory::read(file);
    EXPECT_EQ(refusal(file), Reason::notThisHost);
    EXPECT_EQ(TemporaryDirectory::read(file), before);

    writeForeignDatabase("PRAGMA application_id = 1234");
    EXPECT_EQ(refusal(file), Reason::notThisHost);
}

TEST_F(HostDatabaseFileTest, RefusesANewerSchemaUnchanged) {
    { HostDatabase database(file); }
    writeForeignDatabase(
        ("PRAGMA user_version = " + std::to_string(HostDatabase::schemaVersion + 1)).c_str());
    const auto before = TemporaryDirectory::read(file);
    EXPECT_EQ(refusal(file), Reason::newerSchema);
    EXPECT_EQ(TemporaryDirectory::read(file), before);
}

class HostDatabaseRecordTest : public HostDatabaseFileTest {
protected:
    HostDatabase database{file};

    void SetUp() override {
        database.insertAccount(WidgetAccount("acc", "Wallet", 100, AccountType::cash), 0);
        database.connection().execute(
            "INSERT INTO categories (id, name, type) VALUES ('food', 'Food', 'expense')");
    }

    HostTransaction expense(std::string id, double amount) {
        HostTransaction t;
        t.id = std::move(id);
        t.accountId = "acc";
        t.categoryId = "food";
        t.amount = t.amountInAppCurrency = amount;
        t.date = test::at(2025, 5, 15);
        return t;
    }
};

TEST_F(HostDatabaseRecordTest, TextsThatLookLikeSqlAreStoredAndReadBackUnchanged) {
    const std::vector<std::string> texts = {
        "O'Brien's \"corner\" shop",
        "a; DROP TABLE transactions; --",
        "' OR '1'='1",
        "Robert'); DELETE FROM accounts WHERE ('1'='1",
        std::string("nul\0inside", 10),
        "Zoë · 東京 · 🍕",
        std::string(10'000, 'x') + "'",
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto t = expense("id-" + texts[i], 1);
        t.payee = texts[i];
        t.description = texts[i];
        database.insertTransaction(t);
        const auto back = database.transaction(t.id);
        ASSERT_TRUE(back) << i;
        EXPECT_EQ(back->payee, texts[i]) << i;
        EXPECT_EQ(back->description, texts[i]) << i;
        database.insertAccount(WidgetAccount("acc-" + texts[i], texts[i], 0, AccountType::cash), 1);
        EXPECT_EQ(database.account("acc-" + texts[i])->name, texts[i]) << i;
    }
    EXPECT_EQ(database.transactionCount(), static_cast<std::int64_t>(texts.size()));
    EXPECT_EQ(database.accounts().size(), texts.size() + 1);
}

TEST_F(HostDatabaseRecordTest, AmountsThatAreNotFiniteAreRefusedAndNothingIsStored) {
    for (const double bad :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        try {
            database.insertTransaction(expense("bad", bad));
            ADD_FAILURE() << "stored " << bad;
        } catch (const HostDatabaseError& e) {
            EXPECT_EQ(e.reason(), Reason::invalidRecord);
            EXPECT_STREQ(e.what(), "the amount is not a finite number");
        }
    }
    auto rate = expense("rate", 1);
    rate.exchangeRate = std::numeric_limits<double>::infinity();
    EXPECT_THROW(database.insertTransaction(rate), HostDatabaseError);
    EXPECT_THROW(database.insertTransaction(expense("negative", -5)), HostDatabaseError);
    EXPECT_EQ(database.transactionCount(), 0);
    EXPECT_DOUBLE_EQ(database.account("acc")->balance, 100);
}

TEST_F(HostDatabaseRecordTest, ASaveMovesTheBalanceOrNothingAtAll) {
    database.insertTransaction(expense("lunch", 12.5));
    EXPECT_DOUBLE_EQ(database.account("acc")->balance, 87.5);

    // A duplicate id fails inside the SQL transaction: the balance must not move either.
    EXPECT_THROW(database.insertTransaction(expense("lunch", 30)), HostDatabaseError);
    auto unknownAccount = expense("elsewhere", 5);
    unknownAccount.accountId = "nowhere";
    EXPECT_THROW(database.insertTransaction(unknownAccount), HostDatabaseError);
    EXPECT_DOUBLE_EQ(database.account("acc")->balance, 87.5);
    EXPECT_EQ(database.transactionCount(), 1);
}

TEST_F(HostDatabaseRecordTest, ATransferStoresBothSidesOrNeither) {
    database.insertAccount(WidgetAccount("eur", "Euro", 0, AccountType::checking, "EUR"), 1);
    auto source = expense("out", 20);
    auto destination = expense("in", 18);
    destination.accountId = "eur";
    database.insertTransfer(source, destination);
    EXPECT_EQ(database.transaction("out")->transferPeerId, "in");
    EXPECT_EQ(database.transaction("in")->transferPeerId, "out");
    EXPECT_FALSE(database.transaction("in")->isExpense);
    EXPECT_DOUBLE_EQ(database.account("acc")->balance, 80);

    auto bad = expense("in2", std::numeric_limits<double>::quiet_NaN());
    EXPECT_THROW(database.insertTransfer(expense("out2", 5), bad), HostDatabaseError);
    EXPECT_FALSE(database.transaction("out2"));
    EXPECT_DOUBLE_EQ(database.account("acc")->balance, 80);
}

} // namespace
} // namespace zt
