#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace zt {

/// RAII handle of one observation; destroying or resetting it ends the observation at once,
/// even in the middle of a notification.
class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel) : cancel_(std::move(cancel)) {}
    Subscription(Subscription&& other) noexcept : cancel_(std::exchange(other.cancel_, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            cancel_ = std::exchange(other.cancel_, {});
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { reset(); }

    void reset() {
        if (auto cancel = std::exchange(cancel_, {}))
            cancel();
    }
    bool isActive() const { return static_cast<bool>(cancel_); }

private:
    std::function<void()> cancel_;
};

/// Observers of one kind of event with arguments Args. Observers run synchronously in
/// subscription order; those added during a notification first hear the next one.
template <class... Args> class Signal {
public:
    using Observer = std::function<void(const Args&...)>;

    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    [[nodiscard]] Subscription observe(Observer observer) {
        auto entry = std::make_shared<Entry>(Entry{std::move(observer), true});
        state_->entries.push_back(entry);
        std::weak_ptr<State> weakState = state_;
        std::weak_ptr<Entry> weakEntry = entry;
        return Subscription([weakState, weakEntry] {
            auto e = weakEntry.lock();
            if (!e)
                return;
            e->active = false;
            if (auto s = weakState.lock())
                s->removeInactive();
        });
    }

    void notify(const Args&... args) const {
        // A snapshot: removal during the loop only flips the entry's flag.
        auto state = state_;
        ++state->depth;
        const auto snapshot = state->entries;
        for (const auto& entry : snapshot)
            if (entry->active)
                entry->observer(args...);
        --state->depth;
        state->removeInactive();
    }

    std::size_t observerCount() const {
        std::size_t n = 0;
        for (const auto& e : state_->entries)
            n += e->active ? 1 : 0;
        return n;
    }

private:
    struct Entry {
        Observer observer;
        bool active;
    };
    struct State {
        std::vector<std::shared_ptr<Entry>> entries;
        int depth = 0;
        void removeInactive() {
            if (depth > 0)
                return;
            std::erase_if(entries, [](const auto& e) { return !e->active; });
        }
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
};

/// An observable value. Every assignment notifies, whether or not the value changed, the way a
/// published property announces each write.
template <class T> class Published {
public:
    Published() = default;
    explicit Published(T initial) : value_(std::move(initial)) {}
    Published(const Published&) = delete;
    Published& operator=(const Published&) = delete;

    const T& operator()() const { return value_; }
    const T& get() const { return value_; }

    void set(T value) {
        value_ = std::move(value);
        signal_.notify(value_);
    }

    /// Stores a value without announcing it; pair with notify() to publish several values as
    /// one consistent set (every observer then reads the new neighbours too).
    void assign(T value) { value_ = std::move(value); }
    /// Announces the current value as an assignment would.
    void notify() const { signal_.notify(value_); }

    /// The observer hears every later assignment with the new value.
    [[nodiscard]] Subscription observe(typename Signal<T>::Observer observer) {
        return signal_.observe(std::move(observer));
    }

    std::size_t observerCount() const { return signal_.observerCount(); }

private:
    T value_{};
    Signal<T> signal_;
};

} // namespace zt
