#pragma once

#include "ZTSwiftUIComponents/budgets/Bundle.h"
#include "ZTSwiftUIComponents/budgets/Emoji.h"
#include "ZTSwiftUIComponents/budgets/EmojiSearch.h"
#include "platform/Published.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// The emoji catalogue "emoji.json" of a bundle, decoded once, synchronously, when the fetcher is
/// made. A catalogue that is missing or does not match its schema gives no emojis: the diagnostic
/// is logged and kept in loadError(). Main thread.
class EmojiFetcher : public ObservableObject {
public:
    static constexpr std::string_view resourceName = "emoji.json";

    /// From the main bundle.
    EmojiFetcher();
    explicit EmojiFetcher(const Bundle& bundle);

    /// True only while the catalogue is being decoded.
    Published<bool, EmojiFetcher> isLoading{*this, false};
    /// The catalogue in file order.
    Published<std::vector<Emoji>, EmojiFetcher> emojis{*this};

    const std::optional<std::string>& loadError() const { return loadError_; }

    /// The emojis a search text keeps, in file order: all of them for an empty text, otherwise
    /// those whose description, an alias or a tag contains the text in any case.
    std::vector<const Emoji*> search(std::string_view searchText) const;

private:
    void load(const Bundle& bundle);

    EmojiSearch index_;
    std::optional<std::string> loadError_;
};

} // namespace zt
