#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"

#include <string>

namespace zt {

/// A category the user spent the most on in the current period, as the database hands it to the
/// top-categories card.
struct TopCategory {
    std::string name;
    /// In the application currency.
    double amountSpent = 0;
    Color color;

    bool operator==(const TopCategory&) const = default;
};

} // namespace zt
