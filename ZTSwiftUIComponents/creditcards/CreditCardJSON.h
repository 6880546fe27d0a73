#pragma once

#include "platform/Date.h"
#include "platform/DateInterval.h"

#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

/// The JSON form of card records: what CreditCard and its transaction types read and write.
///
/// Dates are numbers of seconds since 2001-01-01 00:00:00 UTC, a date interval is an object with
/// "start" (a date) and "duration" (seconds), and numbers may be written as integers or reals, in
/// any key order, as other platforms' encoders write them.
namespace zt {

/// Why bytes could not be decoded as a card. The coding path names where: "" for the whole
/// record, "apr", "billingCycle.duration", "transactions[2].date".
class CreditCardDecodingError : public std::runtime_error {
public:
    enum class Kind {
        dataCorrupted, // not JSON, or a value out of range (non-finite, negative duration, …)
        keyNotFound,   // a required key is missing
        typeMismatch,  // a value of another JSON type than the key needs
        valueNotFound  // null where a value is needed
    };

    CreditCardDecodingError(Kind kind, std::string codingPath, const std::string& description);

    Kind kind() const { return kind_; }
    const std::string& codingPath() const { return codingPath_; }
    /// The last key of the coding path ("date" for "transactions[2].date"); empty at the top.
    std::string key() const;

private:
    Kind kind_;
    std::string codingPath_;
};

std::string_view kindName(CreditCardDecodingError::Kind kind);

/// Reads the keys of one JSON object. Every read throws CreditCardDecodingError naming the
/// key's coding path when the key is missing, null, of the wrong type or out of range. The
/// reader refers to JSON owned by a CreditCardJSONDocument, which must outlive it.
class CreditCardJSONReader {
public:
    /// Throws typeMismatch when value is not an object.
    CreditCardJSONReader(const nlohmann::json& value, std::string codingPath);

    const std::string& codingPath() const { return codingPath_; }
    bool contains(std::string_view key) const;

    std::string string(std::string_view key) const;
    /// Any finite JSON number.
    double number(std::string_view key) const;
    /// An integer, or a real without a fraction, within the range of int.
    int integer(std::string_view key) const;
    Date date(std::string_view key) const;
    /// {"start": date, "duration": seconds}; the duration must not be negative and the end must
    /// be finite.
    DateInterval dateInterval(std::string_view key) const;
    /// An array whose elements are all objects.
    std::vector<CreditCardJSONReader> objects(std::string_view key) const;

private:
    const nlohmann::json& required(std::string_view key) const;
    std::string pathOf(std::string_view key) const;

    const nlohmann::json* object_;
    std::string codingPath_;
};

/// Parsed bytes of one record.
class CreditCardJSONDocument {
public:
    /// Throws dataCorrupted when the bytes are not JSON.
    static CreditCardJSONDocument parse(std::string_view bytes);

    CreditCardJSONDocument(CreditCardJSONDocument&&) noexcept;
    CreditCardJSONDocument& operator=(CreditCardJSONDocument&&) noexcept;
    ~CreditCardJSONDocument();

    /// The top-level object; throws typeMismatch when the JSON is not an object.
    CreditCardJSONReader root() const;

private:
    explicit CreditCardJSONDocument(std::unique_ptr<nlohmann::json> json);
    std::unique_ptr<nlohmann::json> json_;
};

/// Builds one JSON object, key by key. Numbers that are not finite have no JSON form and are
/// written as null, which decoding then rejects.
class CreditCardJSONWriter {
public:
    CreditCardJSONWriter();
    CreditCardJSONWriter(CreditCardJSONWriter&&) noexcept;
    CreditCardJSONWriter& operator=(CreditCardJSONWriter&&) noexcept;
    ~CreditCardJSONWriter();

    void setString(std::string_view key, std::string_view value);
    void setNumber(std::string_view key, double value);
    void setInteger(std::string_view key, int value);
    void setDate(std::string_view key, Date value);
    void setDateInterval(std::string_view key, const DateInterval& value);
    void setObjects(std::string_view key, std::vector<CreditCardJSONWriter> objects);

    /// The object as compact JSON (no spaces or line breaks). Text that is not UTF-8 has its
    /// bad bytes replaced by U+FFFD rather than failing the whole record.
    std::string compactString() const;

private:
    std::unique_ptr<nlohmann::json> json_;
};

} // namespace zt
