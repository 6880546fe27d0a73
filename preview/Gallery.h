#pragma once

#include "platform/ui/View.h"

#include <functional>
#include <string>
#include <vector>

namespace zt::preview {

/// One screen of the gallery, built on demo data in the environment the gallery pins.
struct Page {
    std::string name;
    std::string title;
    std::function<ui::View()> build;
};

/// Every page, in gallery order. Each subsystem contributes its pages from its own file.
std::vector<Page> allPages();

std::vector<Page> hostPages();
std::vector<Page> overviewPages();
std::vector<Page> creditCardPages();

} // namespace zt::preview
