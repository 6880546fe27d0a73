#include "Sqlite.h"

#include <cmath>
#include <sqlite3.h>
#include <utility>

namespace zt {

namespace {

[[noreturn]] void throwSqlite(sqlite3* db, int code, const std::string& what) {
    throw SqliteError(code, what + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(code)));
}

} // namespace

SqliteConnection::SqliteConnection(const std::string& path, Mode mode) {
    const int flags =
        (mode == Mode::readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) |
        SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw SqliteError(rc, "cannot open " + path + ": " + message);
    }
    sqlite3_extended_result_codes(db_, 1);
    // A writer in another process (the seeding command, a second gallery) holds the lock briefly.
    sqlite3_busy_timeout(db_, 2000);
}

SqliteConnection::~SqliteConnection() {
    sqlite3_close_v2(db_);
}

void SqliteConnection::execute(const char* sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        throw SqliteError(rc, text);
    }
}

SqliteStatement SqliteConnection::prepare(std::string_view sql) {
    return SqliteStatement(db_, sql);
}

std::int64_t SqliteConnection::integer(const char* sql) {
    auto statement = prepare(sql);
    return statement.step() ? statement.integer(0) : 0;
}

std::int64_t SqliteConnection::changes() const {
    return sqlite3_changes64(db_);
}

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : db_(db) {
    const int rc = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), 0, &statement_, nullptr);
    if (rc != SQLITE_OK)
        throwSqlite(db, rc, "cannot prepare statement");
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(other.db_), statement_(std::exchange(other.statement_, nullptr)) {}

SqliteStatement& SqliteStatement::bind(int index, std::int64_t value) {
    if (const int rc = sqlite3_bind_int64(statement_, index, value); rc != SQLITE_OK)
        throwSqlite(db_, rc, "cannot bind parameter");
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, double value) {
    if (!std::isfinite(value))
        throw SqliteError(SQLITE_MISMATCH, "refused to store a number that is not finite");
    if (const int rc = sqlite3_bind_double(statement_, index, value); rc != SQLITE_OK)
        throwSqlite(db_, rc, "cannot bind parameter");
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::string_view value) {
    if (const int rc =
            sqlite3_bind_text64(statement_, index, value.data(), value.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
        rc != SQLITE_OK)
        throwSqlite(db_, rc, "cannot bind parameter");
    return *this;
}

SqliteStatement& SqliteStatement::bindBlob(int index, std::string_view bytes) {
    if (const int rc = sqlite3_bind_blob64(statement_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
        rc != SQLITE_OK)
        throwSqlite(db_, rc, "cannot bind parameter");
    return *this;
}

SqliteStatement& SqliteStatement::bindNull(int index) {
    if (const int rc = sqlite3_bind_null(statement_, index); rc != SQLITE_OK)
        throwSqlite(db_, rc, "cannot bind parameter");
    return *this;
}

int SqliteStatement::parameterCount() const {
    return sqlite3_bind_parameter_count(statement_);
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const std::string message = sqlite3_errmsg(db_);
    sqlite3_reset(statement_);
    throw SqliteError(rc, message);
}

void SqliteStatement::run() {
    step();
    reset();
}

void SqliteStatement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

double SqliteStatement::real(int column) const {
    return sqlite3_column_double(statement_, column);
}

std::string SqliteStatement::text(int column) const {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return bytes ? std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                 : std::string{};
}

std::string SqliteStatement::blob(int column) const {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    return bytes ? std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                 : std::string{};
}

std::optional<std::string> SqliteStatement::optionalText(int column) const {
    return isNull(column) ? std::nullopt : std::optional(text(column));
}

std::optional<double> SqliteStatement::optionalReal(int column) const {
    return isNull(column) ? std::nullopt : std::optional(real(column));
}

SqliteTransaction::SqliteTransaction(SqliteConnection& connection)
    : connection_(connection), nested_(sqlite3_get_autocommit(connection.handle()) == 0) {
    connection_.execute(nested_ ? "SAVEPOINT zt_nested" : "BEGIN IMMEDIATE");
}

SqliteTransaction::~SqliteTransaction() {
    if (done_)
        return;
    sqlite3_exec(connection_.handle(), nested_ ? "ROLLBACK TO zt_nested; RELEASE zt_nested" : "ROLLBACK",
                 nullptr, nullptr, nullptr);
}

void SqliteTransaction::commit() {
    connection_.execute(nested_ ? "RELEASE zt_nested" : "COMMIT");
    done_ = true;
}

} // namespace zt
