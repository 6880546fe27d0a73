#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// One icon of an icon picker: a symbol name with the words it is found by.
struct Icon {
    /// The symbol name, also the icon's identity.
    std::string name;
    /// The group it is listed under ("Banking", "Food").
    std::string group;
    /// Further words a search finds the icon by, besides its name and group.
    std::vector<std::string> keywords;

    /// Equal when every field is.
    bool operator==(const Icon&) const = default;
};

/// Where an icon picker's icons come from.
class IconPickerDataSource {
public:
    virtual ~IconPickerDataSource() = default;
    /// Every icon, in catalogue order.
    virtual std::vector<Icon> icons() const = 0;
};

/// What the account and category icon pickers search.
class IconPickerServicing {
public:
    virtual ~IconPickerServicing() = default;
    /// The icons matching a search text, in catalogue order; every icon for an empty text.
    virtual std::vector<Icon> icon(std::string_view matching) const = 0;
};

} // namespace zt
