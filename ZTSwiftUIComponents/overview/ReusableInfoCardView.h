#pragma once

#include "ZTSwiftUIComponents/host/OverviewItemType.h"
#include "platform/ui/View.h"

#include <optional>
#include <string>

namespace zt {

/// An information card of the overview: a title, a line of description and an image.
struct ReusableInfoCardView {
    std::string title;
    std::string description;
    /// The name of the image in the host's bundle.
    std::string image;

    /// The card of an information kind (academy, vote, tutorials, newsletter); nothing for the
    /// other kinds.
    static std::optional<ReusableInfoCardView> forKind(OverviewItemType kind);

    ui::View body() const;
};

} // namespace zt
