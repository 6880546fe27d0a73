#include "CreditCardJSON.h"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <utility>

namespace zt {

namespace {

using Json = nlohmann::json;

std::string describe(CreditCardDecodingError::Kind kind, const std::string& path,
                     const std::string& description) {
    std::string text(kindName(kind));
    text += ": ";
    text += description;
    if (!path.empty())
        text += " (at \"" + path + "\")";
    return text;
}

std::string typeName(const Json& value) {
    return value.is_number() ? "a number" : std::string("a ") + value.type_name();
}

[[noreturn]] void fail(CreditCardDecodingError::Kind kind, const std::string& path,
                       const std::string& description) {
    throw CreditCardDecodingError(kind, path, description);
}

/// null where a value is needed is "no value"; any other JSON type is a type mismatch.
[[noreturn]] void wrongType(const Json& value, const std::string& path, std::string_view expected) {
    if (value.is_null())
        fail(CreditCardDecodingError::Kind::valueNotFound, path,
             "expected " + std::string(expected) + " but found null");
    fail(CreditCardDecodingError::Kind::typeMismatch, path,
         "expected " + std::string(expected) + " but found " + typeName(value));
}

double finiteNumber(const Json& value, const std::string& path) {
    if (!value.is_number())
        wrongType(value, path, "a number");
    const double number = value.get<double>();
    if (!std::isfinite(number))
        fail(CreditCardDecodingError::Kind::dataCorrupted, path, "the number is not finite");
    return number;
}

} // namespace

CreditCardDecodingError::CreditCardDecodingError(Kind kind, std::string codingPath,
                                                 const std::string& description)
    : std::runtime_error(describe(kind, codingPath, description)), kind_(kind),
      codingPath_(std::move(codingPath)) {}

std::string CreditCardDecodingError::key() const {
    const auto dot = codingPath_.find_last_of('.');
    std::string last = dot == std::string::npos ? codingPath_ : codingPath_.substr(dot + 1);
    if (const auto bracket = last.find('['); bracket != std::string::npos)
        last.erase(bracket);
    return last;
}

std::string_view kindName(CreditCardDecodingError::Kind kind) {
    switch (kind) {
    case CreditCardDecodingError::Kind::dataCorrupted:
        return "dataCorrupted";
    case CreditCardDecodingError::Kind::keyNotFound:
        return "keyNotFound";
    case CreditCardDecodingError::Kind::typeMismatch:
        return "typeMismatch";
    case CreditCardDecodingError::Kind::valueNotFound:
        return "valueNotFound";
    }
    return "unknown";
}

// Reader.

CreditCardJSONReader::CreditCardJSONReader(const nlohmann::json& value, std::string codingPath)
    : object_(&value), codingPath_(std::move(codingPath)) {
    if (!value.is_object())
        wrongType(value, codingPath_, "an object");
}

std::string CreditCardJSONReader::pathOf(std::string_view key) const {
    return codingPath_.empty() ? std::string(key) : codingPath_ + "." + std::string(key);
}

bool CreditCardJSONReader::contains(std::string_view key) const {
    return object_->find(key) != object_->end();
}

const nlohmann::json& CreditCardJSONReader::required(std::string_view key) const {
    const auto found = object_->find(key);
    if (found == object_->end())
        fail(CreditCardDecodingError::Kind::keyNotFound, pathOf(key),
             "no value for the key \"" + std::string(key) + "\"");
    return *found;
}

std::string CreditCardJSONReader::string(std::string_view key) const {
    const auto& value = required(key);
    if (!value.is_string())
        wrongType(value, pathOf(key), "a string");
    return value.get<std::string>();
}

double CreditCardJSONReader::number(std::string_view key) const {
    return finiteNumber(required(key), pathOf(key));
}

int CreditCardJSONReader::integer(std::string_view key) const {
    const auto& value = required(key);
    const auto path = pathOf(key);
    if (value.is_number_integer()) {
        // Unsigned JSON integers beyond int64 wrap when read as signed; compare them unsigned.
        const bool fits =
            value.is_number_unsigned()
                ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(std::numeric_limits<int>::max())
                : value.get<std::int64_t>() >= std::numeric_limits<int>::min() &&
                      value.get<std::int64_t>() <= std::numeric_limits<int>::max();
        if (!fits)
            fail(CreditCardDecodingError::Kind::dataCorrupted, path,
                 "the number " + value.dump() + " does not fit in an integer");
        return static_cast<int>(value.get<std::int64_t>());
    }
    const double number = finiteNumber(value, path);
    if (number != std::trunc(number) || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        fail(CreditCardDecodingError::Kind::dataCorrupted, path,
             "the number " + value.dump() + " does not fit in an integer");
    return static_cast<int>(number);
}

Date CreditCardJSONReader::date(std::string_view key) const {
    return Date{number(key)};
}

DateInterval CreditCardJSONReader::dateInterval(std::string_view key) const {
    const CreditCardJSONReader interval(required(key), pathOf(key));
    const Date start = interval.date("start");
    const double duration = interval.number("duration");
    if (duration < 0)
        fail(CreditCardDecodingError::Kind::dataCorrupted, interval.pathOf("duration"),
             "a date interval cannot have a negative duration");
    const Date end = start + duration;
    // The end must also give a finite duration back when the interval is encoded again.
    if (!std::isfinite(end.secondsSinceReferenceDate) || !std::isfinite(end - start))
        fail(CreditCardDecodingError::Kind::dataCorrupted, interval.pathOf("duration"),
             "the date interval ends beyond every date");
    return DateInterval{start, end};
}

std::vector<CreditCardJSONReader> CreditCardJSONReader::objects(std::string_view key) const {
    const auto& value = required(key);
    const auto path = pathOf(key);
    if (!value.is_array())
        wrongType(value, path, "an array");
    std::vector<CreditCardJSONReader> readers;
    readers.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i)
        readers.emplace_back(value[i], path + "[" + std::to_string(i) + "]");
    return readers;
}

// Document.

CreditCardJSONDocument::CreditCardJSONDocument(std::unique_ptr<nlohmann::json> json)
    : json_(std::move(json)) {}
CreditCardJSONDocument::CreditCardJSONDocument(CreditCardJSONDocument&&) noexcept = default;
CreditCardJSONDocument& CreditCardJSONDocument::operator=(CreditCardJSONDocument&&) noexcept = default;
CreditCardJSONDocument::~CreditCardJSONDocument() = default;

CreditCardJSONDocument CreditCardJSONDocument::parse(std::string_view bytes) {
    try {
        return CreditCardJSONDocument(std::make_unique<Json>(Json::parse(bytes)));
    } catch (const Json::exception& error) {
        fail(CreditCardDecodingError::Kind::dataCorrupted, "",
             std::string("the data is not valid JSON: ") + error.what());
    }
}

CreditCardJSONReader CreditCardJSONDocument::root() const {
    return CreditCardJSONReader(*json_, "");
}

// Writer.

CreditCardJSONWriter::CreditCardJSONWriter() : json_(std::make_unique<Json>(Json::object())) {}
CreditCardJSONWriter::CreditCardJSONWriter(CreditCardJSONWriter&&) noexcept = default;
CreditCardJSONWriter& CreditCardJSONWriter::operator=(CreditCardJSONWriter&&) noexcept = default;
CreditCardJSONWriter::~CreditCardJSONWriter() = default;

void CreditCardJSONWriter::setString(std::string_view key, std::string_view value) {
    (*json_)[std::string(key)] = value;
}

void CreditCardJSONWriter::setNumber(std::string_view key, double value) {
    (*json_)[std::string(key)] = value;
}

void CreditCardJSONWriter::setInteger(std::string_view key, int value) {
    (*json_)[std::string(key)] = value;
}

void CreditCardJSONWriter::setDate(std::string_view key, Date value) {
    setNumber(key, value.secondsSinceReferenceDate);
}

void CreditCardJSONWriter::setDateInterval(std::string_view key, const DateInterval& value) {
    (*json_)[std::string(key)] =
        Json{{"start", value.start.secondsSinceReferenceDate}, {"duration", value.duration()}};
}

void CreditCardJSONWriter::setObjects(std::string_view key, std::vector<CreditCardJSONWriter> objects) {
    Json array = Json::array();
    for (auto& object : objects)
        array.push_back(std::move(*object.json_));
    (*json_)[std::string(key)] = std::move(array);
}

std::string CreditCardJSONWriter::compactString() const {
    return json_->dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace zt
