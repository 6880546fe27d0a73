#include "TagName.h"

#include <algorithm>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace zt {

namespace {

/// The length of the whitespace character at text[i], or 0 when there is none. CR LF counts as
/// one character, as a user sees it.
std::size_t tagWhitespaceLength(std::string_view text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        return 2;
    if (c == ' ' || (c >= '\t' && c <= '\r'))
        return 1;
    if (c < 0x80)
        return 0;
    UChar32 code = 0;
    auto next = static_cast<int32_t>(i);
    U8_NEXT(reinterpret_cast<const uint8_t*>(text.data()), next, static_cast<int32_t>(text.size()), code);
    const bool space = code == 0x85 || code == 0xA0 || code == 0x1680 || (code >= 0x2000 && code <= 0x200A) ||
                       code == 0x2028 || code == 0x2029 || code == 0x202F || code == 0x205F || code == 0x3000;
    return space ? static_cast<std::size_t>(next) - i : 0;
}

} // namespace

std::string tagNameWithoutTheHashtag(std::string_view name) {
    if (!name.empty() && name.front() == '#')
        name.remove_prefix(1);
    return std::string(name);
}

std::string sanitizedTagText(std::string_view text) {
    std::string result;
    sanitizeTagText(text, result);
    return result;
}

void sanitizeTagText(std::string_view text, std::string& result) {
    result.clear();
    result.reserve(text.size() + 1);
    if (text.empty() || text.front() != '#')
        result.push_back('#');
    for (std::size_t i = 0; i < text.size();) {
        if (const auto length = tagWhitespaceLength(text, i)) {
            result.push_back('_');
            i += length;
        } else {
            result.push_back(text[i++]);
        }
    }
}

std::string sanitizedName(const TagsConformable& tag) {
    const auto name = tag.name();
    return name ? sanitizedTagText(*name) : std::string("N/A");
}

std::string joinedHashtags(const std::vector<std::shared_ptr<TagsConformable>>& tags) {
    std::string joined;
    for (const auto& tag : tags) {
        if (!tag)
            continue;
        if (!joined.empty())
            joined.push_back(' ');
        joined += sanitizedName(*tag);
    }
    return joined;
}

bool hasLowercasedPrefix(std::string_view text, std::string_view lowercasedPrefix) {
    const auto isAscii = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](unsigned char c) { return c < 0x80; });
    };
    const auto head = text.substr(0, lowercasedPrefix.size());
    if (isAscii(head) && isAscii(lowercasedPrefix)) {
        if (head.size() < lowercasedPrefix.size())
            return false;
        for (std::size_t i = 0; i < head.size(); ++i) {
            auto c = head[i];
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            if (c != lowercasedPrefix[i])
                return false;
        }
        return true;
    }
    return hasNamePrefix(lowercasedName(text), lowercasedPrefix);
}

bool isBlankName(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto length = tagWhitespaceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string lowercasedName(std::string_view text) {
    if (std::all_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x80; })) {
        std::string lowered(text);
        for (auto& c : lowered)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return lowered;
    }
    std::string lowered;
    icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())))
        .toLower(icu::Locale::getRoot())
        .toUTF8String(lowered);
    return lowered;
}

} // namespace zt
