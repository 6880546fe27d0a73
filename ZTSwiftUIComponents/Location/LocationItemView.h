#pragma once

#include "ZTSwiftUIComponents/host/BaseLocation.h"
#include "platform/ui/View.h"

#include <functional>

namespace zt {

/// One place of a list: its symbol, name and address, marked when it is the chosen one.
struct LocationItemView {
    BaseLocation place;
    bool isSelected = false;
    std::function<void()> onTap;

    ui::View body() const;
};

} // namespace zt
