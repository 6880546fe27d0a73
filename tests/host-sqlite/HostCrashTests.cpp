#include "host-sqlite/HostDatabase.h"
#include "support/KillLoop.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>
#include <random>

namespace zt {
namespace {

// A child process saves numbered transactions and reports each save that returned; it is killed
// with SIGKILL after a seeded number of them, somewhere inside the next save. The file must then
// pass SQLite's integrity check and hold every reported save: a contiguous run from the first.
TEST(HostCrashTest, KilledSaversLoseNoReportedSaveAndNeverCorruptTheFile) {
    test::PinnedEnvironment pinned;
    test::TemporaryDirectory folder("zt-host-crash");
    const std::string file = (folder / "host.sqlite").string();
    {
        HostDatabase database(file);
        database.insertAccount(WidgetAccount("acc", "Wallet", 0, AccountType::cash), 0);
    }
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> steps(1, 4);
    std::int64_t saved = 0;
    for (int round = 0, rounds = test::killRounds(200); round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int reported = steps(random);
        const bool killed = test::killAfterSteps(
            [&](const auto& report) {
                HostDatabase database(file);
                // Synchronous commits guard against power cuts; a killed process loses nothing
                // without them, and the rounds take seconds instead of minutes.
                database.connection().execute("PRAGMA synchronous = OFF");
                for (std::int64_t i = saved;; ++i) {
                    HostTransaction t;
                    t.id = "tx-" + std::to_string(i);
                    t.accountId = "acc";
                    t.amount = t.amountInAppCurrency = 1;
                    t.payee = std::string(200, 'p');
                    database.insertTransaction(t);
                    report();
                }
            },
            reported);
        ASSERT_TRUE(killed);

        // Closing this connection folds the log into the file; unsynced, to keep the rounds short.
        SqliteConnection database(file, SqliteConnection::Mode::readWriteCreate);
        database.execute("PRAGMA synchronous = OFF");
        auto check = database.prepare("PRAGMA integrity_check");
        ASSERT_TRUE(check.step());
        ASSERT_EQ(check.text(0), "ok");
        const auto count = database.integer("SELECT count(*) FROM transactions");
        ASSERT_GE(count, saved + reported);
        // Saves are sequential, so no save can be missing below the newest one present.
        ASSERT_EQ(database.integer("SELECT count(*) FROM transactions WHERE CAST(substr(id, 4) AS "
                                   "INTEGER) < (SELECT count(*) FROM transactions)"),
                  count);
        // Each save moved the balance within its own transaction.
        ASSERT_DOUBLE_EQ(static_cast<double>(database.integer("SELECT balance FROM accounts")),
                         -static_cast<double>(count));
        saved = count;
    }
}

} // namespace
} // namespace zt
