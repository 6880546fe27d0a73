#include "IconImages.h"

#include "ZTSwiftUIComponents/host/BundleIconPickerDataSource.h"

#include <set>

namespace zt {

namespace {

std::set<std::string, std::less<>> namesIn(std::string resourceName) {
    std::set<std::string, std::less<>> names;
    for (auto& icon : BundleIconPickerDataSource(std::move(resourceName)).icons())
        names.insert(std::move(icon.name));
    return names;
}

std::string lookUp(const std::set<std::string, std::less<>>& names, std::string_view named,
                   std::string_view fallback) {
    return std::string(names.contains(named) ? named : fallback);
}

} // namespace

// The catalogues are read once, on the first look-up.

std::string accountImage(std::string_view named) {
    static const auto names = namesIn("account-icons");
    return lookUp(names, named, defaultAccountImageName);
}

std::string categoryImage(std::string_view named) {
    static const auto names = namesIn("category-icons");
    return lookUp(names, named, defaultCategoryImageName);
}

} // namespace zt
