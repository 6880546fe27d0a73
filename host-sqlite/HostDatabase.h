#pragma once

#include "Sqlite.h"
#include "ZTSwiftUIComponents/host/RepeatingInterval.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "platform/Date.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zt {

/// Why the host database refused to open a file or to store a record.
class HostDatabaseError : public std::runtime_error {
public:
    enum class Reason {
        /// The file is missing its folder, unreadable, a folder, or not an SQLite file at all.
        cannotOpen,
        /// An SQLite file, but another program's.
        notThisHost,
        /// Written by a newer version of this host; an older one must not touch it.
        newerSchema,
        /// A record with a value that cannot be stored (an amount that is not a finite number…).
        invalidRecord,
        /// A record refers to one that does not exist, or SQLite failed.
        storeFailed,
    };

    HostDatabaseError(Reason reason, const std::string& message)
        : std::runtime_error(message), reason_(reason) {}
    Reason reason() const { return reason_; }

private:
    Reason reason_;
};

/// A transaction as the host stores it. amount is in the account's currency, a magnitude
/// (isExpense gives the direction); amountInAppCurrency is what the overview sums.
struct HostTransaction {
    std::string id;
    std::string accountId;
    std::optional<std::string> categoryId;
    std::optional<std::string> subcategoryId;
    double amount = 0;
    double amountInAppCurrency = 0;
    /// The account's currency when it is not the application's.
    std::optional<std::string> currencyCode;
    /// Application-currency units per unit of currencyCode.
    double exchangeRate = 1;
    bool isExpense = true;
    bool isTransfer = false;
    /// The other side of a transfer.
    std::optional<std::string> transferPeerId;
    Date date;
    std::optional<std::string> payee;
    std::optional<std::string> description;
    bool isExcludedFromCalculations = false;
    /// Imported and not yet looked at by the user.
    bool needsReview = false;
    bool isChildRepeating = false;
    bool isDynamicShortcut = false;
    /// A repeating series is stored on its main transaction.
    std::optional<RepeatingInterval> repeatInterval;
    std::optional<Date> repeatUntil;
};

/// A transaction of amount (a magnitude in the account's currency) on the account at date, converted
/// to the application currency with the account's own rate. Its identifier is the caller's to set.
HostTransaction hostTransactionOn(const WidgetAccount& account, double amount, bool isExpense, Date date);

/// The reference host's SQLite file: opening, schema migrations and the record operations the
/// store implementations share. Every write is one SQL transaction. Main thread.
class HostDatabase {
public:
    /// Identifies a file of this host in the SQLite header.
    static constexpr std::int32_t applicationId = 0x5A54484F;
    static constexpr int schemaVersion = 4;

    /// Opens path, creating it and its schema when it does not exist (or is empty). Throws
    /// HostDatabaseError, without writing anything to the file, when it cannot be opened, belongs
    /// to another program or has a newer schema.
    explicit HostDatabase(const std::string& path);

    SqliteConnection& connection() { return connection_; }
    const std::string& path() const { return path_; }

    // Records. Writes throw HostDatabaseError and leave the database unchanged on failure.

    void insertAccount(const WidgetAccount& account, int order);
    /// Stores the account's fields under its identifier; its place in the user's order stays.
    void updateAccount(const WidgetAccount& account);
    /// In the user's order.
    std::vector<WidgetAccount> accounts();
    /// The accounts that take part in the overview's figures, archived ones never.
    std::vector<WidgetAccount> accountsInOverview();
    std::optional<WidgetAccount> account(const std::string& id);

    /// Stores the transaction and moves its account's balance.
    void insertTransaction(const HostTransaction& transaction);
    /// Stores records brought in from elsewhere (the demo data, an import) in one SQL transaction,
    /// leaving the balances alone: the accounts came with balances that include them.
    void importTransactions(const std::vector<HostTransaction>& transactions);
    /// Both sides of a transfer at once; each names the other as its peer.
    void insertTransfer(HostTransaction source, HostTransaction destination);
    /// As the library's screens show it, with account and category names; none when unknown.
    std::shared_ptr<ReportTransaction> reportTransaction(const std::string& id);
    std::optional<HostTransaction> transaction(const std::string& id);
    std::int64_t transactionCount();

    /// The category with that name, for entries that name their category (first in order).
    std::optional<std::string> categoryIdNamed(const std::string& name);

    /// The category transfers between the user's own accounts carry.
    std::optional<std::string> transferCategoryId();

    /// Small settings of the host (daily limit…): text values by key.
    std::optional<std::string> value(const std::string& key);
    void setValue(const std::string& key, const std::string& value);

private:
    void migrate();
    void insertTransactionRow(const HostTransaction& transaction, bool movesBalance = true);

    std::string path_;
    SqliteConnection connection_;
};

/// The columns reportTransaction() and the store queries read, in this order, with the joins
/// that give the names: `SELECT <reportTransactionColumns> FROM <reportTransactionJoins> WHERE …`.
extern const char* const reportTransactionColumns;
extern const char* const reportTransactionJoins;
/// Builds a ReportTransaction from a row of those columns.
std::shared_ptr<ReportTransaction> reportTransactionFromRow(const SqliteStatement& row);

/// Throws HostDatabaseError (invalidRecord) saying "<what> is not a finite number" for a value that
/// is NaN or infinite; none passes.
void requireFiniteAmount(std::optional<double> value, const char* what);

} // namespace zt
