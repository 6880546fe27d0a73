// The emoji catalogue decoder on arbitrary bytes: it must give a catalogue or a diagnostic, never
// crash, and a diagnostic always names the file.
#include "ZTSwiftUIComponents/budgets/Bundle.h"
#include "ZTSwiftUIComponents/budgets/EmojiSearch.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto decoded = zt::Bundle::decode<std::vector<zt::Emoji>>(bytes, "emoji.json");
    if (!decoded) {
        if (decoded.error().message.rfind("Failed to decode emoji.json from bundle", 0) != 0)
            std::abort();
        return 0;
    }
    // What decodes is searched as the picker would: every description finds its own emoji, unless
    // it holds the field separator, which no query may.
    const zt::EmojiSearch search(*decoded);
    for (const auto& emoji : *decoded)
        if (!emoji.description.empty() && emoji.description.find('\x1f') == std::string::npos &&
            search.matches(emoji.description).empty())
            std::abort();
    return 0;
}
