#pragma once

#include "ZTSwiftUIComponents/transactions/TagsConformable.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// The name without its leading "#", when it has one.
std::string tagNameWithoutTheHashtag(std::string_view name);

/// A text as a hashtag: "#" in front unless it is there already, and every whitespace character
/// (a line break as one) replaced by "_", so "coffee beans" becomes "#coffee_beans". Runs of
/// whitespace are kept as runs of "_" rather than collapsed, so no typed character goes missing.
std::string sanitizedTagText(std::string_view text);
/// The same, written into out (replacing its content), so a loop can reuse one buffer.
void sanitizeTagText(std::string_view text, std::string& out);

/// The tag's name as a hashtag, or "N/A" for a tag without a name.
std::string sanitizedName(const TagsConformable& tag);

/// The tags' hashtags, separated by single spaces.
std::string joinedHashtags(const std::vector<std::shared_ptr<TagsConformable>>& tags);

/// The text in lower case (Unicode rules, no locale tailoring); plain ASCII takes a fast path,
/// because searches lower-case every name on every keystroke.
std::string lowercasedName(std::string_view text);

/// Whether the text is empty or only white space and line breaks.
bool isBlankName(std::string_view text);

/// Whether the lower-cased text starts with the lower-cased prefix; plain ASCII is compared in
/// place, without copies.
bool hasLowercasedPrefix(std::string_view text, std::string_view lowercasedPrefix);

/// Whether text starts with prefix.
inline bool hasNamePrefix(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace zt
