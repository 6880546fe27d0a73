#pragma once

#include "HostDatabase.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardDatabaseUbiquitousStore.h"
#include "platform/KeyValueStore.h"

#include <memory>

namespace zt {

/// The cloud key-value store of the reference host: one row a key in the host database. There is
/// no copy behind it, so every write is final when it returns and synchronize() has nothing to
/// exchange. update() reads and writes in one SQL transaction.
class HostKeyValueStore final : public KeyValueStore {
public:
    explicit HostKeyValueStore(std::shared_ptr<HostDatabase> database);

    /// Nothing, too, for a row whose bytes do not decode (written by a newer version).
    std::optional<Value> object(const std::string& key) const override;
    void set(const std::string& key, Value value) override;
    void removeObject(const std::string& key) override;
    void update(const std::string& key, const Change& change) override;
    bool synchronize() override { return true; }

private:
    std::shared_ptr<HostDatabase> database_;
};

/// The credit-card store of the reference host: the "creditCards" array in its key-value table.
std::shared_ptr<CreditCardDatabaseUbiquitousStore>
makeHostCreditCardDatabase(std::shared_ptr<HostDatabase> database);

} // namespace zt
