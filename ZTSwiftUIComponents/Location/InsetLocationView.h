#pragma once

#include "ZTSwiftUIComponents/host/BaseLocation.h"
#include "platform/LocationServices.h"
#include "platform/ui/Binding.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The card of a chosen place: a map picture around it with a pin in the middle, its name and
/// address, an edit button (when onEdit is set) and a remove button that asks first. Without a
/// place it offers "Add location". The picture is drawn by the map service when the card is
/// first built for a place, and again when the place changes. Copies share their state.
class InsetLocationView {
public:
    /// The map's centre for a place known only by name: the middle of Berlin.
    static constexpr Coordinate defaultCoordinate{52.520008, 13.404954};
    static constexpr double defaultMapHeight = 220;
    static constexpr double mapWidth = 360;
    static constexpr double markerSize = 36;

    /// span: metres the map shows north to south and east to west; mapHeight 0 means the default.
    InsetLocationView(ui::Binding<std::optional<BaseLocation>> location,
                      std::shared_ptr<LocationServices> services = LocationServices::current(),
                      double span = 1000, double mapHeight = 0);

    /// Opens the place search; without it the card offers no editing.
    std::function<void()> onEdit;

    double mapHeight() const { return mapHeight_ > 0 ? mapHeight_ : defaultMapHeight; }
    /// What the snapshot is asked for when showing place.
    MapSnapshotOptions snapshotOptions(const BaseLocation& place) const;
    ui::View body() const;

private:
    struct State;

    ui::View map(const BaseLocation& place) const;

    ui::Binding<std::optional<BaseLocation>> location_;
    std::shared_ptr<LocationServices> services_;
    double span_;
    double mapHeight_;
    std::shared_ptr<State> state_;
};

/// The medium-height sheet over a transaction's place: the place card titled "Add location".
struct AddLocationMediumSheetView {
    InsetLocationView card;

    ui::View body() const;
};

} // namespace zt
