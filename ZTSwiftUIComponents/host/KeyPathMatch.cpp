#include "KeyPathMatch.h"

namespace zt {

SearchText::SearchText(std::string_view text) : folded_(foldedForSearch(text)) {}

bool SearchText::matches(std::string_view candidate) const {
    if (folded_.empty())
        return true;
    // Both sides are folded UTF-8, so a byte search finds whole code points.
    return foldedForSearch(candidate).find(folded_) != std::string::npos;
}

bool SearchText::matches(const std::optional<std::string>& candidate) const {
    if (folded_.empty())
        return true;
    return candidate && matches(std::string_view(*candidate));
}

} // namespace zt
