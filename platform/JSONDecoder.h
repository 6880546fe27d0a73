#pragma once

#include "Date.h"
#include "DateInterval.h"

#include <concepts>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

/// The one JSON decoder of the library: stored records, bundled catalogues and files are read
/// through JSONReader, and every failure is a JSONDecodingError that says what went wrong and
/// where ("transactions[2].date"), the way a platform decoder reports its coding path.
///
/// Dates are numbers of seconds since 2001-01-01 00:00:00 UTC; a date interval is an object with
/// "start" (a date) and "duration" (seconds). Numbers may be written as integers or reals, and
/// keys come in any order; keys nobody asks for are ignored.
namespace zt {

class JSONDecodingError : public std::runtime_error {
public:
    enum class Kind {
        dataCorrupted, // not JSON, or a value out of range (non-finite, unknown raw value, …)
        keyNotFound,   // a required key is missing
        typeMismatch,  // a value of another JSON type than the reader needs
        valueNotFound  // null where a value is needed
    };

    /// expectedType names what was needed ("string", "number", "object", …) for a type mismatch
    /// or a missing value; empty otherwise.
    JSONDecodingError(Kind kind, std::string codingPath, std::string debugDescription,
                      std::string expectedType = {});

    Kind kind() const { return kind_; }
    /// Where the value failed: "" for the whole document, "apr", "billingCycle.duration",
    /// "transactions[2].date", "[4].category".
    const std::string& codingPath() const { return codingPath_; }
    /// The last key of the coding path ("date" for "transactions[2].date"); empty at the top or
    /// for an array element.
    std::string key() const;
    /// The type the reader needed, for typeMismatch and valueNotFound.
    const std::string& expectedType() const { return expectedType_; }
    /// What went wrong, without the kind or the path ("no value for the key \"name\"").
    const std::string& debugDescription() const { return debugDescription_; }
    /// The description followed by the coding path, as a diagnostic line wants it.
    std::string contextDescription() const;

private:
    Kind kind_;
    std::string codingPath_;
    std::string debugDescription_;
    std::string expectedType_;
};

std::string_view kindName(JSONDecodingError::Kind kind);

/// One value of a parsed document at its coding path. Every read throws JSONDecodingError
/// naming the path when the value is missing, null, of the wrong type or out of range. A reader
/// refers to JSON owned by a JSONDocument, which must outlive it.
class JSONReader {
public:
    JSONReader(const nlohmann::json& value, std::string codingPath);

    const std::string& codingPath() const { return codingPath_; }

    // This value itself.

    bool isNull() const;
    bool isObject() const;
    std::string string() const;
    /// Any finite JSON number.
    double number() const;
    /// An integer, or a real without a fraction, within the range of int.
    int integer() const;
    bool boolean() const;
    Date date() const;
    /// {"start": date, "duration": seconds}; the duration must not be negative and the end must
    /// be finite.
    DateInterval dateInterval() const;
    /// The elements of an array.
    std::vector<JSONReader> elements() const;
    /// Every element of an array decoded by decode(const JSONReader&).
    template <class Decode> auto array(Decode decode) const {
        std::vector<std::decay_t<decltype(decode(std::declval<const JSONReader&>()))>> out;
        const auto all = elements();
        out.reserve(all.size());
        for (const auto& element : all)
            out.push_back(decode(element));
        return out;
    }

    // Keys of this value, which must be an object.

    bool contains(std::string_view key) const;
    /// The value of a required key (null allowed: the typed read then reports it).
    JSONReader value(std::string_view key) const;
    /// The value of an optional key: none when it is absent or null.
    std::optional<JSONReader> optionalValue(std::string_view key) const;

    std::string string(std::string_view key) const { return value(key).string(); }
    double number(std::string_view key) const { return value(key).number(); }
    int integer(std::string_view key) const { return value(key).integer(); }
    bool boolean(std::string_view key) const { return value(key).boolean(); }
    Date date(std::string_view key) const { return value(key).date(); }
    DateInterval dateInterval(std::string_view key) const { return value(key).dateInterval(); }
    /// An array whose elements are all objects.
    std::vector<JSONReader> objects(std::string_view key) const;
    /// An array whose elements are all strings.
    std::vector<std::string> strings(std::string_view key) const;
    /// A string read as a raw value: fromRaw(text) gives the case or none; none is a
    /// dataCorrupted failure at the key.
    template <class FromRaw> auto rawValue(std::string_view key, FromRaw fromRaw) const {
        const auto reader = value(key);
        const std::string text = reader.string();
        if (auto found = fromRaw(text))
            return *found;
        reader.corrupted("\"" + text + "\" is none of the known raw values");
    }

    /// Reports a value that has the right type but cannot be used (a rule of the record's own).
    [[noreturn]] void corrupted(const std::string& description) const;

private:
    [[noreturn]] void wrongType(std::string_view expected) const;
    std::string pathOf(std::string_view key) const;
    const nlohmann::json& object() const;

    const nlohmann::json* value_;
    std::string codingPath_;
};

/// Parsed bytes of one document.
class JSONDocument {
public:
    /// Throws dataCorrupted when the bytes are not JSON (including text that is not UTF-8).
    static JSONDocument parse(std::string_view bytes);

    JSONDocument(JSONDocument&&) noexcept;
    JSONDocument& operator=(JSONDocument&&) noexcept;
    ~JSONDocument();

    JSONReader root() const;

private:
    explicit JSONDocument(std::unique_ptr<nlohmann::json> json);
    std::unique_ptr<nlohmann::json> json_;
};

/// A type that reads itself: `static T decode(const JSONReader&)`.
template <class T>
concept JSONDecodable = requires(const JSONReader& reader) {
    { T::decode(reader) } -> std::same_as<T>;
};

/// Parses bytes and decodes the document with decode(root); throws JSONDecodingError.
template <class Decode> auto decodeJSON(std::string_view bytes, Decode decode) {
    const auto document = JSONDocument::parse(bytes);
    return decode(document.root());
}

/// A T from bytes; throws JSONDecodingError.
template <JSONDecodable T> T decodeJSON(std::string_view bytes) {
    return decodeJSON(bytes, [](const JSONReader& root) { return T::decode(root); });
}

} // namespace zt
