// Arbitrary text as a user-defaults file. Reading must never crash; what it reads must be
// written and read back whole and unchanged; and a file the store wrote, cut anywhere, may only
// lose entries, never give one a changed value.
#include "platform/FileUserDefaults.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using zt::FileUserDefaults;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = FileUserDefaults::decode(text);
    const std::string written = FileUserDefaults::encode(read.values);
    const auto again = FileUserDefaults::decode(written);
    if (!again.complete || again.values != read.values)
        fail("what was read does not read back whole and unchanged");

    if (size == 0)
        return 0;
    const auto cut =
        FileUserDefaults::decode(std::string_view(written).substr(0, data[0] * size % written.size()));
    for (const auto& [key, value] : cut.values) {
        const auto found = read.values.find(key);
        if (found == read.values.end() || found->second != value)
            fail("a cut file gave a value the file did not hold");
    }
    return 0;
}
