#include "AttributedText.h"

#include <algorithm>

namespace zt {

std::optional<TextRange> AttributedText::range(std::string_view part, std::size_t from) const {
    if (part.empty() || from > text_.size())
        return std::nullopt;
    const std::size_t at = std::string_view(text_).find(part, from);
    if (at == std::string_view::npos)
        return std::nullopt;
    return TextRange{at, part.size()};
}

AttributedText& AttributedText::setBold(TextRange range) {
    const std::size_t begin = std::min(range.location, text_.size());
    const std::size_t end = begin + std::min(range.length, text_.size() - begin);
    if (begin >= end)
        return *this;
    // Insert in order, then fold every span that touches or overlaps its predecessor.
    TextRange added{begin, end - begin};
    const auto at =
        std::lower_bound(bold_.begin(), bold_.end(), added,
                         [](const TextRange& a, const TextRange& b) { return a.location < b.location; });
    bold_.insert(at, added);
    std::vector<TextRange> merged;
    for (const TextRange& r : bold_) {
        if (!merged.empty() && r.location <= merged.back().end()) {
            const std::size_t last = std::max(merged.back().end(), r.end());
            merged.back().length = last - merged.back().location;
        } else {
            merged.push_back(r);
        }
    }
    bold_ = std::move(merged);
    return *this;
}

bool AttributedText::setBold(std::string_view firstOccurrenceOf) {
    const auto found = range(firstOccurrenceOf);
    if (!found)
        return false;
    setBold(*found);
    return true;
}

bool AttributedText::isBold(std::size_t byteOffset) const {
    return std::any_of(bold_.begin(), bold_.end(),
                       [&](const TextRange& r) { return r.location <= byteOffset && byteOffset < r.end(); });
}

std::vector<AttributedText::Run> AttributedText::runs() const {
    std::vector<Run> out;
    std::size_t at = 0;
    for (const TextRange& r : bold_) {
        if (r.location > at)
            out.push_back({text_.substr(at, r.location - at), false});
        out.push_back({text_.substr(r.location, r.length), true});
        at = r.end();
    }
    if (at < text_.size())
        out.push_back({text_.substr(at), false});
    return out;
}

} // namespace zt
