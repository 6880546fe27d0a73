#pragma once

#include "ZTSwiftUIComponents/host/RawRepresentable.h"
#include "platform/Date.h"

#include <cstddef>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// How dates are written in the document: the platform's own form (seconds since 2001-01-01), or
/// seconds or milliseconds since 1970.
enum class DateDecodingStrategy { deferredToDate, secondsSince1970, millisecondsSince1970 };
/// Whether keys are matched as written, or the document's snake_case keys ("first_name") match
/// camelCase names ("firstName").
enum class KeyDecodingStrategy { useDefaultKeys, convertFromSnakeCase };

/// Why a document could not be decoded, with where it failed (the coding path, "[3].tags[0]").
struct DecodingError : std::runtime_error {
    enum class Kind { keyNotFound, typeMismatch, valueNotFound, dataCorrupted };

    DecodingError(Kind kind, std::string codingPath, std::string debugDescription, std::string key = {},
                  std::string type = {});

    Kind kind;
    std::string codingPath;
    std::string debugDescription;
    /// The missing key (keyNotFound).
    std::string key;
    /// The expected type (typeMismatch, valueNotFound): "String", "Array", …
    std::string type;
    /// debugDescription with the coding path, as diagnostics show it.
    std::string contextDescription() const;
};

/// One value of a document being decoded, with its coding path. Reads throw DecodingError. A
/// container refers to the one it came from and to the key it was read under, which must outlive
/// it; the path is spelled out only when a read fails, so decoding a large document makes no
/// strings for it.
class DecodingContainer {
public:
    struct Options {
        DateDecodingStrategy dates = DateDecodingStrategy::deferredToDate;
        KeyDecodingStrategy keys = KeyDecodingStrategy::useDefaultKeys;
    };

    /// The document's top level.
    DecodingContainer(const nlohmann::json& value, Options options);

    /// "[3].tags[0]"; empty at the top level.
    std::string codingPath() const;

    /// The value under key of this object.
    DecodingContainer operator[](std::string_view key) const;
    /// The elements of this array.
    std::vector<DecodingContainer> elements() const;

    std::string string() const;
    double number() const;
    bool boolean() const;
    Date date() const;
    std::vector<std::string> strings() const;
    /// A case of E by its raw text; any other text is corrupted data.
    template <RawRepresentable E> E rawValue(std::string_view typeName) const {
        const std::string raw = string();
        if (auto value = fromRawValue<E>(raw))
            return *value;
        throw DecodingError(DecodingError::Kind::dataCorrupted, codingPath(),
                            "Cannot initialize " + std::string(typeName) + " from invalid String value " +
                                raw);
    }

private:
    DecodingContainer(const nlohmann::json& value, const DecodingContainer& parent, std::string_view key,
                      std::size_t index);
    [[noreturn]] void mismatch(std::string_view expected) const;

    const nlohmann::json* value_;
    Options options_;
    // Where this value sits in its parent: under key, or at index when key is empty.
    const DecodingContainer* parent_ = nullptr;
    std::string_view key_;
    std::size_t index_ = 0;
};

/// Decoding of a list: every element decoded in order.
template <class T> void decode(const DecodingContainer& container, std::vector<T>& out) {
    const auto elements = container.elements();
    out.clear();
    out.reserve(elements.size());
    for (const auto& element : elements) {
        T value{};
        decode(element, value);
        out.push_back(std::move(value));
    }
}

/// Parses a JSON text and decodes a T from it (a type with a decode(const DecodingContainer&, T&)
/// found by argument-dependent lookup). Text that is not JSON is corrupted data.
template <class T> T decodeJSON(std::string_view text, DecodingContainer::Options options = {});

namespace detail {
/// The parsed document, or corrupted data.
std::shared_ptr<const nlohmann::json> parseJSON(std::string_view text);
DecodingContainer rootContainer(const nlohmann::json& document, DecodingContainer::Options options);
} // namespace detail

template <class T> T decodeJSON(std::string_view text, DecodingContainer::Options options) {
    const auto document = detail::parseJSON(text);
    T value{};
    decode(detail::rootContainer(*document, options), value);
    return value;
}

} // namespace zt
