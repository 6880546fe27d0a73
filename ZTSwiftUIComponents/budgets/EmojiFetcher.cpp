#include "EmojiFetcher.h"

#include "platform/Logger.h"

namespace zt {

EmojiFetcher::EmojiFetcher() : EmojiFetcher(Bundle::main()) {}

EmojiFetcher::EmojiFetcher(const Bundle& bundle) {
    load(bundle);
}

void EmojiFetcher::load(const Bundle& bundle) {
    isLoading.set(true);
    auto decoded = bundle.decode<std::vector<Emoji>>(resourceName);
    if (decoded) {
        index_ = EmojiSearch(*decoded);
        emojis.set(std::move(*decoded));
    } else {
        loadError_ = decoded.error().message;
        Logger("BundleExtensions").error(*loadError_);
    }
    isLoading.set(false);
}

std::vector<const Emoji*> EmojiFetcher::search(std::string_view searchText) const {
    std::vector<const Emoji*> out;
    for (const auto index : index_.matches(searchText))
        out.push_back(&emojis()[index]);
    return out;
}

} // namespace zt
