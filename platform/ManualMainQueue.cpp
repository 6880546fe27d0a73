#include "MainQueue.h"

#include "Environment.h"

#include <limits>

namespace zt {

MainQueue& MainQueue::main() { return Environment::current().mainQueue(); }

void ManualMainQueue::async(Work work) { items_.push(Item{now_, nextSequence_++, std::move(work)}); }

void ManualMainQueue::asyncAfter(double seconds, Work work) {
    // Negative or NaN delays mean "as soon as possible", as on the platform.
    const double delay = seconds > 0 ? seconds : 0;
    items_.push(Item{now_ + delay, nextSequence_++, std::move(work)});
}

bool ManualMainQueue::runOneDueBy(double limit) {
    if (items_.empty() || items_.top().due > limit)
        return false;
    // Move the item out before running it: the work may post more.
    Item item = std::move(const_cast<Item&>(items_.top()));
    items_.pop();
    if (item.due > now_)
        now_ = item.due;
    item.work();
    return true;
}

std::size_t ManualMainQueue::runUntilIdle() {
    std::size_t ran = 0;
    while (runOneDueBy(now_))
        ++ran;
    return ran;
}

std::size_t ManualMainQueue::advance(double seconds) {
    const double target = now_ + (seconds > 0 ? seconds : 0);
    std::size_t ran = 0;
    while (runOneDueBy(target))
        ++ran;
    now_ = target;
    return ran;
}

std::size_t ManualMainQueue::drain() {
    std::size_t ran = 0;
    while (runOneDueBy(std::numeric_limits<double>::infinity()))
        ++ran;
    return ran;
}

bool ManualMainQueue::isIdle() const { return items_.empty() || items_.top().due > now_; }

} // namespace zt
