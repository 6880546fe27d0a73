#pragma once

#include "ZTSwiftUIComponents/Location/LocationsViewModel.h"
#include "ZTSwiftUIComponents/host/BaseLocation.h"
#include "platform/LocationServices.h"
#include "platform/ui/Binding.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>

namespace zt {

/// The place search: a text field, the current place and the points of interest found around it,
/// nearest first. Tapping a place marks it; "Select" hands the marked place to the binding and
/// closes the screen. Copies share their state. Main thread.
class SearchLocationView {
public:
    /// The map shows this many metres around the current place.
    static constexpr double regionSpan = 2000;

    /// currentLocation: where the user is, offered first; the search centres on it, else on
    /// fallbackCenter, else on the map's default point.
    SearchLocationView(ui::Binding<std::optional<BaseLocation>> selectedLocation,
                       std::optional<BaseLocation> currentLocation,
                       std::shared_ptr<LocationServices> services = LocationServices::current(),
                       std::optional<Coordinate> fallbackCenter = std::nullopt);

    /// Closes the screen; set by whoever presents it.
    std::function<void()> dismiss;

    const std::shared_ptr<LocationsViewModel>& viewModel() const { return viewModel_; }
    /// The region the map opens on.
    CoordinateRegion region() const;
    ui::View body() const;

private:
    struct State {
        std::optional<BaseLocation> marked;
    };

    ui::Binding<std::optional<BaseLocation>> selectedLocation_;
    std::optional<BaseLocation> currentLocation_;
    std::shared_ptr<LocationsViewModel> viewModel_;
    ui::ScreenState<State> state_;
};

} // namespace zt
