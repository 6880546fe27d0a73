#include "ZTSwiftUIComponents/Location/LocationManager.h"
#include "ZTSwiftUIComponents/Location/LocationSortComparator.h"
#include "ZTSwiftUIComponents/Location/LocationsViewModel.h"
#include "mocks/DemoPlaces.h"
#include "platform/Console.h"
#include "platform/InMemoryLocationServices.h"
#include "support/Observation.h"
#include "support/PinnedEnvironment.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zt {
namespace {

using ::testing::ElementsAre;
using Status = LocationAuthorizationStatus;

// Two known places 1 km apart on the same street, and a position next to each.
const Coordinate bakeryPoint{52.5200, 13.4000}, barPoint{52.5290, 13.4000};
const Coordinate nearBakery{52.5201, 13.4001}, nearBar{52.5289, 13.4000};

std::vector<MapItem> managerTestPlaces() {
    return {MapItem{"Bakery", Placemark{"Bakery", "Main St 1", bakeryPoint}, "bakery"},
            MapItem{"Bar", Placemark{"Bar", "Main St 90", barPoint}, std::nullopt}};
}

std::vector<std::string> placeNames(const std::vector<BaseLocation>& places) {
    std::vector<std::string> names;
    for (const auto& place : places)
        names.push_back(place.name);
    return names;
}

class LocationManagerTest : public test::PinnedTest {
protected:
    std::shared_ptr<InMemoryLocationServices> services = std::make_shared<InMemoryLocationServices>(
        managerTestPlaces(), Status::authorizedWhenInUse, nearBakery);

    std::shared_ptr<LocationManager> make(std::optional<BaseLocation> place = std::nullopt) {
        return std::make_shared<LocationManager>(std::move(place), services);
    }
};

TEST_F(LocationManagerTest, StartsWithTheAttachedPlaceAndTheServicesStatus) {
    static_assert(!test::assignableFromOutside<decltype(LocationManager::authorizationStatus), Status>);
    const BaseLocation attached{"p", "Attached", "", std::nullopt, std::nullopt};
    const auto manager = make(attached);
    EXPECT_EQ(manager->selectedLocation(), attached);
    EXPECT_FALSE(manager->currentUserLocation());
    EXPECT_EQ(manager->authorizationStatus(), Status::authorizedWhenInUse);
    EXPECT_TRUE(manager->isAuthorized());
    EXPECT_EQ(services->updatingProviderCount(), 0u) << "nothing is looked up before start()";
}

TEST_F(LocationManagerTest, StartFindsAndNamesTheCurrentPlaceThenStopsUpdating) {
    const auto manager = make();
    manager->start();
    EXPECT_EQ(services->updatingProviderCount(), 1u);
    EXPECT_FALSE(manager->currentUserLocation()) << "answers come later, on the main queue";
    queue().runUntilIdle();
    ASSERT_TRUE(manager->currentUserLocation());
    EXPECT_EQ(manager->currentUserLocation()->name, "Bakery");
    EXPECT_EQ(manager->currentUserLocation()->subtitle, "Main St 1");
    EXPECT_EQ(manager->currentUserLocation()->location, bakeryPoint);
    EXPECT_EQ(services->updatingProviderCount(), 0u);
    EXPECT_FALSE(manager->selectedLocation()) << "the manager itself never chooses the place";
}

TEST_F(LocationManagerTest, StartDoesNothingWithoutAuthorisation) {
    for (const auto status : {Status::notDetermined, Status::denied, Status::restricted}) {
        SCOPED_TRACE(static_cast<int>(status));
        services->setAuthorizationStatus(status);
        const auto manager = make();
        manager->start();
        queue().runUntilIdle();
        EXPECT_FALSE(manager->isAuthorized());
        EXPECT_EQ(services->updatingProviderCount(), 0u);
        EXPECT_FALSE(manager->currentUserLocation());
    }
    EXPECT_EQ(services->geocodingRequestCount(), 0u);
}

TEST_F(LocationManagerTest, PermissionIsAskedOnceAndAGrantStartsUpdates) {
    services->setAuthorizationStatus(Status::notDetermined);
    const auto manager = make();
    manager->requestLocationPermission();
    queue().runUntilIdle();
    EXPECT_EQ(manager->authorizationStatus(), Status::authorizedWhenInUse);
    ASSERT_TRUE(manager->currentUserLocation());
    EXPECT_EQ(manager->currentUserLocation()->name, "Bakery");
    manager->requestLocationPermission();
    queue().runUntilIdle();
    EXPECT_EQ(services->promptCount(), 1u);
}

TEST_F(LocationManagerTest, ARefusalOrALaterChangeInTheSettingsIsFollowed) {
    services->setAuthorizationStatus(Status::notDetermined);
    services->setRequestOutcome(InMemoryLocationServices::RequestOutcome::refuse);
    const auto manager = make();
    manager->requestLocationPermission();
    queue().runUntilIdle();
    EXPECT_EQ(manager->authorizationStatus(), Status::denied);
    EXPECT_FALSE(manager->currentUserLocation());

    services->setAuthorizationStatus(Status::authorizedAlways);
    queue().runUntilIdle();
    EXPECT_EQ(manager->authorizationStatus(), Status::authorizedAlways);
    EXPECT_EQ(manager->currentUserLocation()->name, "Bakery");
}

TEST_F(LocationManagerTest, AnEmptyUpdateStopsUpdatesAndChangesNothing) {
    const BaseLocation before{"x", "Before", "", std::nullopt, std::nullopt};
    services->setDevicePosition(std::nullopt);
    const auto manager = make();
    manager->currentUserLocation.set(before);
    manager->start();
    services->deliverUpdate({});
    queue().runUntilIdle();
    EXPECT_EQ(manager->currentUserLocation(), before);
    EXPECT_EQ(services->updatingProviderCount(), 0u);
    EXPECT_EQ(services->geocodingRequestCount(), 0u);
}

TEST_F(LocationManagerTest, ANewPositionCancelsTheGeocodingInFlightAndTheLastLocationOfAnUpdateCounts) {
    services->setDevicePosition(std::nullopt);
    const auto manager = make();
    std::vector<std::string> seen;
    const auto watch = manager->currentUserLocation.observe(
        [&](const std::optional<BaseLocation>& place) { seen.push_back(place ? place->name : "none"); });
    manager->start();
    // Two updates on their way before the first one's address is back.
    services->deliverUpdate({nearBakery});
    services->deliverUpdate({nearBakery, nearBar});
    queue().runUntilIdle();
    EXPECT_THAT(seen, ElementsAre("Bar")) << "the cancelled lookup of the bakery never lands";
    EXPECT_EQ(services->geocodingRequestCount(), 2u);
}

TEST_F(LocationManagerTest, AFailedOrEmptyReverseGeocodingKeepsTheCurrentPlace) {
    const BaseLocation before{"x", "Before", "", std::nullopt, std::nullopt};
    const auto manager = make();
    manager->currentUserLocation.set(before);
    services->setGeocodingFailure(LocationServiceError{"offline", false});
    manager->start();
    queue().runUntilIdle();
    EXPECT_EQ(manager->currentUserLocation(), before);

    services->setGeocodingFailure(std::nullopt);
    services->setDevicePosition(Coordinate{52.60, 13.60}); // nowhere known
    manager->start();
    queue().runUntilIdle();
    EXPECT_EQ(manager->currentUserLocation(), before);
}

TEST_F(LocationManagerTest, AnAnswerAfterTheManagerIsGoneDoesNothing) {
    {
        const auto manager = make();
        manager->start();
    }
    EXPECT_NO_THROW(queue().runUntilIdle());
    EXPECT_EQ(services->geocodingRequestCount(), 0u);
}

// Sorting and searching.

BaseLocation placeAt(const std::string& name, std::optional<Coordinate> where) {
    return BaseLocation{name, name, "", where, std::nullopt};
}

TEST(LocationSortComparatorTest, NearestFirstEqualDistancesKeepTheirOrderUnknownOnesLast) {
    const Coordinate center{52.52, 13.40};
    // 300 m and 1,200 m north; two shops in one building 700 m east.
    const Coordinate mall{52.52, 13.41};
    std::vector<BaseLocation> places{placeAt("none", std::nullopt),
                                     placeAt("far", Coordinate{52.530792, 13.40}), placeAt("shoes", mall),
                                     placeAt("books", mall), placeAt("near", Coordinate{52.522698, 13.40})};
    const LocationSortComparator nearestFirst{center};
    EXPECT_NEAR(places[4].location->distance(center), 300, 1);
    EXPECT_NEAR(places[1].location->distance(center), 1200, 1);
    EXPECT_EQ(nearestFirst.compare(places[2], places[3]), std::weak_ordering::equivalent);
    EXPECT_EQ(nearestFirst.compare(places[0], places[0]), std::weak_ordering::equivalent);
    EXPECT_EQ(nearestFirst.compare(places[0], places[1]), std::weak_ordering::greater);

    std::stable_sort(places.begin(), places.end(), nearestFirst);
    EXPECT_THAT(placeNames(places), ElementsAre("near", "shoes", "books", "far", "none"));
    std::swap(places[1], places[2]);
    std::stable_sort(places.begin(), places.end(), nearestFirst);
    EXPECT_THAT(placeNames(places), ElementsAre("near", "books", "shoes", "far", "none"));

    std::stable_sort(places.begin(), places.end(),
                     LocationSortComparator{center, LocationSortComparator::Order::reverse});
    EXPECT_THAT(placeNames(places), ElementsAre("far", "books", "shoes", "near", "none"));
}

class LocationsViewModelTest : public test::PinnedTest {
protected:
    std::shared_ptr<InMemoryLocationServices> services = demo::makeDemoLocationServices();
    LocationsViewModel model{demo::demoUserPosition, services};

    std::vector<std::string> search(const std::string& text) {
        model.setPoiText(text);
        queue().runUntilIdle();
        return placeNames(model.viewData());
    }
};

TEST_F(LocationsViewModelTest, SearchesPointsOfInterestInTenKilometresAroundTheCentre) {
    static_assert(!test::assignableFromOutside<decltype(LocationsViewModel::poiText), std::string>);
    static_assert(
        !test::assignableFromOutside<decltype(LocationsViewModel::viewData), std::vector<BaseLocation>>);
    search("cafe");
    ASSERT_EQ(services->searchRequests().size(), 1u);
    const auto& request = services->searchRequests().front();
    EXPECT_EQ(request.naturalLanguageQuery, "cafe");
    EXPECT_TRUE(request.includesAllPointOfInterestCategories);
    EXPECT_EQ(request.resultTypes, (LocalSearchResultTypes{.address = false, .pointOfInterest = true}));
    EXPECT_EQ(request.region, (CoordinateRegion{demo::demoUserPosition, 10000, 10000}));
}

TEST_F(LocationsViewModelTest, ResultsAreNearestFirstWhateverOrderTheSearchReturned) {
    // Listed far-to-near in the demo table: Stammhaus (about 5 km) comes before the others there.
    const auto found = search("Einstein");
    EXPECT_THAT(found, ElementsAre("Einstein Kaffee Unter den Linden", "Café Einstein Stammhaus"));
    const auto& places = model.viewData();
    for (std::size_t i = 1; i < places.size(); ++i)
        EXPECT_LE(places[i - 1].location->distance(model.center), places[i].location->distance(model.center));
    EXPECT_EQ(places.front().systemImageName(), "cup.and.saucer.fill");
}

TEST_F(LocationsViewModelTest, WordsMatchAtTheirStartIgnoringCaseAndDiacritics) {
    EXPECT_THAT(search("CAFE"), ::testing::Contains("Café Einstein Stammhaus"));
    EXPECT_THAT(search("gemuse"), ElementsAre("Mustafa's Gemüse Kebap"));
    EXPECT_THAT(search("arkthalle"), ElementsAre()) << "inside a word is no match";
    EXPECT_THAT(search("zeit brot"), ElementsAre("Zeit für Brot"));
    EXPECT_THAT(search("Schloss Charlottenburg"), ElementsAre());
}

TEST_F(LocationsViewModelTest, PlacesOutsideTheRegionAreNotFound) {
    LocationsViewModel far{Coordinate{52.40, 13.10}, services}; // Potsdam: Berlin-Mitte is 20 km away
    far.setPoiText("cafe");
    queue().runUntilIdle();
    EXPECT_TRUE(far.viewData().empty());
}

TEST_F(LocationsViewModelTest, AFailedSearchKeepsThePreviousResults) {
    const auto before = search("Curry");
    ASSERT_THAT(before, ElementsAre("Curry 36"));
    services->setSearchFailure(LocationServiceError{"offline", false});
    EXPECT_EQ(search("Konnopke"), before);
}

TEST_F(LocationsViewModelTest, ANewTextEndsTheSearchInFlightAndABlankOneClearsTheResults) {
    model.setPoiText("Ca");
    model.setPoiText("Curry");
    queue().runUntilIdle();
    EXPECT_THAT(placeNames(model.viewData()), ElementsAre("Curry 36"));

    model.setPoiText("Curry");
    model.setPoiText("   ");
    queue().runUntilIdle();
    EXPECT_TRUE(model.viewData().empty()) << "the cancelled search may not bring results back";
    EXPECT_EQ(model.poiText(), "   ");
    EXPECT_EQ(services->searchRequests().size(), 3u) << "a blank text is not searched";
}

TEST(BaseLocationFromMapItemTest, TheSamePlaceFoundTwiceIsTheSameValue) {
    const MapItem item{"Bakery", Placemark{"Bakery", "Main St 1", bakeryPoint}, "bakery"};
    const auto place = BaseLocation::from(item);
    EXPECT_EQ(place, BaseLocation::from(item));
    EXPECT_EQ(place.id, "Bakery@52.520000,13.400000");
    EXPECT_EQ(place.subtitle, "Main St 1");
    EXPECT_EQ(place.pointOfInterestCategory, "bakery");
    const auto address =
        BaseLocation::from(MapItem::from(Placemark{"Main St 1", "10115 Berlin", std::nullopt}));
    EXPECT_EQ(address.id, "Main St 1");
    EXPECT_FALSE(address.pointOfInterestCategory);
}

TEST(CoordinateRegionTest, ContainsItsEdgesAndNothingBeyond) {
    const CoordinateRegion region{Coordinate{52.52, 13.40}, 2000, 1000};
    EXPECT_TRUE(region.contains(region.center));
    EXPECT_TRUE(region.contains({52.52 + 0.0089, 13.40}));  // 990 m north
    EXPECT_FALSE(region.contains({52.52 + 0.0091, 13.40})); // 1,012 m north
    EXPECT_TRUE(region.contains({52.52, 13.40 - 0.0073}));  // 495 m west
    EXPECT_FALSE(region.contains({52.52, 13.40 - 0.0075})); // 508 m west
}

} // namespace
} // namespace zt
