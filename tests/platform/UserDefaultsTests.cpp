#include "platform/UserDefaults.h"

#include <gtest/gtest.h>

using namespace zt;

TEST(InMemoryUserDefaults, TypedReadsFollowThePlatformDefaults) {
    InMemoryUserDefaults defaults;
    EXPECT_EQ(defaults.integer("missing"), 0);
    EXPECT_EQ(defaults.integer("missing", 5), 5);
    EXPECT_FALSE(defaults.boolean("missing"));
    EXPECT_FALSE(defaults.string("missing"));

    defaults.set("count", 7);
    defaults.set("flag", true);
    defaults.set("name", "Anna");
    EXPECT_EQ(defaults.integer("count", 5), 7);
    EXPECT_TRUE(defaults.boolean("flag"));
    EXPECT_EQ(defaults.object("flag"), UserDefaults::Value{true}); // a boolean, not the integer 1
    EXPECT_EQ(defaults.string("name"), "Anna");
    EXPECT_EQ(defaults.integer("name"), 0); // another kind reads as 0
    EXPECT_FALSE(defaults.string("count"));

    defaults.removeObject("count");
    EXPECT_EQ(defaults.integer("count", 5), 5);
}
