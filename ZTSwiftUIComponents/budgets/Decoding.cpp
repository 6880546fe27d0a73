#include "Decoding.h"

#include <nlohmann/json.hpp>

namespace zt {

namespace {

std::string typeName(const nlohmann::json& value) {
    switch (value.type()) {
    case nlohmann::json::value_t::string:
        return "a string";
    case nlohmann::json::value_t::boolean:
        return "a boolean";
    case nlohmann::json::value_t::array:
        return "an array";
    case nlohmann::json::value_t::object:
        return "a dictionary";
    case nlohmann::json::value_t::null:
        return "null";
    default:
        return "a number";
    }
}

// "first_name" -> "firstName"; leading and trailing underscores stay, as the platform keeps them.
std::string camelCase(std::string_view key) {
    const auto first = key.find_first_not_of('_');
    if (first == std::string_view::npos)
        return std::string(key);
    const auto last = key.find_last_not_of('_');
    std::string out(key.substr(0, first));
    bool upper = false;
    bool started = false;
    for (std::size_t i = first; i <= last; ++i) {
        const char c = key[i];
        if (c == '_') {
            upper = started;
            continue;
        }
        out += upper && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        upper = false;
        started = true;
    }
    out += key.substr(last + 1);
    return out;
}

} // namespace

DecodingError::DecodingError(Kind kind, std::string codingPath, std::string debugDescription, std::string key,
                             std::string type)
    : std::runtime_error(debugDescription), kind(kind), codingPath(std::move(codingPath)),
      debugDescription(std::move(debugDescription)), key(std::move(key)), type(std::move(type)) {}

std::string DecodingError::contextDescription() const {
    return debugDescription + " (coding path: " + (codingPath.empty() ? "the top level" : codingPath) + ")";
}

DecodingContainer::DecodingContainer(const nlohmann::json& value, Options options)
    : value_(&value), options_(options) {}

DecodingContainer::DecodingContainer(const nlohmann::json& value, const DecodingContainer& parent,
                                     std::string_view key, std::size_t index)
    : value_(&value), options_(parent.options_), parent_(&parent), key_(key), index_(index) {}

std::string DecodingContainer::codingPath() const {
    if (!parent_)
        return {};
    std::string path = parent_->codingPath();
    if (key_.empty())
        return path + "[" + std::to_string(index_) + "]";
    return path.empty() ? std::string(key_) : path + "." + std::string(key_);
}

void DecodingContainer::mismatch(std::string_view expected) const {
    if (value_->is_null())
        throw DecodingError(DecodingError::Kind::valueNotFound, codingPath(),
                            "Expected " + std::string(expected) + " value but found null instead", {},
                            std::string(expected));
    throw DecodingError(DecodingError::Kind::typeMismatch, codingPath(),
                        "Expected to decode " + std::string(expected) + " but found " + typeName(*value_) +
                            " instead",
                        {}, std::string(expected));
}

DecodingContainer DecodingContainer::operator[](std::string_view key) const {
    if (!value_->is_object())
        mismatch("Dictionary");
    if (options_.keys == KeyDecodingStrategy::useDefaultKeys) {
        if (const auto found = value_->find(key); found != value_->end())
            return DecodingContainer(*found, *this, key, 0);
    } else {
        for (const auto& [name, child] : value_->items())
            if (camelCase(name) == key)
                return DecodingContainer(child, *this, key, 0);
    }
    throw DecodingError(DecodingError::Kind::keyNotFound, codingPath(),
                        "No value associated with key \"" + std::string(key) + "\"", std::string(key));
}

std::vector<DecodingContainer> DecodingContainer::elements() const {
    if (!value_->is_array())
        mismatch("Array");
    std::vector<DecodingContainer> out;
    out.reserve(value_->size());
    for (std::size_t i = 0; i < value_->size(); ++i)
        out.push_back(DecodingContainer((*value_)[i], *this, {}, i));
    return out;
}

std::string DecodingContainer::string() const {
    if (!value_->is_string())
        mismatch("String");
    return value_->get_ref<const std::string&>();
}

double DecodingContainer::number() const {
    if (!value_->is_number())
        mismatch("Double");
    return value_->get<double>();
}

bool DecodingContainer::boolean() const {
    if (!value_->is_boolean())
        mismatch("Bool");
    return value_->get<bool>();
}

Date DecodingContainer::date() const {
    const double value = number();
    switch (options_.dates) {
    case DateDecodingStrategy::secondsSince1970:
        return Date::fromUnixSeconds(value);
    case DateDecodingStrategy::millisecondsSince1970:
        return Date::fromUnixSeconds(value / 1000.0);
    case DateDecodingStrategy::deferredToDate:
        break;
    }
    return Date{value};
}

std::vector<std::string> DecodingContainer::strings() const {
    std::vector<std::string> out;
    for (const auto& element : elements())
        out.push_back(element.string());
    return out;
}

namespace detail {

std::shared_ptr<const nlohmann::json> parseJSON(std::string_view text) {
    auto document = std::make_shared<nlohmann::json>(
        nlohmann::json::parse(text.begin(), text.end(), nullptr, /*allow_exceptions=*/false));
    if (document->is_discarded())
        throw DecodingError(DecodingError::Kind::dataCorrupted, {}, "The given data was not valid JSON.");
    return document;
}

DecodingContainer rootContainer(const nlohmann::json& document, DecodingContainer::Options options) {
    return DecodingContainer(document, options);
}

} // namespace detail

} // namespace zt
