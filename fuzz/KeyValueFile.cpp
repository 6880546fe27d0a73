// Arbitrary bytes as a key-value store file. Reading must never crash; what it reads must be
// written and read back whole and unchanged; and one damaged byte in a file the store wrote must
// always be noticed and may only take values or elements away, never change one.
#include "platform/KeyValueFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace {

using zt::KeyValueFile;
using Element = zt::KeyValueStore::Element;
using Array = zt::KeyValueStore::Array;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

bool same(const Element& a, const Element& b) {
    const auto* x = std::get_if<double>(&a);
    const auto* y = std::get_if<double>(&b);
    return a == b || (x && y && std::isnan(*x) && std::isnan(*y));
}

/// A value that is not an array, as an element; nothing for an array.
std::optional<Element> scalar(const zt::KeyValueStore::Value& value) {
    return std::visit(
        [](const auto& v) -> std::optional<Element> {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, Array>)
                return std::nullopt;
            else
                return Element{v};
        },
        value);
}

/// Whether every value of part is in whole, arrays as subsequences of whole's arrays.
bool within(const KeyValueFile::Values& part, const KeyValueFile::Values& whole) {
    for (const auto& [key, value] : part) {
        const auto found = whole.find(key);
        if (found == whole.end())
            return false;
        const auto one = scalar(value);
        const auto other = scalar(found->second);
        if (one || other) {
            if (!one || !other || !same(*one, *other))
                return false;
            continue;
        }
        const auto& original = std::get<Array>(found->second);
        std::size_t next = 0;
        for (const auto& element : std::get<Array>(value)) {
            while (next < original.size() && !same(original[next], element))
                ++next;
            if (next++ >= original.size())
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = KeyValueFile::decode(bytes);
    const std::string written = KeyValueFile::encode(read.values);
    const auto again = KeyValueFile::decode(written);
    if (!again.complete || KeyValueFile::encode(again.values) != written)
        fail("what was read does not read back whole and unchanged");

    if (written.empty() || size == 0)
        return 0;
    // One damaged byte, placed and chosen by the input.
    std::string damaged = written;
    const std::size_t at = (size * 7919 + data[0]) % damaged.size();
    damaged[at] = static_cast<char>(damaged[at] ^ (data[size - 1] | 1));
    const auto salvaged = KeyValueFile::decode(damaged);
    if (salvaged.complete)
        fail("a damaged byte went unnoticed");
    if (!within(salvaged.values, again.values))
        fail("a damaged file gave a value the file did not hold");
    return 0;
}
