#include "platform/Published.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using namespace zt;

TEST(Published, ObserversRunInSubscriptionOrderWithTheNewValue) {
    Published<int> value{1};
    std::vector<std::string> calls;
    auto a = value.observe([&](int v) { calls.push_back("a" + std::to_string(v)); });
    auto b = value.observe([&](int v) { calls.push_back("b" + std::to_string(v)); });
    value.set(2);
    value.set(2); // every assignment announces, changed or not
    EXPECT_EQ(calls, (std::vector<std::string>{"a2", "b2", "a2", "b2"}));
    EXPECT_EQ(value(), 2);
}

TEST(Published, DestroyedSubscriptionIsNeverCalledAgain) {
    Published<int> value;
    int calls = 0;
    {
        auto s = value.observe([&](int) { ++calls; });
        value.set(1);
    }
    value.set(2);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(value.observerCount(), 0u);
}

TEST(Published, ObserverMayUnsubscribeItselfAndOthersDuringNotification) {
    Published<int> value;
    std::vector<std::string> calls;
    Subscription first, second, third;
    first = value.observe([&](int) {
        calls.push_back("first");
        first.reset(); // itself
        third.reset(); // a later one: must not run in this very notification
    });
    second = value.observe([&](int) { calls.push_back("second"); });
    third = value.observe([&](int) { calls.push_back("third"); });
    value.set(1);
    value.set(2);
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "second", "second"}));
}

TEST(Published, ObserverAddedDuringNotificationHearsOnlyLaterOnes) {
    Published<int> value;
    std::vector<int> late;
    std::optional<Subscription> added;
    auto s = value.observe([&](int) {
        if (!added)
            added = value.observe([&](int v) { late.push_back(v); });
    });
    value.set(1);
    value.set(2);
    EXPECT_EQ(late, std::vector<int>{2});
}

TEST(Published, SubscriptionOutlivingThePublisherIsHarmless) {
    Subscription s;
    {
        Published<std::string> text;
        s = text.observe([](const std::string&) {});
    }
    s.reset();
    EXPECT_FALSE(s.isActive());
}

TEST(Published, MovedSubscriptionKeepsObserving) {
    Signal<> signal;
    int calls = 0;
    Subscription outer;
    {
        auto inner = signal.observe([&] { ++calls; });
        outer = std::move(inner);
    }
    signal.notify();
    EXPECT_EQ(calls, 1);
}

TEST(Published, AssignedValuesAreAnnouncedTogetherAsOneConsistentSet) {
    Published<int> first{0}, second{0};
    std::vector<std::pair<int, int>> seen;
    auto a = first.observe([&](int v) { seen.emplace_back(v, second()); });
    auto b = second.observe([&](int v) { seen.emplace_back(first(), v); });
    first.assign(1);
    second.assign(2);
    EXPECT_TRUE(seen.empty()); // assigning alone announces nothing
    first.notify();
    second.notify();
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{1, 2}, {1, 2}}));
}
