#include "FileKeyValueStore.h"

#include "AtomicFile.h"
#include "Logger.h"

#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

namespace zt {

namespace {

using Json = nlohmann::json;
using Value = KeyValueStore::Value;
using Element = KeyValueStore::Element;
using Values = std::map<std::string, Value>;

const Logger& logger() {
    static const Logger instance{"FileKeyValueStore"};
    return instance;
}

/// Reads the top-level map entry by entry, so damage keeps the entries before it. Values of
/// kinds the store does not hold are skipped. Nesting is capped so that a hostile file cannot
/// drive the recursive CBOR reader into the stack's end.
class Reader {
public:
    Values& values() { return values_; }

    bool null() { return unrepresentable(); }
    bool boolean(bool b) { return scalar(Element{b}); }
    bool number_integer(Json::number_integer_t i) { return scalar(Element{std::int64_t{i}}); }
    bool number_unsigned(Json::number_unsigned_t u) {
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return unrepresentable();
        return scalar(Element{static_cast<std::int64_t>(u)});
    }
    bool number_float(Json::number_float_t d, const std::string&) { return scalar(Element{d}); }
    bool string(std::string& s) { return scalar(Element{std::move(s)}); }
    bool binary(Json::binary_t& b) {
        return scalar(Element{KeyValueStore::Data{std::string(b.begin(), b.end())}});
    }
    bool key(std::string& k) {
        if (open_.size() == 1)
            key_ = std::move(k);
        return true;
    }
    bool start_object(std::size_t) {
        if (!open_.empty() && !unrepresentable()) // a map is no value of ours
            return false;
        return enter(Container::map);
    }
    bool end_object() {
        open_.pop_back();
        return true;
    }
    bool start_array(std::size_t) {
        if (open_.empty())
            return false; // the top level must be a map
        if (open_.size() == 1) {
            elements_.clear();
            arrayValid_ = true;
        } else {
            arrayValid_ = false; // arrays inside arrays, arrays inside maps
        }
        return enter(Container::array);
    }
    bool end_array() {
        open_.pop_back();
        if (open_.size() == 1 && arrayValid_)
            values_[key_] = Value{std::move(elements_)};
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) { return false; }

private:
    enum class Container { map, array };
    static constexpr std::size_t maximumDepth = 16;

    bool enter(Container container) {
        open_.push_back(container);
        return open_.size() <= maximumDepth;
    }
    bool inValueArray() const { return open_.size() == 2 && open_[1] == Container::array; }

    bool scalar(Element e) {
        if (open_.size() == 1)
            std::visit([&](auto& v) { values_[key_] = Value{std::move(v)}; }, e);
        else if (inValueArray())
            elements_.push_back(std::move(e));
        return !open_.empty();
    }
    bool unrepresentable() {
        if (open_.size() >= 2)
            arrayValid_ = false;
        return !open_.empty();
    }

    Values values_;
    std::string key_;
    std::vector<Element> elements_;
    std::vector<Container> open_;
    bool arrayValid_ = false;
};

Json toJson(const Element& element) {
    return std::visit(
        [](const auto& v) -> Json {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, KeyValueStore::Data>)
                return Json::binary(std::vector<std::uint8_t>(v.bytes.begin(), v.bytes.end()));
            else
                return Json(v);
        },
        element);
}

void apply(Values& values, const std::string& key, const std::optional<Value>& value) {
    if (value)
        values[key] = *value;
    else
        values.erase(key);
}

} // namespace

FileKeyValueStore::FileKeyValueStore(std::filesystem::path file) : path_(std::move(file)) {
    synchronize();
}

std::optional<KeyValueStore::Value> FileKeyValueStore::object(const std::string& key) const {
    const auto found = values_.find(key);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

void FileKeyValueStore::set(const std::string& key, Value value) {
    change(key, std::move(value));
}

void FileKeyValueStore::removeObject(const std::string& key) {
    change(key, std::nullopt);
}

void FileKeyValueStore::change(const std::string& key, std::optional<Value> value) {
    apply(values_, key, value); // the local copy shows the change even when the write fails
    pending_[key] = std::move(value);
    writePending();
}

bool FileKeyValueStore::writePending() {
    if (pending_.empty())
        return true;
    Values written;
    const bool replaced = AtomicFile(path_, logger()).update([&](const std::optional<std::string>& content) {
        written = content ? decode(*content) : Values{};
        for (const auto& [key, value] : pending_)
            apply(written, key, value);
        return encode(written);
    });
    if (!replaced) {
        logger().error("changes to {} are kept in memory until the next synchronize()", path_.string());
        return false;
    }
    values_ = std::move(written);
    pending_.clear();
    return true;
}

bool FileKeyValueStore::synchronize() {
    if (!writePending())
        return false;
    const AtomicFile file(path_, logger());
    const auto content = file.read();
    std::error_code ec;
    if (!content && std::filesystem::exists(path_, ec)) {
        logger().error("cannot read {}", path_.string());
        return false;
    }
    values_ = content ? decode(*content) : Values{};
    return true;
}

std::map<std::string, KeyValueStore::Value> FileKeyValueStore::decode(std::string_view bytes) {
    Reader reader;
    Json::sax_parse(bytes.begin(), bytes.end(), &reader, nlohmann::json::input_format_t::cbor);
    return std::move(reader.values());
}

std::string FileKeyValueStore::encode(const std::map<std::string, Value>& values) {
    Json map = Json::object();
    for (const auto& [key, value] : values) {
        map[key] = std::visit(
            [](const auto& v) -> Json {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, KeyValueStore::Array>) {
                    Json array = Json::array();
                    for (const auto& element : v)
                        array.push_back(toJson(element));
                    return array;
                } else {
                    return toJson(Element{v});
                }
            },
            value);
    }
    std::string out;
    Json::to_cbor(map, out);
    return out;
}

} // namespace zt
