#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zt {

/// Small user settings under fixed keys. Typed reads follow the platform: a missing key, or a
/// value of another kind, reads as 0, false or nothing.
class UserDefaults {
public:
    /// Any value a setting may hold.
    using Value = std::variant<bool, std::int64_t, double, std::string, std::vector<std::string>>;

    virtual ~UserDefaults() = default;

    /// The value under key, of whatever kind; nothing when the key is absent.
    virtual std::optional<Value> object(const std::string& key) const = 0;
    /// Stores value under key, replacing what was there.
    virtual void set(const std::string& key, Value value) = 0;
    /// Removes key; nothing happens when it is absent.
    virtual void removeObject(const std::string& key) = 0;

    // Overloads that keep literals from silently picking the wrong alternative.
    /// Stores a text.
    void set(const std::string& key, const char* value) { set(key, Value{std::string(value)}); }
    /// Stores a flag.
    void set(const std::string& key, bool value) { set(key, Value{value}); } // else promoted to int
    /// Stores an integer.
    void set(const std::string& key, int value) { set(key, Value{std::int64_t{value}}); }
    /// Stores an integer.
    void set(const std::string& key, long value) { set(key, Value{std::int64_t{value}}); }
    /// Stores an integer.
    void set(const std::string& key, long long value) { set(key, Value{std::int64_t{value}}); }

    /// True when any value is stored under key.
    bool contains(const std::string& key) const { return object(key).has_value(); }
    /// The integer under key: a flag reads as 1 or 0, a number with a fraction is truncated; 0 when the
    /// key is absent or holds another kind of value.
    std::int64_t integer(const std::string& key) const;
    /// The integer under key, or fallback when nothing is stored there.
    std::int64_t integer(const std::string& key, std::int64_t fallback) const;
    /// The flag under key: a number reads as true unless it is 0; false when the key is absent or
    /// holds another kind of value.
    bool boolean(const std::string& key) const;
    /// The number under key: an integer is converted, a flag reads as 1 or 0; 0 when the key is absent
    /// or holds another kind of value.
    double doubleValue(const std::string& key) const;
    /// The text under key; nothing when the key is absent or holds another kind of value.
    std::optional<std::string> string(const std::string& key) const;
    /// The list of texts under key; empty when the key is absent or holds another kind of value.
    std::vector<std::string> stringArray(const std::string& key) const;
};

/// Defaults that live only as long as the object: tests, previews.
class InMemoryUserDefaults : public UserDefaults {
public:
    std::optional<Value> object(const std::string& key) const override;
    void set(const std::string& key, Value value) override;
    void removeObject(const std::string& key) override;
    using UserDefaults::set;

    /// Everything stored, by key: what tests inspect.
    const std::map<std::string, Value>& values() const { return values_; }

protected:
    /// Everything stored, by key; FileUserDefaults fills it from its file and replaces it after each write.
    std::map<std::string, Value> values_;
};

} // namespace zt
