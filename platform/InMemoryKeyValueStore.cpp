#include "InMemoryKeyValueStore.h"

#include <utility>

namespace zt {

std::optional<KeyValueStore::Value> InMemoryKeyValueStore::object(const std::string& key) const {
    const auto found = values_.find(key);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

void InMemoryKeyValueStore::set(const std::string& key, Value value) {
    values_[key] = std::move(value);
}

void InMemoryKeyValueStore::removeObject(const std::string& key) {
    values_.erase(key);
}

} // namespace zt
