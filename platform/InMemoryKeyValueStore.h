#pragma once

#include "platform/KeyValueStore.h"

#include <map>
#include <string>

namespace zt {

/// A key-value store that lives only as long as the object: tests, previews, the demo mode.
/// There is nothing behind it, so synchronize() always succeeds.
class InMemoryKeyValueStore : public KeyValueStore {
public:
    std::optional<Value> object(const std::string& key) const override;
    void set(const std::string& key, Value value) override;
    void removeObject(const std::string& key) override;
    bool synchronize() override { return true; }

    const std::map<std::string, Value>& values() const { return values_; }

private:
    std::map<std::string, Value> values_;
};

} // namespace zt
