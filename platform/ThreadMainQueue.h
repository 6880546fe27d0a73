#pragma once

#include "MainQueue.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <future>
#include <mutex>
#include <queue>
#include <thread>
#include <type_traits>
#include <vector>

namespace zt {

/// A main queue on a thread of its own, in real time, for programs that serve a screen to other
/// threads (the gallery server). Work posted from any thread runs on that one thread: immediate
/// work in posting order, delayed work once its time has come, ties in posting order. Other
/// threads hand work over with run() and wait for its result.
class ThreadMainQueue final : public MainQueue {
public:
    using Clock = std::chrono::steady_clock;

    ThreadMainQueue();
    /// Stops the thread; work still pending is dropped (run() callers get std::future_error).
    ~ThreadMainQueue() override;
    ThreadMainQueue(const ThreadMainQueue&) = delete;
    ThreadMainQueue& operator=(const ThreadMainQueue&) = delete;

    void async(Work work) override;
    void asyncAfter(double seconds, Work work) override;

    /// Runs fn on the queue's thread and returns its result, rethrowing what it throws. On the
    /// queue's own thread it runs fn at once, so it cannot wait for itself.
    template <class Fn> std::invoke_result_t<Fn&> run(Fn fn) {
        using Result = std::invoke_result_t<Fn&>;
        if (isQueueThread())
            return fn();
        auto task = std::make_shared<std::packaged_task<Result()>>(std::move(fn));
        auto result = task->get_future();
        async([task] { (*task)(); });
        return result.get();
    }

    /// On the queue's thread: runs the work that is due now, including what it posts, before
    /// returning. Returns how many items ran.
    std::size_t runUntilIdle();

    /// Called on the queue's thread after every item of work (a redraw, a version count).
    void setAfterEach(std::function<void()> afterEach);

    bool isQueueThread() const { return std::this_thread::get_id() == thread_.get_id(); }
    std::size_t pendingCount() const;

private:
    struct Item {
        Clock::time_point due;
        std::uint64_t sequence;
        Work work;
    };
    struct Later {
        bool operator()(const Item& a, const Item& b) const {
            return a.due != b.due ? a.due > b.due : a.sequence > b.sequence;
        }
    };

    void post(Clock::time_point due, Work work);
    /// Takes the first item due by now, if any; the lock must be held.
    bool takeDue(Item& item);
    void runItem(Item& item);
    void loop();

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::priority_queue<Item, std::vector<Item>, Later> items_;
    std::uint64_t nextSequence_ = 0;
    bool stopping_ = false;
    std::function<void()> afterEach_;
    std::thread thread_;
};

} // namespace zt
