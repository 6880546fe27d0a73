#include "UserDefaults.h"

namespace zt {

std::int64_t UserDefaults::integer(const std::string& key) const { return integer(key, 0); }

std::int64_t UserDefaults::integer(const std::string& key, std::int64_t fallback) const {
    const auto v = object(key);
    if (!v)
        return fallback;
    if (const auto* i = std::get_if<std::int64_t>(&*v))
        return *i;
    if (const auto* b = std::get_if<bool>(&*v))
        return *b ? 1 : 0;
    if (const auto* d = std::get_if<double>(&*v))
        return static_cast<std::int64_t>(*d);
    return 0;
}

bool UserDefaults::boolean(const std::string& key) const {
    const auto v = object(key);
    if (!v)
        return false;
    if (const auto* b = std::get_if<bool>(&*v))
        return *b;
    if (const auto* i = std::get_if<std::int64_t>(&*v))
        return *i != 0;
    if (const auto* d = std::get_if<double>(&*v))
        return *d != 0;
    return false;
}

double UserDefaults::doubleValue(const std::string& key) const {
    const auto v = object(key);
    if (!v)
        return 0;
    if (const auto* d = std::get_if<double>(&*v))
        return *d;
    if (const auto* i = std::get_if<std::int64_t>(&*v))
        return static_cast<double>(*i);
    if (const auto* b = std::get_if<bool>(&*v))
        return *b ? 1 : 0;
    return 0;
}

std::optional<std::string> UserDefaults::string(const std::string& key) const {
    const auto v = object(key);
    if (v)
        if (const auto* s = std::get_if<std::string>(&*v))
            return *s;
    return std::nullopt;
}

std::vector<std::string> UserDefaults::stringArray(const std::string& key) const {
    const auto v = object(key);
    if (v)
        if (const auto* a = std::get_if<std::vector<std::string>>(&*v))
            return *a;
    return {};
}

std::optional<UserDefaults::Value> InMemoryUserDefaults::object(const std::string& key) const {
    const auto it = values_.find(key);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

void InMemoryUserDefaults::set(const std::string& key, Value value) { values_[key] = std::move(value); }

void InMemoryUserDefaults::removeObject(const std::string& key) { values_.erase(key); }

} // namespace zt
