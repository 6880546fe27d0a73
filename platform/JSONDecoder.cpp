#include "JSONDecoder.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>

namespace zt {

namespace {

using Json = nlohmann::json;
using Kind = JSONDecodingError::Kind;

/// Every decoding failure of the library leaves through here.
[[noreturn]] void fail(Kind kind, const std::string& path, std::string description,
                       std::string expectedType = {}) {
    throw JSONDecodingError(kind, path, std::move(description), std::move(expectedType));
}

std::string withArticle(std::string_view type) {
    const bool vowel =
        !type.empty() && std::string_view("aeiou").find(type.front()) != std::string_view::npos;
    return std::string(vowel ? "an " : "a ") + std::string(type);
}

std::string typeName(const Json& value) {
    return value.is_number() ? "number" : value.type_name();
}

std::string describe(Kind kind, const std::string& path, const std::string& description) {
    std::string text(kindName(kind));
    text += ": ";
    text += description;
    if (!path.empty())
        text += " (at \"" + path + "\")";
    return text;
}

} // namespace

JSONDecodingError::JSONDecodingError(Kind kind, std::string codingPath, std::string debugDescription,
                                     std::string expectedType)
    : std::runtime_error(describe(kind, codingPath, debugDescription)), kind_(kind),
      codingPath_(std::move(codingPath)), debugDescription_(std::move(debugDescription)),
      expectedType_(std::move(expectedType)) {}

std::string JSONDecodingError::key() const {
    const auto dot = codingPath_.find_last_of('.');
    std::string last = dot == std::string::npos ? codingPath_ : codingPath_.substr(dot + 1);
    if (const auto bracket = last.find('['); bracket != std::string::npos)
        last.erase(bracket);
    return last;
}

std::string JSONDecodingError::contextDescription() const {
    return codingPath_.empty() ? debugDescription_ : debugDescription_ + " (at \"" + codingPath_ + "\")";
}

std::string_view kindName(JSONDecodingError::Kind kind) {
    switch (kind) {
    case Kind::dataCorrupted:
        return "dataCorrupted";
    case Kind::keyNotFound:
        return "keyNotFound";
    case Kind::typeMismatch:
        return "typeMismatch";
    case Kind::valueNotFound:
        return "valueNotFound";
    }
    return "unknown";
}

// Reader.

JSONReader::JSONReader(const nlohmann::json& value, std::string codingPath)
    : value_(&value), codingPath_(std::move(codingPath)) {}

void JSONReader::wrongType(std::string_view expected) const {
    // null where a value is needed is "no value"; any other JSON type is a type mismatch.
    if (value_->is_null())
        fail(Kind::valueNotFound, codingPath_, "expected " + withArticle(expected) + " but found null",
             std::string(expected));
    fail(Kind::typeMismatch, codingPath_,
         "expected " + withArticle(expected) + " but found " + withArticle(typeName(*value_)),
         std::string(expected));
}

void JSONReader::corrupted(const std::string& description) const {
    fail(Kind::dataCorrupted, codingPath_, description);
}

std::string JSONReader::pathOf(std::string_view key) const {
    return codingPath_.empty() ? std::string(key) : codingPath_ + "." + std::string(key);
}

const nlohmann::json& JSONReader::object() const {
    if (!value_->is_object())
        wrongType("object");
    return *value_;
}

bool JSONReader::isNull() const {
    return value_->is_null();
}

bool JSONReader::isObject() const {
    return value_->is_object();
}

std::string JSONReader::string() const {
    if (!value_->is_string())
        wrongType("string");
    return value_->get<std::string>();
}

double JSONReader::number() const {
    if (!value_->is_number())
        wrongType("number");
    const double number = value_->get<double>();
    if (!std::isfinite(number))
        corrupted("the number is not finite");
    return number;
}

int JSONReader::integer() const {
    if (value_->is_number_integer()) {
        // Unsigned JSON integers beyond int64 wrap when read as signed; compare them unsigned.
        const bool fits =
            value_->is_number_unsigned()
                ? value_->get<std::uint64_t>() <= static_cast<std::uint64_t>(std::numeric_limits<int>::max())
                : value_->get<std::int64_t>() >= std::numeric_limits<int>::min() &&
                      value_->get<std::int64_t>() <= std::numeric_limits<int>::max();
        if (!fits)
            corrupted("the number " + value_->dump() + " does not fit in an integer");
        return static_cast<int>(value_->get<std::int64_t>());
    }
    if (!value_->is_number())
        wrongType("integer");
    const double value = number();
    if (value != std::trunc(value) || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max())
        corrupted("the number " + value_->dump() + " does not fit in an integer");
    return static_cast<int>(value);
}

bool JSONReader::boolean() const {
    if (!value_->is_boolean())
        wrongType("boolean");
    return value_->get<bool>();
}

Date JSONReader::date() const {
    return Date{number()};
}

DateInterval JSONReader::dateInterval() const {
    const Date start = date("start");
    const JSONReader duration = value("duration");
    const double seconds = duration.number();
    if (seconds < 0)
        duration.corrupted("a date interval cannot have a negative duration");
    const Date end = start + seconds;
    // The end must also give a finite duration back when the interval is encoded again.
    if (!std::isfinite(end.secondsSinceReferenceDate) || !std::isfinite(end - start))
        duration.corrupted("the date interval ends beyond every date");
    return DateInterval{start, end};
}

std::vector<JSONReader> JSONReader::elements() const {
    if (!value_->is_array())
        wrongType("array");
    std::vector<JSONReader> readers;
    readers.reserve(value_->size());
    for (std::size_t i = 0; i < value_->size(); ++i)
        readers.emplace_back((*value_)[i], codingPath_ + "[" + std::to_string(i) + "]");
    return readers;
}

bool JSONReader::contains(std::string_view key) const {
    const auto& json = object();
    return json.find(key) != json.end();
}

JSONReader JSONReader::value(std::string_view key) const {
    const auto& json = object();
    const auto found = json.find(key);
    if (found == json.end())
        fail(Kind::keyNotFound, pathOf(key), "no value for the key \"" + std::string(key) + "\"");
    return JSONReader(*found, pathOf(key));
}

std::optional<JSONReader> JSONReader::optionalValue(std::string_view key) const {
    const auto& json = object();
    const auto found = json.find(key);
    if (found == json.end() || found->is_null())
        return std::nullopt;
    return JSONReader(*found, pathOf(key));
}

std::vector<JSONReader> JSONReader::objects(std::string_view key) const {
    auto readers = value(key).elements();
    for (const auto& reader : readers)
        reader.object();
    return readers;
}

std::vector<std::string> JSONReader::strings(std::string_view key) const {
    return value(key).array([](const JSONReader& element) { return element.string(); });
}

// Document.

JSONDocument::JSONDocument(std::unique_ptr<nlohmann::json> json) : json_(std::move(json)) {}
JSONDocument::JSONDocument(JSONDocument&&) noexcept = default;
JSONDocument& JSONDocument::operator=(JSONDocument&&) noexcept = default;
JSONDocument::~JSONDocument() = default;

JSONDocument JSONDocument::parse(std::string_view bytes) {
    try {
        return JSONDocument(std::make_unique<Json>(Json::parse(bytes)));
    } catch (const Json::exception& error) {
        fail(Kind::dataCorrupted, "", std::string("the data is not valid JSON: ") + error.what());
    }
}

JSONReader JSONDocument::root() const {
    return JSONReader(*json_, "");
}

} // namespace zt
