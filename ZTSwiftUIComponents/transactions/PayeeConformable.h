#pragma once

#include <optional>
#include <string>

namespace zt {

/// A payee (person or company) as the host stores it.
class PayeeConformable {
public:
    virtual ~PayeeConformable() = default;

    /// The stored identifier; deleting and reordering go by it (nothing counts as an empty one).
    virtual std::optional<std::string> id() const = 0;
    /// Changes the identifier.
    virtual void setId(std::optional<std::string> id) = 0;
    /// The payee's name; without one it is listed, searched and sorted as an empty text.
    virtual std::optional<std::string> name() const = 0;
    /// Renames the payee; DatabaseConformable::save() stores it.
    virtual void setName(std::optional<std::string> name) = 0;
    /// The position in the user's own order; empty counts as 0.
    virtual std::optional<int> displayOrder() const = 0;
    /// Changes the position.
    virtual void setDisplayOrder(std::optional<int> order) = 0;
};

} // namespace zt
