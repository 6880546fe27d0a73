#pragma once

#include <cstdint>
#include <functional>
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
        /// The bytes, as they are stored.
        std::string bytes;
        /// Equal when every field is.
        bool operator==(const Data&) const = default;
    };
    /// What an array may hold.
    using Element = std::variant<Data, std::string, std::int64_t, double, bool>;
    /// A property-list array.
    using Array = std::vector<Element>;
    /// Any value the store holds.
    using Value = std::variant<Data, std::string, std::int64_t, double, bool, Array>;

    virtual ~KeyValueStore() = default;

    /// The value under key, of whatever kind; nothing when the key is absent.
    virtual std::optional<Value> object(const std::string& key) const = 0;
    /// Stores value under key in the local copy, replacing what was there.
    virtual void set(const std::string& key, Value value) = 0;
    /// Removes key from the local copy; nothing happens when it is absent.
    virtual void removeObject(const std::string& key) = 0;

    /// What a change makes of the value under a key: the new value, or nothing to remove the
    /// key. It may be called more than once (on the local copy, then on each write to the store
    /// behind it), so it must depend on its argument alone.
    using Change = std::function<std::optional<Value>(const std::optional<Value>& current)>;
    /// Changes the value under key. Unlike object() then set(), a store with a copy behind it
    /// applies the change to the newest value it reads there, so a change made while that value
    /// was unknown (unreadable, or written by another instance since) never overwrites it.
    /// By default: the change of object(key), set or removed.
    virtual void update(const std::string& key, const Change& change);
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
