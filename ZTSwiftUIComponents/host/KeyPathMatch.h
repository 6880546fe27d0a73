#pragma once

#include "platform/TextFolding.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zt {

/// A search text prepared for matching names the way the app's search fields do: a name matches
/// when it contains the text, ignoring case and diacritics ("cafe" finds "Café", "STRASSE" finds
/// "Straße"). An empty search text matches every name, including a missing one; otherwise a
/// missing name matches nothing.
class SearchText {
public:
    explicit SearchText(std::string_view text);

    bool isEmpty() const { return folded_.empty(); }
    bool matches(std::string_view candidate) const;
    bool matches(const std::string& candidate) const { return matches(std::string_view(candidate)); }
    bool matches(const char* candidate) const {
        return matches(std::string_view(candidate ? candidate : ""));
    }
    bool matches(const std::optional<std::string>& candidate) const;

private:
    std::string folded_;
};

/// The key-path match operator: a predicate over a root object (or a pointer to one) that reads a
/// string member or accessor and matches it against searchText, e.g.
/// `std::ranges::copy_if(categories, out, keyPathMatch(&WidgetCategory::name, query))`.
template <class Accessor> auto keyPathMatch(Accessor accessor, std::string_view searchText) {
    return [accessor = std::move(accessor), query = SearchText(searchText)](const auto& root) -> bool {
        if (query.isEmpty())
            return true;
        return query.matches(std::invoke(accessor, root));
    };
}

} // namespace zt
