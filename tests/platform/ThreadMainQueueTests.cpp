#include "platform/ThreadMainQueue.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace zt;

namespace {

/// Generous: only a broken queue waits this long.
constexpr auto patience = std::chrono::seconds(10);

/// Waits on the calling thread until the queue has run everything posted before this call.
void settle(ThreadMainQueue& queue) {
    queue.run([] { return 0; });
}

} // namespace

TEST(ThreadMainQueue, RunsImmediateWorkInPostingOrderOnItsOwnThread) {
    ThreadMainQueue queue;
    std::vector<int> order;
    std::thread::id worker;
    for (int i = 0; i < 5; ++i)
        queue.async([&, i] {
            order.push_back(i);
            worker = std::this_thread::get_id();
        });
    settle(queue);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_NE(worker, std::this_thread::get_id());
    EXPECT_TRUE(queue.run([&] { return queue.isQueueThread(); }));
    EXPECT_FALSE(queue.isQueueThread());
}

TEST(ThreadMainQueue, DelayedWorkRunsByDueTimeTiesInPostingOrder) {
    ThreadMainQueue queue;
    std::vector<std::string> order;
    std::promise<void> done;
    const auto started = ThreadMainQueue::Clock::now();
    ThreadMainQueue::Clock::duration lastDelay{};
    queue.run([&] {
        // Posted from the queue's thread, so nothing runs between the posts.
        queue.asyncAfter(0.06, [&] {
            order.push_back("late");
            lastDelay = ThreadMainQueue::Clock::now() - started;
            done.set_value();
        });
        queue.asyncAfter(0.02, [&] { order.push_back("early"); });
        queue.asyncAfter(-1, [&] { order.push_back("negative is now"); });
        queue.async([&] { order.push_back("now"); });
        queue.asyncAfter(0.02, [&] { order.push_back("early tie"); });
        return 0;
    });
    ASSERT_EQ(done.get_future().wait_for(patience), std::future_status::ready);
    EXPECT_EQ(order, (std::vector<std::string>{"negative is now", "now", "early", "early tie", "late"}));
    EXPECT_GE(lastDelay, std::chrono::milliseconds(60));
}

TEST(ThreadMainQueue, RunReturnsResultsAndRethrows) {
    ThreadMainQueue queue;
    EXPECT_EQ(queue.run([] { return std::string("answer"); }), "answer");
    EXPECT_THROW(queue.run([]() -> int { throw std::invalid_argument("bad"); }), std::invalid_argument);
    // Inside the queue's own work run() does not wait for itself.
    EXPECT_EQ(queue.run([&] { return queue.run([] { return 7; }) + 1; }), 8);
}

TEST(ThreadMainQueue, RunUntilIdleRunsDueWorkInsideAnItem) {
    ThreadMainQueue queue;
    std::vector<int> order;
    const std::size_t ran = queue.run([&] {
        queue.async([&] {
            order.push_back(1);
            queue.async([&] { order.push_back(2); }); // posted by due work: runs too
        });
        queue.asyncAfter(30, [&] { order.push_back(99); }); // not due
        const std::size_t n = queue.runUntilIdle();
        order.push_back(3);
        return n;
    });
    EXPECT_EQ(ran, 2u);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(queue.pendingCount(), 1u);
}

TEST(ThreadMainQueue, AfterEachHearsEveryItem) {
    ThreadMainQueue queue;
    int items = 0, heard = 0;
    queue.setAfterEach([&] { ++heard; });
    queue.async([&] { ++items; });
    queue.async([&] { ++items; });
    settle(queue); // the settling item is heard too
    EXPECT_EQ(items, 2);
    EXPECT_EQ(queue.run([&] { return heard; }), 3);
}

TEST(ThreadMainQueue, WorkThatThrowsDoesNotStopTheQueue) {
    ThreadMainQueue queue;
    bool later = false;
    queue.async([] { throw std::runtime_error("boom"); });
    queue.async([&] { later = true; });
    settle(queue);
    EXPECT_TRUE(later);
}

TEST(ThreadMainQueue, StoppingDropsPendingWorkAndBreaksWaitingPromises) {
    std::future<int> never;
    bool ran = false;
    {
        ThreadMainQueue queue;
        queue.asyncAfter(60, [&] { ran = true; });
        auto task = std::make_shared<std::packaged_task<int()>>([] { return 1; });
        never = task->get_future();
        queue.asyncAfter(60, [task] { (*task)(); });
    }
    EXPECT_FALSE(ran);
    EXPECT_THROW(never.get(), std::future_error);
}
