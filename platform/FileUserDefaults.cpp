#include "FileUserDefaults.h"

#include "AtomicFile.h"
#include "Logger.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

namespace zt {

namespace {

using Json = nlohmann::json;

const Logger& userDefaultsLogger() {
    static const Logger instance{"FileUserDefaults"};
    return instance;
}

/// Reads the top-level object entry by entry, so a file cut short keeps the entries before the
/// cut. Values of other JSON types (null, objects, mixed arrays, integers beyond 64 bits) are
/// skipped; a top level that is not an object yields nothing. A number at the very end of a cut
/// file is dropped: the cut may have fallen inside it ("15" read as 1).
class SalvagingReader {
public:
    using Value = UserDefaults::Value;
    using Values = std::map<std::string, Value>;

    explicit SalvagingReader(std::string_view input) : input_(input) {}

    Values& values() { return values_; }
    bool rejectedSomething() const { return rejected_; }

    bool null() { return reject(); }
    bool boolean(bool b) { return scalar(Value{b}); }
    bool number_integer(Json::number_integer_t i) { return scalar(Value{std::int64_t{i}}, true); }
    bool number_unsigned(Json::number_unsigned_t u) {
        if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return reject();
        return scalar(Value{static_cast<std::int64_t>(u)}, true);
    }
    bool number_float(Json::number_float_t d, const std::string&) { return scalar(Value{d}, true); }
    bool string(std::string& s) {
        if (depth_ == inArray) {
            strings_.push_back(std::move(s));
            return true;
        }
        return scalar(Value{std::move(s)});
    }
    bool binary(Json::binary_t&) { return reject(); }
    bool key(std::string& k) {
        if (depth_ == inObject) {
            commitNumber();
            key_ = std::move(k);
        }
        return true;
    }
    bool start_object(std::size_t) {
        if (depth_ == 0 && started_)
            return false;
        started_ = true;
        if (depth_ > 0)
            reject(); // an object is no value of ours
        ++depth_;
        return true;
    }
    bool end_object() {
        if (depth_ == inObject)
            commitNumber();
        --depth_;
        return true;
    }
    bool start_array(std::size_t) {
        if (depth_ == 0)
            return false;
        ++depth_;
        if (depth_ == inArray) {
            strings_.clear();
            arrayValid_ = true;
        } else {
            arrayValid_ = false; // nested arrays
        }
        return true;
    }
    bool end_array() {
        if (depth_ == inArray && arrayValid_)
            values_[key_] = Value{std::move(strings_)};
        --depth_;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
        if (!endsInNumber())
            commitNumber();
        return false;
    }

private:
    static constexpr int inObject = 1;
    static constexpr int inArray = 2;

    bool scalar(Value v, bool isNumber = false) {
        if (depth_ == 0)
            return false;
        if (depth_ != inObject)
            arrayValid_ = false;
        else if (isNumber)
            number_ = std::move(v);
        else
            values_[key_] = std::move(v);
        return true;
    }
    bool endsInNumber() const {
        const auto isNumberChar = [](char c) {
            return std::strchr("0123456789.eE+-", c) != nullptr && c != 0;
        };
        auto start = input_.size();
        while (start > 0 && isNumberChar(input_[start - 1]))
            --start;
        return start < input_.size() &&
               (start == 0 || (input_[start - 1] != 0 && std::strchr(": \t\r\n,[", input_[start - 1])));
    }
    // Numbers wait for what follows them; see endsInNumber().
    void commitNumber() {
        if (number_)
            values_[key_] = std::move(*number_);
        number_.reset();
    }
    bool reject() {
        rejected_ = true;
        if (depth_ > inObject)
            arrayValid_ = false;
        return depth_ != 0;
    }

    std::string_view input_;
    Values values_;
    std::string key_;
    std::optional<Value> number_;
    std::vector<std::string> strings_;
    bool arrayValid_ = false;
    bool rejected_ = false;
    bool started_ = false;
    int depth_ = 0;
};

} // namespace

FileUserDefaults::FileUserDefaults(std::filesystem::path file) : path_(std::move(file)) {
    reload();
}

void FileUserDefaults::reload() {
    if (!pending_.empty() && writePending())
        return;
    const auto content = AtomicFile(path_, userDefaultsLogger()).read();
    std::error_code ec;
    if (!content && std::filesystem::exists(path_, ec)) {
        userDefaultsLogger().error("cannot read {}", path_.string());
        return;
    }
    auto contents = content ? decode(*content) : Contents{};
    if (!contents.complete)
        userDefaultsLogger().error(
            "{} is damaged; reading what is intact, and keeping it aside before the next write",
            path_.string());
    values_ = std::move(contents.values);
    // Changes that could not be written yet show over what the file holds.
    for (const auto& change : pending_)
        change(values_);
}

void FileUserDefaults::set(const std::string& key, Value value) {
    update([key, value = std::move(value)](auto& values) { values[key] = value; });
}

void FileUserDefaults::removeObject(const std::string& key) {
    update([key](auto& values) { values.erase(key); });
}

void FileUserDefaults::update(Change change) {
    change(values_);
    pending_.push_back(std::move(change));
    writePending();
}

bool FileUserDefaults::writePending() {
    if (pending_.empty())
        return true;
    std::map<std::string, Value> written;
    const bool replaced =
        AtomicFile(path_, userDefaultsLogger()).update([&](const std::optional<std::string>& content) {
            auto contents = content ? decode(*content) : Contents{};
            written = std::move(contents.values);
            for (const auto& change : pending_)
                change(written);
            return AtomicFile::Replacement{encode(written), !contents.complete};
        });
    if (!replaced) {
        userDefaultsLogger().error("changes to {} stay in memory until the next write", path_.string());
        return false;
    }
    values_ = std::move(written);
    pending_.clear();
    return true;
}

FileUserDefaults::Contents FileUserDefaults::decode(std::string_view json) {
    if (json.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return {}; // an empty file holds nothing to lose
    SalvagingReader reader(json);
    const bool whole = Json::sax_parse(json.begin(), json.end(), &reader);
    return {std::move(reader.values()), whole && !reader.rejectedSomething()};
}

std::string FileUserDefaults::encode(const std::map<std::string, Value>& values) {
    Json object = Json::object();
    for (const auto& entry : values) {
        // JSON has no form for them; null in their place would read as something not ours.
        if (const auto* d = std::get_if<double>(&entry.second); d && !std::isfinite(*d))
            continue;
        std::visit([&](const auto& v) { object[entry.first] = v; }, entry.second);
    }
    // Invalid UTF-8 is replaced rather than thrown about: a setting is not worth a crash.
    return object.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace zt
