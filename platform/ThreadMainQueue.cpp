#include "ThreadMainQueue.h"

#include "Logger.h"

#include <cmath>
#include <exception>

namespace zt {

ThreadMainQueue::ThreadMainQueue() : thread_([this] { loop(); }) {}

ThreadMainQueue::~ThreadMainQueue() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
    // Dropping the items here, off the lock, breaks the promises of run() callers still waiting.
    while (!items_.empty())
        items_.pop();
}

void ThreadMainQueue::async(Work work) {
    post(Clock::now(), std::move(work));
}

void ThreadMainQueue::asyncAfter(double seconds, Work work) {
    // Negative or NaN delays mean "as soon as possible", as on the platform.
    const double delay = seconds > 0 && std::isfinite(seconds) ? seconds : 0;
    post(Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(delay)),
         std::move(work));
}

void ThreadMainQueue::post(Clock::time_point due, Work work) {
    {
        const std::lock_guard lock(mutex_);
        if (stopping_)
            return;
        items_.push(Item{due, nextSequence_++, std::move(work)});
    }
    wake_.notify_all();
}

bool ThreadMainQueue::takeDue(Item& item) {
    if (items_.empty() || items_.top().due > Clock::now())
        return false;
    // Moved out before it runs: the work may post more.
    item = std::move(const_cast<Item&>(items_.top()));
    items_.pop();
    return true;
}

void ThreadMainQueue::runItem(Item& item) {
    try {
        item.work();
    } catch (const std::exception& e) {
        // The platform's queue would crash; a server keeps serving the other pages.
        Logger{"ThreadMainQueue"}.error(std::string("work threw: ") + e.what());
    }
    item.work = nullptr;
    std::function<void()> afterEach;
    {
        const std::lock_guard lock(mutex_);
        afterEach = afterEach_;
    }
    if (afterEach)
        afterEach();
}

std::size_t ThreadMainQueue::runUntilIdle() {
    std::size_t ran = 0;
    for (;;) {
        Item item;
        {
            const std::lock_guard lock(mutex_);
            if (stopping_ || !takeDue(item))
                return ran;
        }
        runItem(item);
        ++ran;
    }
}

void ThreadMainQueue::setAfterEach(std::function<void()> afterEach) {
    const std::lock_guard lock(mutex_);
    afterEach_ = std::move(afterEach);
}

std::size_t ThreadMainQueue::pendingCount() const {
    const std::lock_guard lock(mutex_);
    return items_.size();
}

void ThreadMainQueue::loop() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        Item item;
        if (takeDue(item)) {
            lock.unlock();
            runItem(item);
            item = Item{};
            lock.lock();
        } else if (items_.empty())
            wake_.wait(lock);
        else {
            // A copy: a post while the lock is released may move the items.
            const auto due = items_.top().due;
            wake_.wait_until(lock, due);
        }
    }
}

} // namespace zt
