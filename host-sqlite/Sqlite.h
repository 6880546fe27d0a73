#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace zt {

/// A failed SQLite call: the library's result code and its message.
class SqliteError : public std::runtime_error {
public:
    SqliteError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

class SqliteStatement;

/// One open connection. Closed with the object; not copyable, and used from one thread.
class SqliteConnection {
public:
    enum class Mode { readOnly, readWriteCreate };

    /// Throws SqliteError when the file cannot be opened in that mode.
    SqliteConnection(const std::string& path, Mode mode);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    /// Runs fixed SQL without parameters (schema, pragmas). Never pass text from outside here.
    void execute(const char* sql);
    SqliteStatement prepare(std::string_view sql);
    /// The single integer a fixed query returns (pragmas, counts).
    std::int64_t integer(const char* sql);
    std::int64_t changes() const;
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

/// A prepared statement with typed, 1-based parameters. step() returns whether a row is ready;
/// columns are 0-based.
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&&) = delete;
    SqliteStatement(const SqliteStatement&) = delete;

    SqliteStatement& bind(int index, std::int64_t value);
    SqliteStatement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
    SqliteStatement& bind(int index, bool value) { return bind(index, static_cast<std::int64_t>(value)); }
    /// Refuses NaN and infinity, which SQLite would store as NULL or as an unreadable value.
    SqliteStatement& bind(int index, double value);
    SqliteStatement& bind(int index, std::string_view value);
    SqliteStatement& bind(int index, const std::string& value) {
        return bind(index, std::string_view(value));
    }
    SqliteStatement& bind(int index, const char* value) { return bind(index, std::string_view(value)); }
    SqliteStatement& bindBlob(int index, std::string_view bytes);
    SqliteStatement& bindNull(int index);
    template <class T> SqliteStatement& bind(int index, const std::optional<T>& value) {
        return value ? bind(index, *value) : bindNull(index);
    }

    int parameterCount() const;

    bool step();
    /// Steps once and expects no row (INSERT, UPDATE, DELETE).
    void run();
    /// Makes the statement ready to run again with new parameters.
    void reset();

    bool isNull(int column) const;
    std::int64_t integer(int column) const;
    double real(int column) const;
    std::string text(int column) const;
    std::string blob(int column) const;
    std::optional<std::string> optionalText(int column) const;
    std::optional<double> optionalReal(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

/// One transaction: BEGIN IMMEDIATE on construction, ROLLBACK on destruction unless commit() ran,
/// so an exception between the two leaves the database as it was. Inside another one it is a
/// savepoint, so an operation that writes in one transaction can be part of a larger one.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteConnection& connection);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;

    void commit();

private:
    SqliteConnection& connection_;
    bool nested_;
    bool done_ = false;
};

} // namespace zt
