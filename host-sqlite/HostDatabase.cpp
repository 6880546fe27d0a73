#include "HostDatabase.h"

#include <cmath>
#include <filesystem>
#include <sqlite3.h>
#include <system_error>

namespace zt {

namespace {

using Reason = HostDatabaseError::Reason;

// Each step takes the schema from one version to the next; a file's user_version says how many
// ran. Released steps never change: later versions append new ones.
const char* const hostSchemaMigrations[] = {
    R"sql(
CREATE TABLE account_groups (
    id TEXT PRIMARY KEY,
    name TEXT NOT NULL,
    sort_order INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE accounts (
    id TEXT PRIMARY KEY,
    name TEXT NOT NULL,
    balance REAL NOT NULL DEFAULT 0,
    currency_code TEXT,
    exchange_rate REAL NOT NULL DEFAULT 1,
    icon_name TEXT NOT NULL DEFAULT '',
    type TEXT NOT NULL,
    is_online INTEGER NOT NULL DEFAULT 0,
    is_archived INTEGER NOT NULL DEFAULT 0,
    is_business INTEGER NOT NULL DEFAULT 0,
    is_favorite INTEGER NOT NULL DEFAULT 0,
    in_overview INTEGER NOT NULL DEFAULT 1,
    group_id TEXT REFERENCES account_groups(id) ON DELETE SET NULL,
    balance_date REAL,
    sort_order INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE categories (
    id TEXT PRIMARY KEY,
    name TEXT NOT NULL,
    image_name TEXT NOT NULL DEFAULT '',
    type TEXT NOT NULL,
    sort_order INTEGER NOT NULL DEFAULT 0,
    is_favorite INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE subcategories (
    id TEXT PRIMARY KEY,
    category_id TEXT NOT NULL REFERENCES categories(id) ON DELETE CASCADE,
    name TEXT NOT NULL,
    image_name TEXT NOT NULL DEFAULT '',
    sort_order INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX subcategories_by_category ON subcategories(category_id);
CREATE TABLE transactions (
    id TEXT PRIMARY KEY,
    account_id TEXT NOT NULL REFERENCES accounts(id) ON DELETE CASCADE,
    category_id TEXT REFERENCES categories(id) ON DELETE SET NULL,
    subcategory_id TEXT REFERENCES subcategories(id) ON DELETE SET NULL,
    amount REAL NOT NULL,
    amount_app REAL NOT NULL,
    currency_code TEXT,
    exchange_rate REAL NOT NULL DEFAULT 1,
    is_expense INTEGER NOT NULL,
    is_transfer INTEGER NOT NULL DEFAULT 0,
    transfer_peer_id TEXT REFERENCES transactions(id) ON DELETE SET NULL DEFERRABLE INITIALLY DEFERRED,
    date REAL NOT NULL,
    payee TEXT,
    description TEXT,
    is_excluded INTEGER NOT NULL DEFAULT 0,
    needs_review INTEGER NOT NULL DEFAULT 0,
    is_child_repeating INTEGER NOT NULL DEFAULT 0,
    is_dynamic_shortcut INTEGER NOT NULL DEFAULT 0,
    repeat_interval TEXT,
    repeat_until REAL
);
-- Covers the period figures (sums by date, kind and category), so they never read the rows.
CREATE INDEX transactions_by_date ON transactions(date, is_expense, is_transfer, is_excluded, amount_app, category_id, account_id);
CREATE INDEX transactions_by_account ON transactions(account_id, date);
CREATE INDEX transactions_by_category ON transactions(category_id, date);
CREATE INDEX transactions_by_peer ON transactions(transfer_peer_id) WHERE transfer_peer_id IS NOT NULL;
CREATE INDEX transactions_needing_review ON transactions(needs_review) WHERE needs_review = 1;
CREATE INDEX transactions_repeating ON transactions(repeat_interval) WHERE repeat_interval IS NOT NULL;
CREATE TABLE goals (
    id TEXT PRIMARY KEY,
    name TEXT NOT NULL,
    target_amount REAL NOT NULL,
    saved_amount REAL NOT NULL DEFAULT 0,
    target_date REAL,
    image_name TEXT NOT NULL DEFAULT '',
    sort_order INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE shortcuts (
    id TEXT PRIMARY KEY,
    name TEXT NOT NULL,
    amount REAL NOT NULL,
    type TEXT NOT NULL,
    category_name TEXT NOT NULL DEFAULT '',
    category_image_name TEXT NOT NULL DEFAULT '',
    account_name TEXT NOT NULL DEFAULT '',
    currency_code TEXT,
    is_dynamic INTEGER NOT NULL DEFAULT 0,
    sort_order INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE key_values (
    key TEXT PRIMARY KEY,
    value TEXT NOT NULL
);
)sql",
    // The cloud key-value records (the "creditCards" array), each value encoded as the key-value
    // file encodes it.
    R"sql(
CREATE TABLE cloud_values (
    key TEXT PRIMARY KEY,
    value BLOB NOT NULL
);
CREATE TABLE cloud_values_set_aside (
    key TEXT NOT NULL,
    value BLOB NOT NULL
);
)sql",
    // Payees and tags of the entry screen.
    R"sql(
CREATE TABLE payees (
    id TEXT PRIMARY KEY,
    name TEXT,
    display_order INTEGER
);
CREATE TABLE tags (
    id TEXT PRIMARY KEY,
    name TEXT,
    order_position INTEGER,
    last_used REAL
);
CREATE INDEX tags_by_name ON tags(name);
)sql",
    // Budgets with the categories and subcategories they cover; collapsed account groups; the
    // subcategory column indexed for merges and budgets.
    R"sql(
ALTER TABLE account_groups ADD COLUMN is_collapsed INTEGER NOT NULL DEFAULT 0;
CREATE INDEX transactions_by_subcategory ON transactions(subcategory_id, date) WHERE subcategory_id IS NOT NULL;
CREATE TABLE budgets (
    id TEXT PRIMARY KEY,
    budget_type TEXT NOT NULL,
    name TEXT NOT NULL,
    emoji TEXT NOT NULL DEFAULT '',
    limit_amount REAL NOT NULL,
    is_rollover INTEGER NOT NULL DEFAULT 0,
    interval TEXT NOT NULL,
    start_date REAL NOT NULL,
    end_date REAL,
    sort_order INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE budget_categories (
    budget_id TEXT NOT NULL REFERENCES budgets(id) ON DELETE CASCADE,
    category_id TEXT NOT NULL REFERENCES categories(id) ON DELETE CASCADE,
    position INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (budget_id, category_id)
);
CREATE TABLE budget_subcategories (
    budget_id TEXT NOT NULL REFERENCES budgets(id) ON DELETE CASCADE,
    subcategory_id TEXT NOT NULL REFERENCES subcategories(id) ON DELETE CASCADE,
    limit_amount REAL,
    PRIMARY KEY (budget_id, subcategory_id)
);
CREATE INDEX budget_categories_by_category ON budget_categories(category_id);
)sql",
};
static_assert(std::size(hostSchemaMigrations) == HostDatabase::schemaVersion);

// Reads the header fields of an existing file through a read-only connection, so that a file this
// host must refuse is never written to.
void checkExistingHostFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return;
    if (status.type() != std::filesystem::file_type::regular)
        throw HostDatabaseError(Reason::cannotOpen, "cannot open " + path + ": not a regular file");
    if (std::filesystem::file_size(path, error) == 0 && !error)
        return;
    try {
        SqliteConnection reader(path, SqliteConnection::Mode::readOnly);
        const auto id = reader.integer("PRAGMA application_id");
        const auto version = reader.integer("PRAGMA user_version");
        const auto objects = reader.integer("SELECT count(*) FROM sqlite_master");
        if (id != HostDatabase::applicationId && !(id == 0 && version == 0 && objects == 0))
            throw HostDatabaseError(Reason::notThisHost,
                                    path + " is a database of another program; it was left unchanged");
        if (version > HostDatabase::schemaVersion)
            throw HostDatabaseError(
                Reason::newerSchema,
                path + " has schema version " + std::to_string(version) + ", newer than this program's " +
                    std::to_string(HostDatabase::schemaVersion) + "; it was left unchanged");
    } catch (const SqliteError& e) {
        throw HostDatabaseError(Reason::cannotOpen, "cannot open " + path + " as a database: " + e.what());
    }
}

SqliteConnection openHostConnection(const std::string& path) {
    checkExistingHostFile(path);
    try {
        return SqliteConnection(path, SqliteConnection::Mode::readWriteCreate);
    } catch (const SqliteError& e) {
        throw HostDatabaseError(Reason::cannotOpen, e.what());
    }
}

void requireFinite(double value, const char* what) {
    if (!std::isfinite(value))
        throw HostDatabaseError(Reason::invalidRecord, std::string(what) + " is not a finite number");
}

} // namespace

const char* const reportTransactionColumns =
    "t.id, t.amount_app, t.amount, t.currency_code, coalesce(c.name, ''), coalesce(c.image_name, ''), "
    "coalesce(t.category_id, ''), s.name, s.image_name, t.is_expense, t.is_transfer, t.date, t.account_id, "
    "a.name, t.payee, t.description, t.is_child_repeating, t.is_dynamic_shortcut, t.is_excluded";
const char* const reportTransactionJoins =
    "transactions t JOIN accounts a ON a.id = t.account_id LEFT JOIN categories c ON c.id = t.category_id "
    "LEFT JOIN subcategories s ON s.id = t.subcategory_id";

std::shared_ptr<ReportTransaction> reportTransactionFromRow(const SqliteStatement& row) {
    const auto currency = row.optionalText(3);
    return std::make_shared<ReportTransaction>(
        row.text(0), row.real(1), currency ? std::optional(row.real(2)) : std::nullopt, currency, row.text(4),
        row.text(5), row.text(6), row.optionalText(7), row.optionalText(8), row.integer(9) != 0,
        row.integer(10) != 0, Date(row.real(11)), row.text(12), row.text(13), row.optionalText(14),
        row.optionalText(15), row.integer(16) != 0, row.integer(17) != 0, row.integer(18) != 0);
}

HostDatabase::HostDatabase(const std::string& path) : path_(path), connection_(openHostConnection(path)) {
    try {
        connection_.execute("PRAGMA foreign_keys = ON");
        // WAL lets the gallery read while a save is written; FULL syncs every commit, so a saved
        // transaction survives a power cut, not only a crash.
        connection_.execute("PRAGMA journal_mode = WAL");
        connection_.execute("PRAGMA synchronous = FULL");
        // The overview reads the same index pages on every load: keep them in memory (16 MB of
        // cache) and read the file through a mapping instead of a system call a page.
        connection_.execute("PRAGMA cache_size = -16000");
        connection_.execute("PRAGMA mmap_size = 268435456");
        migrate();
    } catch (const SqliteError& e) {
        throw HostDatabaseError(Reason::cannotOpen, "cannot prepare " + path + ": " + e.what());
    }
}

void HostDatabase::migrate() {
    SqliteTransaction transaction(connection_);
    // Read again inside the write lock: another process may have migrated meanwhile.
    const auto version = connection_.integer("PRAGMA user_version");
    if (version > schemaVersion)
        throw HostDatabaseError(Reason::newerSchema, path_ + " has a newer schema version");
    for (auto step = version; step < schemaVersion; ++step)
        connection_.execute(hostSchemaMigrations[step]);
    if (version < schemaVersion) {
        // Pragmas take no parameters; both values are constants of this program.
        connection_.execute(("PRAGMA application_id = " + std::to_string(applicationId)).c_str());
        connection_.execute(("PRAGMA user_version = " + std::to_string(schemaVersion)).c_str());
    }
    transaction.commit();
}

namespace {

// The account's fields as ?1 (its identifier) to ?13, for both inserting and updating.
SqliteStatement& bindAccountFields(SqliteStatement& statement, const WidgetAccount& account) {
    requireFinite(account.accountCurrencyBalance(), "the balance");
    requireFinite(account.exchangeRate, "the exchange rate");
    return statement.bind(1, account.id)
        .bind(2, account.name)
        .bind(3, account.accountCurrencyBalance())
        .bind(4, account.currencyCode)
        .bind(5, account.exchangeRate)
        .bind(6, account.iconName)
        .bind(7, rawValue(account.type))
        .bind(8, account.isOnlineBanking)
        .bind(9, account.isArchived)
        .bind(10, account.isBusinessAccount)
        .bind(11, account.isFavorite)
        .bind(12, account.groupId)
        .bind(13, account.balanceDate ? std::optional(account.balanceDate->secondsSinceReferenceDate)
                                      : std::nullopt);
}

} // namespace

void HostDatabase::insertAccount(const WidgetAccount& account, int order) {
    try {
        auto statement = connection_.prepare(
            "INSERT INTO accounts (id, name, balance, currency_code, exchange_rate, icon_name, type, "
            "is_online, is_archived, is_business, is_favorite, group_id, balance_date, sort_order) "
            "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)");
        bindAccountFields(statement, account).bind(14, order).run();
    } catch (const SqliteError& e) {
        throw HostDatabaseError(Reason::storeFailed, std::string("cannot store the account: ") + e.what());
    }
}

void HostDatabase::updateAccount(const WidgetAccount& account) {
    try {
        auto statement = connection_.prepare("UPDATE accounts SET name = ?2, balance = ?3, currency_code = "
                                             "?4, exchange_rate = ?5, icon_name = ?6, "
                                             "type = ?7, is_online = ?8, is_archived = ?9, is_business = "
                                             "?10, is_favorite = ?11, group_id = ?12, "
                                             "balance_date = ?13 WHERE id = ?1");
        bindAccountFields(statement, account).run();
    } catch (const SqliteError& e) {
        throw HostDatabaseError(Reason::storeFailed, std::string("cannot store the account: ") + e.what());
    }
    if (connection_.changes() == 0)
        throw HostDatabaseError(Reason::storeFailed, "cannot store the account: it no longer exists");
}

namespace {

/// Runs one user action's writes all or nothing; a failure is reported as what could not be stored.
template <class Write>
void writeHostRowsAtomically(SqliteConnection& connection, const char* failure, Write&& write) {
    try {
        SqliteTransaction transaction(connection);
        write();
        transaction.commit();
    } catch (const SqliteError& e) {
        throw HostDatabaseError(Reason::storeFailed, std::string(failure) + ": " + e.what());
    }
}

constexpr const char* hostAccountColumns =
    "id, name, balance, currency_code, exchange_rate, icon_name, type, is_online, is_archived, is_business, "
    "is_favorite, group_id, balance_date";

WidgetAccount hostAccountFromRow(const SqliteStatement& row) {
    WidgetAccount account;
    account.id = row.text(0);
    account.name = row.text(1);
    const double own = row.real(2);
    account.currencyCode = row.optionalText(3);
    account.exchangeRate = row.real(4);
    account.balance = own * account.exchangeRate;
    if (account.currencyCode)
        account.balanceInAccountCurrency = own;
    account.iconName = row.text(5);
    account.type = fromRawValue<AccountType>(row.text(6)).value_or(AccountType::other);
    account.isOnlineBanking = row.integer(7) != 0;
    account.isArchived = row.integer(8) != 0;
    account.isBusinessAccount = row.integer(9) != 0;
    account.isFavorite = row.integer(10) != 0;
    account.groupId = row.optionalText(11);
    if (const auto date = row.optionalReal(12))
        account.balanceDate = Date(*date);
    return account;
}

} // namespace

std::vector<WidgetAccount> HostDatabase::accounts() {
    auto statement = connection_.prepare(std::string("SELECT ") + hostAccountColumns +
                                         " FROM accounts ORDER BY sort_order, name");
    std::vector<WidgetAccount> out;
    while (statement.step())
        out.push_back(hostAccountFromRow(statement));
    return out;
}

std::vector<WidgetAccount> HostDatabase::accountsInOverview() {
    auto statement = connection_.prepare(std::string("SELECT ") + hostAccountColumns +
                                         " FROM accounts WHERE in_overview = 1 AND is_archived = 0 "
                                         "ORDER BY sort_order, name");
    std::vector<WidgetAccount> out;
    while (statement.step())
        out.push_back(hostAccountFromRow(statement));
    return out;
}

std::optional<WidgetAccount> HostDatabase::account(const std::string& id) {
    auto statement =
        connection_.prepare(std::string("SELECT ") + hostAccountColumns + " FROM accounts WHERE id = ?1");
    statement.bind(1, id);
    if (!statement.step())
        return std::nullopt;
    return hostAccountFromRow(statement);
}

void HostDatabase::insertTransactionRow(const HostTransaction& t, bool movesBalance) {
    requireFinite(t.amount, "the amount");
    requireFinite(t.amountInAppCurrency, "the amount in the application currency");
    requireFinite(t.exchangeRate, "the exchange rate");
    requireFinite(t.date.secondsSinceReferenceDate, "the date");
    if (t.amount < 0 || t.amountInAppCurrency < 0)
        throw HostDatabaseError(Reason::invalidRecord, "amounts are stored as magnitudes, never below zero");
    connection_
        .prepare("INSERT INTO transactions (id, account_id, category_id, subcategory_id, amount, amount_app, "
                 "currency_code, exchange_rate, is_expense, is_transfer, transfer_peer_id, date, payee, "
                 "description, is_excluded, needs_review, is_child_repeating, is_dynamic_shortcut, "
                 "repeat_interval, repeat_until) "
                 "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, "
                 "?19, ?20)")
        .bind(1, t.id)
        .bind(2, t.accountId)
        .bind(3, t.categoryId)
        .bind(4, t.subcategoryId)
        .bind(5, t.amount)
        .bind(6, t.amountInAppCurrency)
        .bind(7, t.currencyCode)
        .bind(8, t.exchangeRate)
        .bind(9, t.isExpense)
        .bind(10, t.isTransfer)
        .bind(11, t.transferPeerId)
        .bind(12, t.date.secondsSinceReferenceDate)
        .bind(13, t.payee)
        .bind(14, t.description)
        .bind(15, t.isExcludedFromCalculations)
        .bind(16, t.needsReview)
        .bind(17, t.isChildRepeating)
        .bind(18, t.isDynamicShortcut)
        .bind(19, t.repeatInterval ? std::optional(std::string(rawValue(*t.repeatInterval))) : std::nullopt)
        .bind(20, t.repeatUntil ? std::optional(t.repeatUntil->secondsSinceReferenceDate) : std::nullopt)
        .run();
    if (!movesBalance)
        return;
    connection_.prepare("UPDATE accounts SET balance = balance + ?2 WHERE id = ?1")
        .bind(1, t.accountId)
        .bind(2, t.isExpense ? -t.amount : t.amount)
        .run();
}

void HostDatabase::insertTransaction(const HostTransaction& transaction) {
    writeHostRowsAtomically(connection_, "cannot store the transaction",
                            [&] { insertTransactionRow(transaction); });
}

void HostDatabase::importTransactions(const std::vector<HostTransaction>& transactions) {
    writeHostRowsAtomically(connection_, "cannot import transactions", [&] {
        for (const auto& transaction : transactions)
            insertTransactionRow(transaction, false);
    });
}

void HostDatabase::insertTransfer(HostTransaction source, HostTransaction destination) {
    source.isTransfer = destination.isTransfer = true;
    source.isExpense = true;
    destination.isExpense = false;
    source.transferPeerId = destination.id;
    destination.transferPeerId = source.id;
    writeHostRowsAtomically(connection_, "cannot store the transfer", [&] {
        insertTransactionRow(source);
        insertTransactionRow(destination);
    });
}

std::shared_ptr<ReportTransaction> HostDatabase::reportTransaction(const std::string& id) {
    auto statement = connection_.prepare(std::string("SELECT ") + reportTransactionColumns + " FROM " +
                                         reportTransactionJoins + " WHERE t.id = ?1");
    statement.bind(1, id);
    return statement.step() ? reportTransactionFromRow(statement) : nullptr;
}

std::optional<HostTransaction> HostDatabase::transaction(const std::string& id) {
    auto row = connection_.prepare(
        "SELECT id, account_id, category_id, subcategory_id, amount, amount_app, currency_code, "
        "exchange_rate, "
        "is_expense, is_transfer, transfer_peer_id, date, payee, description, is_excluded, needs_review, "
        "is_child_repeating, is_dynamic_shortcut, repeat_interval, repeat_until FROM transactions WHERE id = "
        "?1");
    row.bind(1, id);
    if (!row.step())
        return std::nullopt;
    HostTransaction t;
    t.id = row.text(0);
    t.accountId = row.text(1);
    t.categoryId = row.optionalText(2);
    t.subcategoryId = row.optionalText(3);
    t.amount = row.real(4);
    t.amountInAppCurrency = row.real(5);
    t.currencyCode = row.optionalText(6);
    t.exchangeRate = row.real(7);
    t.isExpense = row.integer(8) != 0;
    t.isTransfer = row.integer(9) != 0;
    t.transferPeerId = row.optionalText(10);
    t.date = Date(row.real(11));
    t.payee = row.optionalText(12);
    t.description = row.optionalText(13);
    t.isExcludedFromCalculations = row.integer(14) != 0;
    t.needsReview = row.integer(15) != 0;
    t.isChildRepeating = row.integer(16) != 0;
    t.isDynamicShortcut = row.integer(17) != 0;
    if (const auto interval = row.optionalText(18))
        t.repeatInterval = fromRawValue<RepeatingInterval>(*interval);
    if (const auto until = row.optionalReal(19))
        t.repeatUntil = Date(*until);
    return t;
}

std::int64_t HostDatabase::transactionCount() {
    return connection_.integer("SELECT count(*) FROM transactions");
}

std::optional<std::string> HostDatabase::categoryIdNamed(const std::string& name) {
    auto statement =
        connection_.prepare("SELECT id FROM categories WHERE name = ?1 ORDER BY sort_order LIMIT 1");
    statement.bind(1, name);
    return statement.step() ? std::optional(statement.text(0)) : std::nullopt;
}

std::optional<std::string> HostDatabase::transferCategoryId() {
    auto statement =
        connection_.prepare("SELECT id FROM categories WHERE type = ?1 ORDER BY sort_order LIMIT 1");
    statement.bind(1, rawValue(TransactionType::transferSource));
    return statement.step() ? std::optional(statement.text(0)) : std::nullopt;
}

std::optional<std::string> HostDatabase::value(const std::string& key) {
    auto statement = connection_.prepare("SELECT value FROM key_values WHERE key = ?1");
    statement.bind(1, key);
    return statement.step() ? std::optional(statement.text(0)) : std::nullopt;
}

void HostDatabase::setValue(const std::string& key, const std::string& value) {
    try {
        connection_
            .prepare("INSERT INTO key_values (key, value) VALUES (?1, ?2) "
                     "ON CONFLICT(key) DO UPDATE SET value = excluded.value")
            .bind(1, key)
            .bind(2, value)
            .run();
    } catch (const SqliteError& e) {
        throw HostDatabaseError(Reason::storeFailed, std::string("cannot store a setting: ") + e.what());
    }
}

HostTransaction hostTransactionOn(const WidgetAccount& account, double amount, bool isExpense, Date date) {
    HostTransaction t;
    t.accountId = account.id;
    t.amount = amount;
    t.amountInAppCurrency = amount * account.exchangeRate;
    t.currencyCode = account.currencyCode;
    t.exchangeRate = account.exchangeRate;
    t.isExpense = isExpense;
    t.date = date;
    return t;
}

void requireFiniteAmount(std::optional<double> value, const char* what) {
    if (value)
        requireFinite(*value, what);
}

} // namespace zt
