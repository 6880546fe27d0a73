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
    using Value = std::variant<bool, std::int64_t, double, std::string, std::vector<std::string>>;

    virtual ~UserDefaults() = default;

    virtual std::optional<Value> object(const std::string& key) const = 0;
    virtual void set(const std::string& key, Value value) = 0;
    virtual void removeObject(const std::string& key) = 0;

    // Overloads that keep literals from silently picking the wrong alternative.
    void set(const std::string& key, const char* value) { set(key, Value{std::string(value)}); }
    void set(const std::string& key, bool value) { set(key, Value{value}); } // else promoted to int
    void set(const std::string& key, int value) { set(key, Value{std::int64_t{value}}); }
    void set(const std::string& key, long value) { set(key, Value{std::int64_t{value}}); }
    void set(const std::string& key, long long value) { set(key, Value{std::int64_t{value}}); }

    bool contains(const std::string& key) const { return object(key).has_value(); }
    std::int64_t integer(const std::string& key) const;
    /// The integer under key, or fallback when nothing is stored there.
    std::int64_t integer(const std::string& key, std::int64_t fallback) const;
    bool boolean(const std::string& key) const;
    double doubleValue(const std::string& key) const;
    std::optional<std::string> string(const std::string& key) const;
    std::vector<std::string> stringArray(const std::string& key) const;
};

/// Defaults that live only as long as the object: tests, previews.
class InMemoryUserDefaults : public UserDefaults {
public:
    std::optional<Value> object(const std::string& key) const override;
    void set(const std::string& key, Value value) override;
    void removeObject(const std::string& key) override;
    using UserDefaults::set;

    const std::map<std::string, Value>& values() const { return values_; }

protected:
    std::map<std::string, Value> values_;
};

} // namespace zt
