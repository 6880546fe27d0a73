// Arbitrary bytes as quick-entry lines in a locale with a decimal point and one with a decimal
// comma: the parser must never crash, every entry it reads has a finite amount above zero and names
// only listed categories and accounts, and no entry is both read and reported.
#include "mocks/QuickEntryParser.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void quickEntryFuzzFail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const zt::QuickEntryParser parsers[] = {
        zt::QuickEntryParser({"Food", "Eating Out", "Caf\xC3\xA9", "Transport"}, {"Wallet", "Credit Card"},
                             "en_US"),
        zt::QuickEntryParser({"Food", "Eating Out", "Caf\xC3\xA9", "Transport"}, {"Wallet", "Credit Card"},
                             "de_DE")};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto& parser : parsers) {
        const auto parsed = parser.parse(text);
        if (parsed.entries.size() + parsed.problems.size() > zt::QuickEntryParser::maxEntries + 1)
            quickEntryFuzzFail("more results than entries allowed");
        for (const auto& entry : parsed.entries) {
            if (!std::isfinite(entry.amount) || !(entry.amount > 0))
                quickEntryFuzzFail("an amount that is not finite and above zero");
            if ((entry.category && *entry.category >= 4) || (entry.account && *entry.account >= 2))
                quickEntryFuzzFail("a name outside the lists");
            if (entry.description.size() > text.size())
                quickEntryFuzzFail("a description longer than the line");
        }
    }
    return 0;
}
