#include "KeyValueFile.h"

#include <boost/crc.hpp>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace zt {

namespace {

using Json = nlohmann::json;
using Value = KeyValueStore::Value;
using Element = KeyValueStore::Element;
using Values = KeyValueFile::Values;

// The index begins with an indefinite-length array, its name, its version and a four-byte CRC of
// everything after that CRC; the fixed start is what a reader searches for.
constexpr std::string_view indexMagic{"\x9f\x6c"
                                      "zt-kvs-index"
                                      "\x01\x1a",
                                      16};
constexpr std::size_t indexHeaderSize = indexMagic.size() + 4;
constexpr std::int64_t scalarMarker = -1; // an index entry of one value rather than an array

struct Span {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    std::uint64_t crc = 0;
};

struct IndexEntry {
    std::string key;
    bool isArray = false;
    std::vector<Span> spans;
};

struct Index {
    std::size_t start = 0;
    std::vector<IndexEntry> entries;
};

std::uint32_t crc32(std::string_view bytes) {
    boost::crc_32_type crc;
    crc.process_bytes(bytes.data(), bytes.size());
    return crc.checksum();
}

void appendHead(std::string& out, unsigned major, std::uint64_t argument) {
    const auto type = static_cast<unsigned>(major << 5);
    if (argument < 24) {
        out += static_cast<char>(type | argument);
        return;
    }
    const unsigned size = argument <= 0xff ? 1 : argument <= 0xffff ? 2 : argument <= 0xffffffff ? 4 : 8;
    const unsigned info = size == 1 ? 24 : size == 2 ? 25 : size == 4 ? 26 : 27;
    out += static_cast<char>(type | info);
    for (unsigned i = size; i-- > 0;)
        out += static_cast<char>((argument >> (8 * i)) & 0xff);
}

void appendText(std::string& out, std::string_view text) {
    appendHead(out, 3, text.size());
    out += text;
}

Value toValue(Element element) {
    return std::visit([](auto& v) { return Value{std::move(v)}; }, element);
}

std::optional<Element> fromUnsigned(std::uint64_t u) {
    if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
    return Element{static_cast<std::int64_t>(u)};
}

/// Reads the map entry by entry, so damage keeps the entries before it and the complete elements
/// of an array it cuts short. Values of kinds the store does not hold are skipped and noted.
/// Nesting is capped so that a hostile file cannot drive the recursive CBOR reader into the
/// stack's end.
class MapReader {
public:
    Values& values() { return values_; }
    bool skippedSomething() const { return skipped_; }

    bool null() { return unrepresentable(); }
    bool boolean(bool b) { return scalar(Element{b}); }
    bool number_integer(Json::number_integer_t i) { return scalar(Element{std::int64_t{i}}); }
    bool number_unsigned(Json::number_unsigned_t u) {
        const auto element = fromUnsigned(u);
        return element ? scalar(*element) : unrepresentable();
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
            unrepresentable(); // arrays inside arrays, arrays inside maps
        }
        return enter(Container::array);
    }
    bool end_array() {
        open_.pop_back();
        if (open_.size() == 1)
            commitArray();
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
        if (inValueArray())
            commitArray(); // the elements before the damage are whole
        return false;
    }

private:
    enum class Container { map, array };
    static constexpr std::size_t maximumDepth = 16;

    bool enter(Container container) {
        open_.push_back(container);
        return open_.size() <= maximumDepth;
    }
    bool inValueArray() const { return open_.size() == 2 && open_[1] == Container::array; }
    void commitArray() {
        if (arrayValid_)
            values_[key_] = Value{std::move(elements_)};
        arrayValid_ = false;
    }

    bool scalar(Element e) {
        if (open_.size() == 1)
            values_[key_] = toValue(std::move(e));
        else if (inValueArray())
            elements_.push_back(std::move(e));
        return !open_.empty();
    }
    bool unrepresentable() {
        skipped_ = true;
        if (open_.size() >= 2)
            arrayValid_ = false;
        return !open_.empty();
    }

    Values values_;
    std::string key_;
    std::vector<Element> elements_;
    std::vector<Container> open_;
    bool arrayValid_ = false;
    bool skipped_ = false;
};

/// Exactly one value the store holds, and nothing after it.
class ScalarReader {
public:
    std::optional<Element>& element() { return element_; }

    bool null() { return false; }
    bool boolean(bool b) { return set(Element{b}); }
    bool number_integer(Json::number_integer_t i) { return set(Element{std::int64_t{i}}); }
    bool number_unsigned(Json::number_unsigned_t u) {
        const auto element = fromUnsigned(u);
        return element && set(*element);
    }
    bool number_float(Json::number_float_t d, const std::string&) { return set(Element{d}); }
    bool string(std::string& s) { return set(Element{std::move(s)}); }
    bool binary(Json::binary_t& b) {
        return set(Element{KeyValueStore::Data{std::string(b.begin(), b.end())}});
    }
    bool key(std::string&) { return false; }
    bool start_object(std::size_t) { return false; }
    bool end_object() { return false; }
    bool start_array(std::size_t) { return false; }
    bool end_array() { return false; }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) { return false; }

private:
    bool set(Element e) {
        element_ = std::move(e);
        return true;
    }
    std::optional<Element> element_;
};

std::optional<Element> readScalar(std::string_view bytes) {
    ScalarReader reader;
    if (!Json::sax_parse(bytes.begin(), bytes.end(), &reader, Json::input_format_t::cbor))
        return std::nullopt;
    return std::move(reader.element());
}

/// The index's items: one flat array of texts and integers.
class IndexReader {
public:
    using Item = std::variant<std::string, std::uint64_t, std::int64_t>;
    std::vector<Item>& items() { return items_; }

    bool null() { return false; }
    bool boolean(bool) { return false; }
    bool number_integer(Json::number_integer_t i) { return add<std::int64_t>(i); }
    bool number_unsigned(Json::number_unsigned_t u) { return add<std::uint64_t>(u); }
    bool number_float(Json::number_float_t, const std::string&) { return false; }
    bool string(std::string& s) { return add<std::string>(std::move(s)); }
    bool binary(Json::binary_t&) { return false; }
    bool key(std::string&) { return false; }
    bool start_object(std::size_t) { return false; }
    bool end_object() { return false; }
    bool start_array(std::size_t) { return !std::exchange(opened_, true); }
    bool end_array() { return true; }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) { return false; }

private:
    template <class T> bool add(T value) {
        items_.emplace_back(std::in_place_type<T>, std::move(value));
        return opened_;
    }
    std::vector<Item> items_;
    bool opened_ = false;
};

/// The entries of an index whose CRC matched; nothing when its items do not make an index.
std::optional<std::vector<IndexEntry>> parseEntries(std::string_view bytes) {
    IndexReader reader;
    if (!Json::sax_parse(bytes.begin(), bytes.end(), &reader, Json::input_format_t::cbor))
        return std::nullopt;
    const auto& items = reader.items();
    std::size_t next = 3; // after the name, the version and the CRC
    const auto number = [&]() -> std::optional<std::uint64_t> {
        if (next >= items.size())
            return std::nullopt;
        const auto* u = std::get_if<std::uint64_t>(&items[next++]);
        return u ? std::optional{*u} : std::nullopt;
    };
    std::vector<IndexEntry> entries;
    while (next < items.size()) {
        const auto* key = std::get_if<std::string>(&items[next++]);
        if (!key || next >= items.size())
            return std::nullopt;
        IndexEntry entry{*key, true, {}};
        std::uint64_t count = 1;
        if (const auto* marker = std::get_if<std::int64_t>(&items[next]); marker && *marker == scalarMarker) {
            entry.isArray = false;
            ++next;
        } else if (const auto n = number()) {
            count = *n;
        } else {
            return std::nullopt;
        }
        for (std::uint64_t i = 0; i < count; ++i) {
            const auto offset = number();
            const auto length = number();
            const auto crc = number();
            if (!offset || !length || !crc)
                return std::nullopt;
            entry.spans.push_back(Span{*offset, *length, *crc});
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

/// The last index in bytes whose CRC matches. A value may hold the index's opening bytes, and a
/// key may too, so every candidate is checked from the end backwards.
std::optional<Index> findIndex(std::string_view bytes) {
    for (auto at = bytes.rfind(indexMagic); at != std::string_view::npos;
         at = at == 0 ? std::string_view::npos : bytes.rfind(indexMagic, at - 1)) {
        if (bytes.size() - at < indexHeaderSize)
            continue;
        std::uint32_t stored = 0;
        for (std::size_t i = 0; i < 4; ++i)
            stored = (stored << 8) | static_cast<std::uint8_t>(bytes[at + indexMagic.size() + i]);
        if (crc32(bytes.substr(at + indexHeaderSize)) != stored)
            continue;
        if (auto entries = parseEntries(bytes.substr(at)))
            return Index{at, std::move(*entries)};
    }
    return std::nullopt;
}

/// The element a span names, when its bytes are what the index says they were. A byte or text
/// string whose head alone was hit is rebuilt from the length the index gives it.
std::optional<Element> verified(std::string_view bytes, std::size_t end, const Span& span) {
    if (span.offset > end || span.length > end - span.offset)
        return std::nullopt;
    const auto item = bytes.substr(span.offset, span.length);
    if (crc32(item) == span.crc)
        return readScalar(item);
    for (const unsigned major : {2u, 3u}) {
        for (const std::size_t headSize : {1u, 2u, 3u, 5u, 9u}) {
            if (headSize > item.size())
                break;
            std::string rebuilt;
            appendHead(rebuilt, major, item.size() - headSize);
            if (rebuilt.size() != headSize)
                continue;
            rebuilt += item.substr(headSize);
            if (crc32(rebuilt) == span.crc)
                return readScalar(rebuilt);
        }
    }
    return std::nullopt;
}

/// Appends one element and returns where it lies.
Span appendElement(std::string& out, const Element& element) {
    const auto start = out.size();
    const Json json = std::visit(
        [](const auto& v) -> Json {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, KeyValueStore::Data>)
                return Json::binary(std::vector<std::uint8_t>(v.bytes.begin(), v.bytes.end()));
            else
                return Json(v);
        },
        element);
    Json::to_cbor(json, out);
    return Span{start, out.size() - start, crc32(std::string_view(out).substr(start))};
}

/// The map alone, as earlier versions wrote it, and where each value or element lies in it.
std::string encodeMap(const Values& values, std::vector<IndexEntry>* index) {
    std::string out;
    appendHead(out, 5, values.size());
    for (const auto& [key, value] : values) {
        appendText(out, key);
        IndexEntry entry{key, false, {}};
        std::visit(
            [&](const auto& v) {
                if constexpr (std::is_same_v<std::decay_t<decltype(v)>, KeyValueStore::Array>) {
                    entry.isArray = true;
                    appendHead(out, 4, v.size());
                    for (const auto& element : v)
                        entry.spans.push_back(appendElement(out, element));
                } else {
                    entry.spans.push_back(appendElement(out, Element{v}));
                }
            },
            value);
        if (index)
            index->push_back(std::move(entry));
    }
    return out;
}

} // namespace

KeyValueFile::Contents KeyValueFile::decode(std::string_view bytes) {
    if (bytes.empty())
        return {};
    const auto index = findIndex(bytes);
    if (!index) {
        MapReader reader;
        const bool whole = Json::sax_parse(bytes.begin(), bytes.end(), &reader, Json::input_format_t::cbor);
        return {std::move(reader.values()), whole && !reader.skippedSomething()};
    }
    Contents contents;
    for (const auto& entry : index->entries) {
        std::vector<Element> elements;
        for (const auto& span : entry.spans) {
            if (auto element = verified(bytes, index->start, span))
                elements.push_back(std::move(*element));
            else
                contents.complete = false;
        }
        if (entry.isArray)
            contents.values[entry.key] = Value{std::move(elements)};
        else if (!elements.empty())
            contents.values[entry.key] = toValue(std::move(elements.front()));
    }
    // Every byte of the map must be the one these values are written as: damage outside the
    // values (a key, a map or array header) leaves them intact, but the map is not.
    if (contents.complete && encodeMap(contents.values, nullptr) != bytes.substr(0, index->start))
        contents.complete = false;
    return contents;
}

std::string KeyValueFile::encode(const Values& values) {
    std::vector<IndexEntry> entries;
    std::string out = encodeMap(values, &entries);
    out += indexMagic;
    const auto crcAt = out.size();
    out.append(4, '\0');
    for (const auto& entry : entries) {
        appendText(out, entry.key);
        if (entry.isArray)
            appendHead(out, 0, entry.spans.size());
        else
            appendHead(out, 1, static_cast<std::uint64_t>(-1 - scalarMarker));
        for (const auto& span : entry.spans) {
            appendHead(out, 0, span.offset);
            appendHead(out, 0, span.length);
            appendHead(out, 0, span.crc);
        }
    }
    out += '\xff';
    const auto crc = crc32(std::string_view(out).substr(crcAt + 4));
    for (std::size_t i = 0; i < 4; ++i)
        out[crcAt + i] = static_cast<char>((crc >> (8 * (3 - i))) & 0xff);
    return out;
}

} // namespace zt
