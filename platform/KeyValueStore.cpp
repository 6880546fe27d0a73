#include "KeyValueStore.h"

#include <utility>

namespace zt {

std::optional<KeyValueStore::Array> KeyValueStore::array(const std::string& key) const {
    auto value = object(key);
    if (!value)
        return std::nullopt;
    if (auto* elements = std::get_if<Array>(&*value))
        return std::move(*elements);
    return std::nullopt;
}

void KeyValueStore::update(const std::string& key, const Change& change) {
    if (auto value = change(object(key)))
        set(key, std::move(*value));
    else
        removeObject(key);
}

std::optional<std::vector<std::string>> KeyValueStore::dataElements(const Array& array) {
    std::vector<std::string> bytes;
    bytes.reserve(array.size());
    for (const auto& element : array) {
        const auto* data = std::get_if<Data>(&element);
        if (!data)
            return std::nullopt;
        bytes.push_back(data->bytes);
    }
    return bytes;
}

KeyValueStore::Array KeyValueStore::arrayOfData(std::vector<std::string> bytes) {
    Array array;
    array.reserve(bytes.size());
    for (auto& b : bytes)
        array.emplace_back(Data{std::move(b)});
    return array;
}

} // namespace zt
