#include "ZTSwiftUIComponents/host/Sort.h"
#include "platform/Environment.h"
#include "platform/UserDefaults.h"

#include <gtest/gtest.h>
#include <memory>

using namespace zt;

namespace {

struct Pinned {
    Pinned()
        : defaults(std::make_shared<InMemoryUserDefaults>()),
          env({.locale = "en_US", .userDefaults = defaults}) {}
    std::shared_ptr<InMemoryUserDefaults> defaults;
    Environment::Override env;
};

} // namespace

TEST(SortControllerState, StartsUserDefinedAscending) {
    Pinned pinned;
    EXPECT_EQ(SortControllerState(SortEntity::categories).sort(), (Sort{SortType::userDefined, true}));
    EXPECT_EQ(allCases<SortType>().front(), SortType::userDefined);
    EXPECT_EQ(allCases<SortEntity>().front(), SortEntity::categories);
}

TEST(SortControllerState, PersistsPerEntityInTheEnvironmentsDefaults) {
    Pinned pinned;
    SortControllerState(SortEntity::tags).save({SortType::alphabetically, false});
    EXPECT_EQ(SortControllerState(SortEntity::tags).sort(), (Sort{SortType::alphabetically, false}));
    EXPECT_EQ(SortControllerState(SortEntity::payees).sort(), Sort{}); // other lists are untouched
    EXPECT_EQ(pinned.defaults->string("sortType.tags"), "alphabetically");
    EXPECT_FALSE(pinned.defaults->boolean("sortAscending.tags"));

    // An explicit direction wins over the stored one; the type still comes from the store.
    EXPECT_EQ(SortControllerState(SortEntity::tags, true).sort(), (Sort{SortType::alphabetically, true}));

    {
        Pinned other; // another set of defaults knows nothing of it
        EXPECT_EQ(SortControllerState(SortEntity::tags).sort(), Sort{});
    }
    EXPECT_EQ(SortControllerState(SortEntity::tags).sort().type, SortType::alphabetically);
}

TEST(SortControllerState, UnknownStoredTypeFallsBackToUserDefined) {
    Pinned pinned;
    pinned.defaults->set("sortType.categories", "byColour");
    pinned.defaults->set("sortAscending.categories", false);
    EXPECT_EQ(SortControllerState(SortEntity::categories).sort(), (Sort{SortType::userDefined, false}));
}
