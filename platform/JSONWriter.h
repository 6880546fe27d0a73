#pragma once

#include "Date.h"
#include "DateInterval.h"

#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// Builds one JSON object, key by key, in the forms JSONReader reads back. Numbers that are not
/// finite have no JSON form and are written as null, which decoding then rejects.
class JSONWriter {
public:
    JSONWriter();
    JSONWriter(JSONWriter&&) noexcept;
    JSONWriter& operator=(JSONWriter&&) noexcept;
    ~JSONWriter();

    void setString(std::string_view key, std::string_view value);
    void setNumber(std::string_view key, double value);
    void setInteger(std::string_view key, int value);
    void setBoolean(std::string_view key, bool value);
    void setDate(std::string_view key, Date value);
    void setDateInterval(std::string_view key, const DateInterval& value);
    void setStrings(std::string_view key, const std::vector<std::string>& values);
    void setObjects(std::string_view key, std::vector<JSONWriter> objects);

    /// The object as compact JSON (no spaces or line breaks). Text that is not UTF-8 has its
    /// bad bytes replaced by U+FFFD rather than failing the whole record.
    std::string compactString() const;

private:
    std::unique_ptr<nlohmann::json> json_;
};

} // namespace zt
