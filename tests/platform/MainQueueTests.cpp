#include "platform/Environment.h"
#include "platform/MainQueue.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
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

TEST(Environment, WithoutAMainQueueAskingForItFailsClearly) {
    // The process default has none: work posted to it would silently never run.
    const Environment::Override noQueue({});
    try {
        MainQueue::main();
        FAIL() << "expected a logic_error";
    } catch (const std::logic_error& error) {
        EXPECT_NE(std::string(error.what()).find("main queue"), std::string::npos);
    }
}

TEST(Environment, TheManualQueuesVirtualTimeIsTheClock) {
    auto queue = std::make_shared<ManualMainQueue>();
    const Environment::Override pinned({.now = Date{1000}, .mainQueue = queue});
    std::vector<Date> seen;
    queue->asyncAfter(2.5, [&] { seen.push_back(Environment::current().now()); });
    queue->advance(4);
    EXPECT_EQ(seen, std::vector<Date>{Date{1002.5}}); // delayed work sees its own moment
    EXPECT_EQ(Environment::current().now(), Date{1004});

    {
        // A nested override keeps the moving clock, or restarts it from a new now.
        const Environment::Override german({.locale = "de_DE"});
        queue->advance(1);
        EXPECT_EQ(Environment::current().now(), Date{1005});
        const Environment::Override later({.now = Date{5000}});
        queue->advance(1);
        EXPECT_EQ(Environment::current().now(), Date{5001});
    }
    // A new queue alone carries on from the enclosing now and moves with its own time.
    auto other = std::make_shared<ManualMainQueue>();
    other->advance(100);
    const Environment::Override switched({.mainQueue = other});
    EXPECT_EQ(Environment::current().now(), Date{1006});
    other->advance(10);
    queue->advance(10);
    EXPECT_EQ(Environment::current().now(), Date{1016});
}

TEST(Environment, AGivenClockWinsAndAStandingNowStandsStill) {
    double ticks = 0;
    {
        const Environment::Override moving({.now = Date{1}, .clock = [&] { return Date{ticks += 1}; }});
        EXPECT_EQ(Environment::current().now(), Date{1});
        EXPECT_EQ(Environment::current().now(), Date{2});
    }
    auto queue = std::make_shared<ManualMainQueue>();
    const Environment::Override fixed({.now = Date{7}});
    const Environment::Override withClock({.clock = [] { return Date{9}; }, .mainQueue = queue});
    queue->advance(3);
    EXPECT_EQ(Environment::current().now(), Date{9});
}
