#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zt {

/// The cloud key-value store: property-list values under text keys, shared by a user's devices.
/// Writes go to the local copy at once; synchronize() exchanges the local copy with the store
/// behind it. Used on the main thread.
class KeyValueStore {
public:
    /// A byte string, kept apart from text so bytes are never mistaken for a text value.
    struct Data {
        std::string bytes;
        bool operator==(const Data&) const = default;
    };
    /// What an array may hold.
    using Element = std::variant<Data, std::string, std::int64_t, double, bool>;
    using Array = std::vector<Element>;
    using Value = std::variant<Data, std::string, std::int64_t, double, bool, Array>;

    virtual ~KeyValueStore() = default;

    /// The value under key, of whatever kind; nothing when the key is absent.
    virtual std::optional<Value> object(const std::string& key) const = 0;
    virtual void set(const std::string& key, Value value) = 0;
    virtual void removeObject(const std::string& key) = 0;
    /// Exchanges the local copy with the store behind it; false when that failed (the local copy
    /// is kept and exchanged on a later call).
    virtual bool synchronize() = 0;

    /// The array under key; nothing when the key is absent or holds another kind of value.
    std::optional<Array> array(const std::string& key) const;

    /// The bytes of every element when all of them are byte strings; nothing otherwise.
    static std::optional<std::vector<std::string>> dataElements(const Array& array);
    /// An array of byte strings.
    static Array arrayOfData(std::vector<std::string> bytes);
};

} // namespace zt
