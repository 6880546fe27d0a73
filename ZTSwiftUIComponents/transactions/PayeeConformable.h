#pragma once

#include <optional>
#include <string>

namespace zt {

/// A payee (person or company) as the host stores it.
class PayeeConformable {
public:
    virtual ~PayeeConformable() = default;

    virtual std::optional<std::string> id() const = 0;
    virtual void setId(std::optional<std::string> id) = 0;
    virtual std::optional<std::string> name() const = 0;
    virtual void setName(std::optional<std::string> name) = 0;
    virtual std::optional<int> displayOrder() const = 0;
    virtual void setDisplayOrder(std::optional<int> order) = 0;
};

} // namespace zt
