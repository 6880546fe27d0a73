#include "ZTSwiftUIComponents/Location/InlineLocationView.h"
#include "ZTSwiftUIComponents/Location/InsetLocationView.h"
#include "ZTSwiftUIComponents/Location/SearchLocationView.h"
#include "mocks/DemoPlaces.h"
#include "platform/Console.h"
#include "platform/InMemoryLocationServices.h"
#include "platform/ui/HtmlRenderer.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zt {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Status = LocationAuthorizationStatus;

BaseLocation chosenPlace() {
    return BaseLocation{"chosen", "Chosen Place", "Somewhere 1", Coordinate{52.5200, 13.4050}, "cafe"};
}

// A place the caller owns, edited through a binding the way a parent screen's state is.
struct PlaceHolder {
    std::optional<BaseLocation> place;
    int writes = 0;

    ui::Binding<std::optional<BaseLocation>> binding() {
        return {[this] { return place; },
                [this](const std::optional<BaseLocation>& value) {
                    place = value;
                    ++writes;
                }};
    }
};

class InlineLocationViewTest : public test::PinnedTest {
protected:
    std::shared_ptr<InMemoryLocationServices> services =
        demo::makeDemoLocationServices(Status::notDetermined);
    bool automatic = true;
    int taps = 0;

    std::pair<std::shared_ptr<LocationManager>, InlineLocationView> make(std::optional<BaseLocation> place,
                                                                         Status status) {
        services->setAuthorizationStatus(status);
        auto manager = std::make_shared<LocationManager>(std::move(place), services);
        InlineLocationView view(manager, [this] { return automatic; });
        view.onDidTap = [this] { ++taps; };
        return {manager, view};
    }
};

TEST_F(InlineLocationViewTest, TappingWithoutAPlaceFollowsTheAuthorisationStatus) {
    {
        SCOPED_TRACE("not determined: access is asked for, nothing else");
        auto [manager, view] = make(std::nullopt, Status::notDetermined);
        ui::press(view.body(), ui::byId("placeRow"));
        EXPECT_EQ(services->promptCount(), 1u);
        EXPECT_FALSE(view.isSheetPresented());
        EXPECT_EQ(taps, 0);
    }
    {
        SCOPED_TRACE("denied: the settings open, nothing else");
        auto [manager, view] = make(std::nullopt, Status::denied);
        EXPECT_TRUE(ui::exists(view.body(), "Grant location access"));
        ui::press(view.body(), ui::byId("placeRow"));
        EXPECT_EQ(services->settingsOpenCount(), 1u);
        EXPECT_FALSE(view.isSheetPresented());
        EXPECT_EQ(taps, 0);
    }
    for (const auto status : {Status::restricted, Status::authorizedWhenInUse, Status::authorizedAlways}) {
        SCOPED_TRACE(static_cast<int>(status));
        taps = 0;
        auto [manager, view] = make(std::nullopt, status);
        EXPECT_TRUE(ui::exists(view.body(), "Tap to add location"));
        ui::press(view.body(), ui::byId("placeRow"));
        EXPECT_TRUE(view.isSheetPresented());
        EXPECT_EQ(taps, 1);
        EXPECT_TRUE(ui::exists(view.body(), ui::byId("placeSearchField"))) << "the sheet opens on the search";
    }
    EXPECT_EQ(services->promptCount(), 1u);
    EXPECT_EQ(services->settingsOpenCount(), 1u);
}

TEST_F(InlineLocationViewTest, WithAPlaceChosenTheSheetOpensOnItsCardWhateverTheStatus) {
    for (const auto status : {Status::notDetermined, Status::denied}) {
        SCOPED_TRACE(static_cast<int>(status));
        taps = 0;
        auto [manager, view] = make(chosenPlace(), status);
        EXPECT_TRUE(ui::exists(view.body(), "Chosen Place"));
        ui::press(view.body(), ui::byId("placeRow"));
        EXPECT_TRUE(view.isSheetPresented());
        EXPECT_EQ(taps, 1);
        EXPECT_TRUE(ui::exists(view.body(), ui::byId("insetLocation")));
    }
    EXPECT_EQ(services->promptCount(), 0u);
    EXPECT_EQ(services->settingsOpenCount(), 0u);
}

TEST_F(InlineLocationViewTest, TheCurrentPlaceFillsInButNeverReplacesAChosenOne) {
    ConsoleCapture capture;
    auto [manager, view] = make(std::nullopt, Status::authorizedWhenInUse);
    manager->start();
    queue().runUntilIdle();
    ASSERT_TRUE(manager->selectedLocation());
    EXPECT_EQ(manager->selectedLocation()->name, "Hackescher Markt");
    EXPECT_THAT(capture.lines(), ElementsAre("Changed manager.currentLocation: Hackescher Markt"));

    manager->selectedLocation.set(chosenPlace());
    services->setDevicePosition(Coordinate{52.52460, 13.40850}); // at the coffee roaster
    manager->start();
    queue().runUntilIdle();
    EXPECT_EQ(manager->currentUserLocation()->name, "Father Carpenter Coffee Brewers");
    EXPECT_EQ(manager->selectedLocation(), chosenPlace());

    automatic = false;
    manager->selectedLocation.set(std::nullopt);
    manager->currentUserLocation.set(chosenPlace());
    EXPECT_FALSE(manager->selectedLocation()) << "automatic place is off";
}

TEST_F(InlineLocationViewTest, ChoosingInTheSearchAndRemovingOnTheCard) {
    auto [manager, view] = make(std::nullopt, Status::authorizedWhenInUse);
    manager->start();
    automatic = false;
    queue().runUntilIdle();
    ui::press(view.body(), ui::byId("placeRow"));
    ui::typeText(view.body(), ui::byId("placeSearchField"), "Zeit");
    queue().runUntilIdle();
    ui::press(view.body(), "Zeit für Brot");
    ui::press(view.body(), "Select");
    EXPECT_FALSE(view.isSheetPresented());
    EXPECT_EQ(manager->selectedLocation()->name, "Zeit für Brot");

    ui::press(view.body(), ui::byId("placeRow"));
    ui::press(view.body(), ui::byId("removeLocation"));
    ui::press(ui::find(view.body(), ui::byId("removeLocationConfirmation")), "Delete");
    EXPECT_FALSE(manager->selectedLocation());
}

class SearchLocationViewTest : public test::PinnedTest {
protected:
    std::shared_ptr<InMemoryLocationServices> services = demo::makeDemoLocationServices();
    PlaceHolder holder;
    int dismissals = 0;

    SearchLocationView make(std::optional<BaseLocation> current) {
        SearchLocationView view(holder.binding(), std::move(current), services);
        view.dismiss = [this] { ++dismissals; };
        return view;
    }
};

TEST_F(SearchLocationViewTest, ListsFoundPlacesNearestFirstAndSelectsTheMarkedOne) {
    const auto here = BaseLocation::from(demo::demoPlaces().front());
    const auto view = make(here);
    EXPECT_EQ(view.region(), (CoordinateRegion{*here.location, 2000, 2000}));
    EXPECT_TRUE(ui::exists(view.body(), "Current Location"));
    EXPECT_FALSE(ui::exists(view.body(), ui::byId("noPlaces"))) << "nothing typed, nothing missing";
    EXPECT_TRUE(ui::find(view.body(), "Select").as<ui::Button>()->enabled == false);

    ui::typeText(view.body(), ui::byId("placeSearchField"), "cafe");
    queue().runUntilIdle();
    const auto rows =
        ui::findAll(ui::find(view.body(), ui::byId("searchResults")), ui::byTextContaining("Caf"));
    const auto results = view.viewModel()->viewData();
    ASSERT_GE(results.size(), 3u);
    EXPECT_EQ(results.front().name, "Father Carpenter Coffee Brewers");
    EXPECT_EQ(results.back().name, "Café Einstein Stammhaus");
    EXPECT_FALSE(rows.empty());

    ui::press(view.body(), ui::byId("place-" + results[1].id));
    EXPECT_TRUE(ui::exists(view.body(), ui::byAccessibilityLabel("Selected")));
    EXPECT_EQ(holder.writes, 0) << "marking is not choosing";
    ui::press(view.body(), "Select");
    EXPECT_EQ(holder.place, results[1]);
    EXPECT_EQ(dismissals, 1);
}

TEST_F(SearchLocationViewTest, WithoutACurrentPlaceItSaysSoAndSearchesAroundTheDefaultPoint) {
    ConsoleCapture capture;
    const auto view = make(std::nullopt);
    EXPECT_THAT(capture.lines(), ElementsAre("### No current location"));
    EXPECT_EQ(view.viewModel()->center, InsetLocationView::defaultCoordinate);
    EXPECT_FALSE(ui::exists(view.body(), "Current Location"));
    ui::typeText(view.body(), ui::byId("placeSearchField"), "Nowhere Known");
    queue().runUntilIdle();
    EXPECT_TRUE(ui::exists(view.body(), "No Results"));
    ui::press(view.body(), "Cancel");
    EXPECT_EQ(dismissals, 1);
    EXPECT_EQ(holder.writes, 0);
}

class InsetLocationViewTest : public test::PinnedTest {
protected:
    std::shared_ptr<InMemoryLocationServices> services = demo::makeDemoLocationServices();
    PlaceHolder holder{chosenPlace()};
};

TEST_F(InsetLocationViewTest, DrawsTheMapWithThePinInTheMiddleOnceItArrives) {
    InsetLocationView view(holder.binding(), services);
    EXPECT_EQ(view.mapHeight(), 220);
    const auto options = view.snapshotOptions(chosenPlace());
    EXPECT_EQ(options.region.center, *chosenPlace().location);
    EXPECT_EQ(options.height, 220);
    EXPECT_TRUE(ui::exists(view.body(), "Loading map…"));
    queue().runUntilIdle();
    const auto body = view.body();
    const auto& picture = ui::findAs<ui::Picture>(body, ui::byId("locationMap"));
    EXPECT_THAT(picture.svg, HasSubstr("<svg"));
    // The pin's tip is the middle of the picture: translate(centre - 18, height/2 - 36).
    EXPECT_THAT(picture.svg, HasSubstr("translate(162 74) scale(1.5)"));
    EXPECT_EQ(picture.description, "Map around Chosen Place");
    EXPECT_FALSE(ui::exists(body, ui::byId("editPlace"))) << "no search, no edit button";

    const auto html = ui::HtmlRenderer().render(body);
    EXPECT_THAT(html, HasSubstr("<img class=\"zt-picture\""));
    EXPECT_THAT(html, ::testing::Not(HasSubstr("<svg xmlns"))) << "the picture is an image, never markup";
}

TEST_F(InsetLocationViewTest, APlaceWithoutCoordinateCentresOnTheDefaultAndAFailureSaysSo) {
    holder.place = BaseLocation{"n", "Named Only", "", std::nullopt, std::nullopt};
    services->setSnapshotFailure(LocationServiceError{"offline", false});
    InsetLocationView view(holder.binding(), services, 500, 120);
    EXPECT_EQ(view.snapshotOptions(*holder.place).region.center, InsetLocationView::defaultCoordinate);
    EXPECT_EQ(view.snapshotOptions(*holder.place).height, 120);
    view.body();
    queue().runUntilIdle();
    EXPECT_TRUE(ui::exists(view.body(), "Unknown error"));

    services->setSnapshotFailure(std::nullopt);
    holder.place = chosenPlace(); // another place: drawn anew
    view.body();
    queue().runUntilIdle();
    EXPECT_TRUE(ui::exists(view.body(), ui::byId("locationMap")));
    EXPECT_FALSE(ui::exists(view.body(), "Unknown error"));
}

TEST_F(InsetLocationViewTest, RemovingAsksFirstAndEditingOpensTheSearch) {
    int edits = 0;
    InsetLocationView view(holder.binding(), services);
    view.onEdit = [&] { ++edits; };
    ui::press(view.body(), ui::byId("removeLocation"));
    ui::press(ui::find(view.body(), ui::byId("removeLocationConfirmation")), "Cancel");
    EXPECT_EQ(holder.place, chosenPlace());
    ui::press(view.body(), ui::byId("editPlace"));
    EXPECT_EQ(edits, 1);
    ui::press(view.body(), ui::byId("removeLocation"));
    ui::press(ui::find(view.body(), ui::byId("removeLocationConfirmation")), "Delete");
    EXPECT_FALSE(holder.place);
    EXPECT_EQ(holder.writes, 1);

    ui::press(view.body(), "Add location");
    EXPECT_EQ(edits, 2);
    EXPECT_TRUE(ui::exists(AddLocationMediumSheetView{view}.body(), "Add location"));
}

TEST_F(InsetLocationViewTest, TheCardAndSearchReadInGerman) {
    Environment::Override german({.locale = "de_DE"});
    InsetLocationView view(holder.binding(), services);
    ui::press(view.body(), ui::byId("removeLocation"));
    const auto body = view.body();
    EXPECT_TRUE(ui::exists(body, "Bist du sicher?"));
    EXPECT_TRUE(ui::exists(body, "Löschen"));
    const SearchLocationView search(holder.binding(), chosenPlace(), services);
    EXPECT_TRUE(ui::exists(search.body(), "Aktueller Ort"));
    EXPECT_TRUE(ui::exists(search.body(), "Auswählen"));
}

} // namespace
} // namespace zt
