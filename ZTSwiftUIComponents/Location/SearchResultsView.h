#pragma once

#include "ZTSwiftUIComponents/host/BaseLocation.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The places a search found, in the order given, or a note that nothing was found for the
/// typed text (nothing at all while no text is typed).
struct SearchResultsView {
    std::vector<BaseLocation> places;
    std::string query;
    std::optional<std::string> selectedId;
    std::function<void(const BaseLocation&)> onSelect;

    ui::View body() const;
};

} // namespace zt
