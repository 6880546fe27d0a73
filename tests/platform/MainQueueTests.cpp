#include "platform/Environment.h"
#include "platform/MainQueue.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace zt;

TEST(ManualMainQueue, NothingRunsUntilDriven) {
    ManualMainQueue queue;
    int ran = 0;
    queue.async([&] { ++ran; });
    EXPECT_EQ(ran, 0);
    EXPECT_EQ(queue.runUntilIdle(), 1u);
    EXPECT_EQ(ran, 1);
}

TEST(ManualMainQueue, RunUntilIdleRunsWorkPostedByWorkButNotDelayedWork) {
    ManualMainQueue queue;
    std::vector<std::string> order;
    queue.async([&] {
        order.push_back("a");
        queue.async([&] { order.push_back("c"); });
        queue.asyncAfter(0.1, [&] { order.push_back("later"); });
    });
    queue.async([&] { order.push_back("b"); });
    queue.runUntilIdle();
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(queue.pendingCount(), 1u);
}

TEST(ManualMainQueue, DelayedWorkRunsInDueOrderTiesInPostingOrder) {
    ManualMainQueue queue;
    std::vector<std::string> order;
    queue.asyncAfter(0.5, [&] { order.push_back("0.5"); });
    queue.asyncAfter(0.25, [&] { order.push_back("0.25-first"); });
    queue.asyncAfter(0.25, [&] { order.push_back("0.25-second"); });
    queue.asyncAfter(2.0, [&] { order.push_back("2.0"); });
    queue.advance(0.3);
    EXPECT_EQ(order, (std::vector<std::string>{"0.25-first", "0.25-second"}));
    EXPECT_DOUBLE_EQ(queue.now(), 0.3);
    queue.advance(0.2);
    EXPECT_EQ(order.back(), "0.5");
    EXPECT_EQ(queue.pendingCount(), 1u);
    queue.drain();
    EXPECT_EQ(order.back(), "2.0");
    EXPECT_DOUBLE_EQ(queue.now(), 2.0);
}

TEST(ManualMainQueue, WorkSeesItsDueTimeAndDelaysCountFromThere) {
    ManualMainQueue queue;
    std::vector<double> times;
    queue.asyncAfter(1.0, [&] {
        times.push_back(queue.now());
        queue.asyncAfter(1.0, [&] { times.push_back(queue.now()); });
    });
    queue.advance(5);
    EXPECT_EQ(times, (std::vector<double>{1.0, 2.0}));
    EXPECT_DOUBLE_EQ(queue.now(), 5.0);
}

TEST(ManualMainQueue, NegativeDelayRunsAsSoonAsPossibleAfterEarlierWork) {
    ManualMainQueue queue;
    std::vector<int> order;
    queue.async([&] { order.push_back(1); });
    queue.asyncAfter(-3, [&] { order.push_back(2); });
    queue.runUntilIdle();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(Environment, OverrideNestsAndRestores) {
    auto queue = std::make_shared<ManualMainQueue>();
    const auto outerZone = Environment::current().timeZoneIdentifier();
    {
        Environment::Override a({.locale = "de_DE", .timeZone = "Europe/Berlin", .now = Date{100}});
        {
            Environment::Override b({.now = Date{200}, .mainQueue = queue});
            EXPECT_EQ(Environment::current().localeIdentifier(), "de_DE");
            EXPECT_EQ(Environment::current().now(), Date{200});
            EXPECT_EQ(&MainQueue::main(), queue.get());
        }
        EXPECT_EQ(Environment::current().now(), Date{100});
        EXPECT_EQ(Environment::current().timeZoneIdentifier(), "Europe/Berlin");
    }
    EXPECT_EQ(Environment::current().timeZoneIdentifier(), outerZone);
}
