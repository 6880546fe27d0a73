#pragma once

#include "ZTSwiftUIComponents/budgets/Emoji.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// The emoji search, prepared once per catalogue so that each keystroke costs one pass over one
/// lower-cased text: an emoji is kept when its description, one of its aliases or one of its tags
/// contains the query in lower case. Results keep the catalogue's order.
class EmojiSearch {
public:
    EmojiSearch() = default;
    explicit EmojiSearch(const std::vector<Emoji>& emojis);

    /// The positions in the catalogue of the emojis the text finds; every position for an empty
    /// text.
    std::vector<std::uint32_t> matches(std::string_view searchText) const;

private:
    // Every emoji's lower-cased description, aliases and tags, each field closed by a separator
    // no query contains, emoji after emoji; starts_[i] is where emoji i's fields begin.
    std::string haystack_;
    std::vector<std::uint32_t> starts_;
};

} // namespace zt
