#pragma once

#include <optional>
#include <string>

namespace zt {

/// A tag as the host stores it; its name is a hashtag ("#trip").
class TagsConformable {
public:
    virtual ~TagsConformable() = default;

    virtual std::optional<std::string> id() const = 0;
    virtual void setId(std::optional<std::string> id) = 0;
    virtual std::optional<std::string> name() const = 0;
    virtual void setName(std::optional<std::string> name) = 0;
    virtual std::optional<int> orderPosition() const = 0;
    virtual void setOrderPosition(std::optional<int> position) = 0;
};

} // namespace zt
