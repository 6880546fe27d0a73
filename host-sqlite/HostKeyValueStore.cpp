#include "HostKeyValueStore.h"

#include "platform/KeyValueFile.h"

#include <utility>

namespace zt {

HostKeyValueStore::HostKeyValueStore(std::shared_ptr<HostDatabase> database)
    : database_(std::move(database)) {}

std::optional<KeyValueStore::Value> HostKeyValueStore::object(const std::string& key) const {
    auto row = database_->connection().prepare("SELECT value FROM cloud_values WHERE key = ?1");
    row.bind(1, key);
    if (!row.step())
        return std::nullopt;
    auto contents = KeyValueFile::decode(row.blob(0));
    const auto found = contents.values.find(key);
    if (found == contents.values.end())
        return std::nullopt;
    return std::move(found->second);
}

void HostKeyValueStore::set(const std::string& key, Value value) {
    const auto bytes = KeyValueFile::encode({{key, std::move(value)}});
    auto& sql = database_->connection();
    try {
        SqliteTransaction write(sql);
        // Bytes this version cannot read in full (damaged, or from a newer one) are kept aside
        // before they are replaced.
        auto current = sql.prepare("SELECT value FROM cloud_values WHERE key = ?1");
        current.bind(1, key);
        if (current.step()) {
            const auto old = current.blob(0);
            const auto contents = KeyValueFile::decode(old);
            if (!contents.complete || !contents.values.contains(key))
                sql.prepare("INSERT INTO cloud_values_set_aside (key, value) VALUES (?1, ?2)")
                    .bind(1, key)
                    .bindBlob(2, old)
                    .run();
        }
        sql.prepare("INSERT INTO cloud_values (key, value) VALUES (?1, ?2) "
                    "ON CONFLICT(key) DO UPDATE SET value = excluded.value")
            .bind(1, key)
            .bindBlob(2, bytes)
            .run();
        write.commit();
    } catch (const SqliteError& e) {
        throw HostDatabaseError(HostDatabaseError::Reason::storeFailed,
                                "cannot store the value of " + key + ": " + e.what());
    }
}

void HostKeyValueStore::removeObject(const std::string& key) {
    database_->connection().prepare("DELETE FROM cloud_values WHERE key = ?1").bind(1, key).run();
}

void HostKeyValueStore::update(const std::string& key, const Change& change) {
    SqliteTransaction write(database_->connection());
    if (auto value = change(object(key)))
        set(key, std::move(*value));
    else
        removeObject(key);
    write.commit();
}

std::shared_ptr<CreditCardDatabaseUbiquitousStore>
makeHostCreditCardDatabase(std::shared_ptr<HostDatabase> database) {
    return std::make_shared<CreditCardDatabaseUbiquitousStore>(
        std::make_shared<HostKeyValueStore>(std::move(database)));
}

} // namespace zt
