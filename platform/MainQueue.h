#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <queue>
#include <vector>

namespace zt {

/// The main thread's queue. The host implements it over its run loop; tests and command-line
/// tools use ManualMainQueue.
class MainQueue {
public:
    /// A piece of work for the main thread.
    using Work = std::function<void()>;
    virtual ~MainQueue() = default;

    /// Runs work on the main thread later, never inside this call; work posted with async() runs in
    /// posting order.
    virtual void async(Work work) = 0;
    /// Runs work on the main thread once seconds have passed; a negative or NaN delay means as soon as
    /// possible.
    virtual void asyncAfter(double seconds, Work work) = 0;

    /// The queue of the current environment.
    static MainQueue& main();
};

/// A main queue with virtual time. Nothing runs until the owner drives it; delayed work runs in
/// the order it falls due, ties in posting order.
class ManualMainQueue final : public MainQueue {
public:
    void async(Work work) override;
    void asyncAfter(double seconds, Work work) override;

    /// Runs everything due at the current virtual time, including work that it posts.
    /// Returns how many items ran.
    std::size_t runUntilIdle();
    /// Moves virtual time forward, running each item at its due time.
    std::size_t advance(double seconds);
    /// Advances until nothing is pending at all.
    std::size_t drain();

    /// The virtual time in seconds since the queue was made.
    double now() const { return now_; }
    /// How many items wait, due or not.
    std::size_t pendingCount() const { return items_.size(); }
    /// True when nothing is due at the current virtual time.
    bool isIdle() const;

private:
    struct Item {
        double due;
        std::uint64_t sequence;
        Work work;
    };
    struct Later {
        bool operator()(const Item& a, const Item& b) const {
            return a.due != b.due ? a.due > b.due : a.sequence > b.sequence;
        }
    };
    bool runOneDueBy(double limit);

    std::priority_queue<Item, std::vector<Item>, Later> items_;
    std::uint64_t nextSequence_ = 0;
    double now_ = 0;
};

} // namespace zt
