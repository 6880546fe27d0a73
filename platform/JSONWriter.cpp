#include "JSONWriter.h"

#include <nlohmann/json.hpp>

namespace zt {

using Json = nlohmann::json;

JSONWriter::JSONWriter() : json_(std::make_unique<Json>(Json::object())) {}
JSONWriter::JSONWriter(JSONWriter&&) noexcept = default;
JSONWriter& JSONWriter::operator=(JSONWriter&&) noexcept = default;
JSONWriter::~JSONWriter() = default;

void JSONWriter::setString(std::string_view key, std::string_view value) {
    (*json_)[std::string(key)] = value;
}

void JSONWriter::setNumber(std::string_view key, double value) {
    (*json_)[std::string(key)] = value;
}

void JSONWriter::setInteger(std::string_view key, int value) {
    (*json_)[std::string(key)] = value;
}

void JSONWriter::setBoolean(std::string_view key, bool value) {
    (*json_)[std::string(key)] = value;
}

void JSONWriter::setDate(std::string_view key, Date value) {
    setNumber(key, value.secondsSinceReferenceDate);
}

void JSONWriter::setDateInterval(std::string_view key, const DateInterval& value) {
    (*json_)[std::string(key)] =
        Json{{"start", value.start.secondsSinceReferenceDate}, {"duration", value.duration()}};
}

void JSONWriter::setStrings(std::string_view key, const std::vector<std::string>& values) {
    (*json_)[std::string(key)] = values;
}

void JSONWriter::setObjects(std::string_view key, std::vector<JSONWriter> objects) {
    Json array = Json::array();
    for (auto& object : objects)
        array.push_back(std::move(*object.json_));
    (*json_)[std::string(key)] = std::move(array);
}

std::string JSONWriter::compactString() const {
    return json_->dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace zt
