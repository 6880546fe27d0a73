#pragma once

#include <optional>
#include <string>

namespace zt {

/// A tag as the host stores it; its name is a hashtag ("#trip").
class TagsConformable {
public:
    virtual ~TagsConformable() = default;

    /// The stored identifier; deleting and reordering go by it (nothing counts as an empty one).
    virtual std::optional<std::string> id() const = 0;
    /// Changes the identifier.
    virtual void setId(std::optional<std::string> id) = 0;
    /// The hashtag ("#trip"); without one it is searched as "N/A" and sorted as an empty text.
    virtual std::optional<std::string> name() const = 0;
    /// Changes the name.
    virtual void setName(std::optional<std::string> name) = 0;
    /// The position in the user's own order; empty counts as 0.
    virtual std::optional<int> orderPosition() const = 0;
    /// Changes the position.
    virtual void setOrderPosition(std::optional<int> position) = 0;
};

} // namespace zt
