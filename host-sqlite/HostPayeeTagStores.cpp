#include "HostPayeeTagStores.h"

#include "mocks/MockPayee.h"
#include "mocks/MockTag.h"
#include "platform/Environment.h"
#include "platform/UUID.h"

#include <algorithm>
#include <utility>

namespace zt {

namespace {

// Runs one statement per identifier (?1), with its position (?2) when the statement takes it, in one
// SQL transaction.
void hostForEachIdentifier(HostDatabase& database, const char* sql, const std::vector<std::string>& ids) {
    auto& connection = database.connection();
    SqliteTransaction write(connection);
    auto statement = connection.prepare(sql);
    int index = 0;
    const bool takesPosition = statement.parameterCount() > 1;
    for (const auto& id : ids) {
        statement.bind(1, id);
        if (takesPosition)
            statement.bind(2, index);
        ++index;
        statement.run();
    }
    write.commit();
}

} // namespace

HostPayeeDatabase::HostPayeeDatabase(std::shared_ptr<HostDatabase> database)
    : database_(std::move(database)) {}

std::shared_ptr<PayeeConformable> HostPayeeDatabase::saveNew(const std::string& payee, int order) {
    auto made = std::make_shared<MockPayee>(makeUUIDString(), payee, order);
    database_->connection()
        .prepare("INSERT INTO payees (id, name, display_order) VALUES (?1, ?2, ?3)")
        .bind(1, *made->id())
        .bind(2, payee)
        .bind(3, order)
        .run();
    handedOut_.push_back(made);
    return made;
}

void HostPayeeDatabase::save() {
    auto& sql = database_->connection();
    SqliteTransaction write(sql);
    auto statement = sql.prepare("UPDATE payees SET name = ?2, display_order = ?3 WHERE id = ?1");
    for (const auto& payee : handedOut_)
        if (payee->id())
            statement.bind(1, *payee->id()).bind(2, payee->name()).bind(3, payee->displayOrder()).run();
    write.commit();
}

void HostPayeeDatabase::deleteItems(const std::vector<std::string>& itemsWithIdentifiers) {
    hostForEachIdentifier(*database_, "DELETE FROM payees WHERE id = ?1", itemsWithIdentifiers);
    std::erase_if(handedOut_, [&](const auto& payee) {
        return payee->id() && std::find(itemsWithIdentifiers.begin(), itemsWithIdentifiers.end(),
                                        *payee->id()) != itemsWithIdentifiers.end();
    });
}

void HostPayeeDatabase::saveDisplayOrder(const std::vector<std::string>& itemsWithIdentifiers) {
    hostForEachIdentifier(*database_, "UPDATE payees SET display_order = ?2 WHERE id = ?1",
                          itemsWithIdentifiers);
}

std::vector<std::shared_ptr<PayeeConformable>> HostPayeeDatabase::fetchPayees() {
    auto row = database_->connection().prepare(
        "SELECT id, name, display_order FROM payees ORDER BY display_order IS NULL, display_order, name");
    handedOut_.clear();
    std::vector<std::shared_ptr<PayeeConformable>> out;
    while (row.step()) {
        auto payee = std::make_shared<MockPayee>(
            row.text(0), row.optionalText(1),
            row.isNull(2) ? std::nullopt : std::optional(static_cast<int>(row.integer(2))));
        handedOut_.push_back(payee);
        out.push_back(std::move(payee));
    }
    return out;
}

HostTagDatabase::HostTagDatabase(std::shared_ptr<HostDatabase> database) : database_(std::move(database)) {}

void HostTagDatabase::saveNewObject(const std::string& tag) {
    auto& sql = database_->connection();
    const double now = Environment::current().now().secondsSinceReferenceDate;
    SqliteTransaction write(sql);
    sql.prepare("UPDATE tags SET last_used = ?2 WHERE name = ?1").bind(1, tag).bind(2, now).run();
    if (sql.changes() == 0)
        sql.prepare("INSERT INTO tags (id, name, order_position, last_used) "
                    "VALUES (?1, ?2, (SELECT coalesce(max(order_position) + 1, 0) FROM tags), ?3)")
            .bind(1, makeUUIDString())
            .bind(2, tag)
            .bind(3, now)
            .run();
    write.commit();
}

void HostTagDatabase::update(const std::string& oldTag, const std::string& newTag) {
    database_->connection()
        .prepare("UPDATE tags SET name = ?2, last_used = ?3 WHERE name = ?1")
        .bind(1, oldTag)
        .bind(2, newTag)
        .bind(3, Environment::current().now().secondsSinceReferenceDate)
        .run();
}

void HostTagDatabase::deleteItems(const std::vector<std::string>& itemsWithIdentifiers) {
    hostForEachIdentifier(*database_, "DELETE FROM tags WHERE id = ?1", itemsWithIdentifiers);
}

void HostTagDatabase::saveDisplayOrder(const std::vector<std::string>& itemsWithIdentifiers) {
    hostForEachIdentifier(*database_, "UPDATE tags SET order_position = ?2 WHERE id = ?1",
                          itemsWithIdentifiers);
}

std::vector<std::shared_ptr<TagsConformable>> HostTagDatabase::query(const char* sql) {
    auto row = database_->connection().prepare(sql);
    std::vector<std::shared_ptr<TagsConformable>> out;
    while (row.step())
        out.push_back(std::make_shared<MockTag>(
            row.text(0), row.optionalText(1),
            row.isNull(2) ? std::nullopt : std::optional(static_cast<int>(row.integer(2)))));
    return out;
}

std::vector<std::shared_ptr<TagsConformable>> HostTagDatabase::fetchTags() {
    return query(
        "SELECT id, name, order_position FROM tags ORDER BY order_position IS NULL, order_position, name");
}

std::vector<std::shared_ptr<TagsConformable>> HostTagDatabase::recentTags() {
    return query("SELECT id, name, order_position FROM tags WHERE last_used IS NOT NULL "
                 "ORDER BY last_used DESC, rowid DESC LIMIT 5");
}

} // namespace zt
