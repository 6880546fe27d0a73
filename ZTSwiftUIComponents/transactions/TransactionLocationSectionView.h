#pragma once

#include "ZTSwiftUIComponents/host/BaseLocation.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <string>

namespace zt {

/// "Location" of the details screen: the place with its remove button (after a confirmation), or
/// "Add location" when there is none and a place search is offered.
struct TransactionLocationSectionView {
    std::string locationHeader;
    std::string locationFooter;
    std::optional<BaseLocation> location;
    bool isRemoveConfirmationPresented = false;
    std::function<void(bool)> setRemoveConfirmationPresented;
    /// Opens the place search; empty when none is offered.
    std::function<void()> onEdit;
    std::function<void()> onRemove;

    ui::View body() const;
};

} // namespace zt
