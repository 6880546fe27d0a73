#pragma once

#include <memory>
#include <string>

namespace zt {

/// A subcategory: a shared, mutable object ("the same subcategory" is the same pointer).
class WidgetSubcategory {
public:
    WidgetSubcategory(std::string id, std::string name, std::string imageName = {}, int order = 0)
        : id(std::move(id)), name(std::move(name)), imageName(std::move(imageName)), order(order) {}

    std::string id;
    std::string name;
    std::string imageName;
    /// The position in the user's own order; rewritten when the user drags subcategories.
    int order = 0;
};

} // namespace zt
