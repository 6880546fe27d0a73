#pragma once

#include "ZTSwiftUIComponents/host/Sort.h"
#include "platform/ui/View.h"

#include <functional>

namespace zt {

/// The sort menu of the lists with a remembered sort: the key and the direction.
ui::View sortMenu(const Sort& current, std::function<void(const Sort&)> onChange);

} // namespace zt
