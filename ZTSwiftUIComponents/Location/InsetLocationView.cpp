#include "InsetLocationView.h"

#include "platform/StringTable.h"

#include <sstream>
#include <utility>

namespace zt {

struct InsetLocationView::State {
    bool isRemoveConfirmationPresented = false;
    std::shared_ptr<MapSnapshotter> snapshotter;
    // What the picture below was (or is being) drawn for.
    std::optional<MapSnapshotOptions> requested;
    std::optional<std::string> picture;
    bool failed = false;
};

namespace {

// The library's "mapPin": a teardrop with a dot, its tip on the place.
std::string insetMapPin(const MapSnapshot::Point& tip, double size) {
    std::ostringstream out;
    out << "<g transform=\"translate(" << tip.x - size / 2 << ' ' << tip.y - size << ") scale(" << size / 24
        << ")\"><path d=\"M12 23s-8-7.2-8-13a8 8 0 0 1 16 0c0 5.8-8 13-8 13z\" fill=\"#ff4059\" "
           "stroke=\"#ffffff\" stroke-width=\"1.5\"/><circle cx=\"12\" cy=\"10\" r=\"3\" "
           "fill=\"#ffffff\"/></g>";
    return out.str();
}

} // namespace

InsetLocationView::InsetLocationView(ui::Binding<std::optional<BaseLocation>> location,
                                     std::shared_ptr<LocationServices> services, double span,
                                     double mapHeight)
    : location_(std::move(location)), services_(services ? std::move(services) : LocationServices::current()),
      span_(span), mapHeight_(mapHeight), state_(std::make_shared<State>()) {}

MapSnapshotOptions InsetLocationView::snapshotOptions(const BaseLocation& place) const {
    const auto center = place.location.value_or(defaultCoordinate);
    return {{center, span_, span_ * mapWidth / mapHeight()}, mapWidth, mapHeight()};
}

ui::View InsetLocationView::map(const BaseLocation& place) const {
    auto& s = *state_;
    const auto options = snapshotOptions(place);
    if (s.requested != options) {
        // A new place (or size): the old picture goes, and a new one is drawn.
        s.requested = options;
        s.picture.reset();
        s.failed = false;
        if (!s.snapshotter)
            s.snapshotter = services_->makeMapSnapshotter();
        s.snapshotter->start(options, [weak = std::weak_ptr<State>(state_),
                                       options](const std::optional<MapSnapshot>& snapshot,
                                                const std::optional<LocationServiceError>& error) {
            const auto st = weak.lock();
            if (!st || st->requested != options || (error && error->isCancellation))
                return;
            if (snapshot)
                st->picture = snapshot->svg(insetMapPin(snapshot->point(options.region.center), markerSize));
            else
                st->failed = true;
        });
    }
    if (s.picture)
        return ui::picture(
                   *s.picture,
                   format(L("Map around %@", "Description of a map picture; %@ is a place"), place.name))
            .id("locationMap");
    if (s.failed)
        return ui::label(L("Unknown error"), "exclamationmark.triangle").secondary().id("locationMap");
    return ui::text(L("Loading map…")).secondary().id("locationMap");
}

ui::View InsetLocationView::body() const {
    const auto place = location_();
    if (!place)
        return ui::button(L("Add location"), "mappin.and.ellipse",
                          [onEdit = onEdit] {
                              if (onEdit)
                                  onEdit();
                          })
            .disabled(!onEdit)
            .id("addLocation");

    const std::weak_ptr<State> weak = state_;
    const auto setConfirmation = [weak](bool shown) {
        if (const auto s = weak.lock())
            s->isRemoveConfirmationPresented = shown;
    };
    std::vector<ui::View> title{ui::label(place->name, place->systemImageName()).bold(), ui::spacer()};
    if (onEdit)
        title.push_back(
            ui::button({}, "pencil.circle", onEdit).accessibilityLabel(L("Edit")).id("editPlace"));
    title.push_back(ui::button({}, "trash.circle", [setConfirmation] { setConfirmation(true); })
                        .role(ui::ButtonRole::destructive)
                        .accessibilityLabel(L("Delete"))
                        .id("removeLocation"));

    // Tapping the map edits the place, as the card's footer promises.
    std::vector<ui::View> card{onEdit ? ui::button(onEdit, {map(*place)}) : map(*place),
                               ui::hstack(std::move(title))};
    if (!place->subtitle.empty())
        card.push_back(ui::text(place->subtitle).secondary());
    card.push_back(
        ui::confirmationDialog(L("Are you sure?"), {}, state_->isRemoveConfirmationPresented, setConfirmation,
                               {ui::button(L("Delete"), [location = location_] { location(std::nullopt); })
                                    .role(ui::ButtonRole::destructive),
                                ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel)})
            .id("removeLocationConfirmation"));
    return ui::vstack(std::move(card)).id("insetLocation");
}

ui::View AddLocationMediumSheetView::body() const {
    return ui::navigationTitle(L("Add location"), {card.body()});
}

} // namespace zt
