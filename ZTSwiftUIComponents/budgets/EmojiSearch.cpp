#include "EmojiSearch.h"

#include "ZTSwiftUIComponents/budgets/SearchText.h"

#include <algorithm>
#include <numeric>

namespace zt {

namespace {

// A control character closes each field, so a match never runs from one field into the next.
constexpr char separator = '\x1f';

} // namespace

EmojiSearch::EmojiSearch(const std::vector<Emoji>& emojis) {
    starts_.reserve(emojis.size() + 1);
    for (const auto& emoji : emojis) {
        starts_.push_back(static_cast<std::uint32_t>(haystack_.size()));
        const auto add = [&](const std::string& field) {
            haystack_ += lowercased(field);
            haystack_ += separator;
        };
        add(emoji.description);
        for (const auto& alias : emoji.aliases)
            add(alias);
        for (const auto& tag : emoji.tags)
            add(tag);
    }
    starts_.push_back(static_cast<std::uint32_t>(haystack_.size()));
}

std::vector<std::uint32_t> EmojiSearch::matches(std::string_view searchText) const {
    const std::size_t count = starts_.empty() ? 0 : starts_.size() - 1;
    std::vector<std::uint32_t> out;
    if (searchText.empty()) {
        out.resize(count);
        std::iota(out.begin(), out.end(), 0u);
        return out;
    }
    const std::string query = lowercased(searchText);
    // A query holding the separator could only match across fields.
    if (query.find(separator) != std::string::npos)
        return out;
    const std::string_view haystack(haystack_);
    std::size_t position = haystack.find(query);
    while (position != std::string_view::npos) {
        // The emoji whose fields hold the hit; the search goes on after its last field.
        const auto next =
            std::upper_bound(starts_.begin(), starts_.end(), static_cast<std::uint32_t>(position));
        const auto index = static_cast<std::uint32_t>(next - starts_.begin() - 1);
        out.push_back(index);
        position = haystack.find(query, *next);
    }
    return out;
}

} // namespace zt
