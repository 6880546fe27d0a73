#include "platform/Environment.h"
#include "platform/ListFormatter.h"

#include <gtest/gtest.h>

using namespace zt;

TEST(ListFormatter, JoinsAsEachLocaleDoes) {
    const std::vector<std::string> three{"Visa", "Amex", "Mastercard"};
    EXPECT_EQ(ListFormatter("en_US").string(three), "Visa, Amex, and Mastercard");
    EXPECT_EQ(ListFormatter("en_GB").string(three), "Visa, Amex and Mastercard");
    EXPECT_EQ(ListFormatter("de_DE").string(three), "Visa, Amex und Mastercard");
    EXPECT_EQ(ListFormatter("de_DE").string({"Ärzte", "Bäcker"}), "Ärzte und Bäcker");
    EXPECT_EQ(ListFormatter("en_US").string({"Visa"}), "Visa");
    EXPECT_EQ(ListFormatter("en_US").string({}), "");
    EXPECT_EQ(ListFormatter("en_US").string({"A", "B", "C", "D"}), "A, B, C, and D");
}

TEST(ListFormatter, FollowsTheEnvironmentUnlessGiven) {
    const ListFormatter following;
    const ListFormatter copy = following;
    {
        Environment::Override env({.locale = "de_DE"});
        EXPECT_EQ(following.string({"A", "B"}), "A und B");
        EXPECT_EQ(copy.string({"A", "B"}), "A und B");
        EXPECT_EQ(ListFormatter("en_GB").string({"A", "B"}), "A and B");
        EXPECT_EQ(ListFormatter::localizedString({"A", "B", "C"}), "A, B und C");
    }
    {
        Environment::Override env({.locale = "en_US"});
        EXPECT_EQ(following.string({"A", "B", "C"}), "A, B, and C");
    }
    EXPECT_FALSE(ListFormatter("en-").string({"A", "B"}));
}
