#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

/// Observation. Which kind to use:
/// - Published<T>: an observable value whose every assignment is announced. Published<T, Owner>
///   is the same value read-only from outside: only Owner assigns it, so a rule that must run on
///   assignment (recompute, store) cannot be skipped.
/// - ObservableObject: the base of view models and stores; each of its published members also
///   announces objectWillChange, so a screen or host redraws on one signal.
/// - Signal<Args...>: an event that is not a value (a reload finished, a key changed remotely).
/// - A single-slot std::function member named on…: only where a host interface has one
///   (onDataChanged, onDidSave); the host sets it, the library calls it.
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
/// subscription order; those added during a notification first hear the next one, those removed
/// during one are skipped from then on.
template <class... Args> class Signal {
public:
    using Observer = std::function<void(const Args&...)>;

    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    [[nodiscard]] Subscription observe(Observer observer) {
        const auto id = state_->nextId++;
        state_->entries.push_back(Entry{id, std::move(observer), true});
        return Subscription([weakState = std::weak_ptr<State>(state_), id] {
            if (auto s = weakState.lock())
                s->deactivate(id);
        });
    }

    void notify(const Args&... args) const {
        // Nothing is copied: entries live in a deque, which keeps them in place while observers
        // subscribe, and a removal only clears the entry's flag until the outermost notification
        // ends. The state is held so that an observer may destroy the signal itself.
        const auto state = state_;
        ++state->depth;
        const std::size_t count = state->entries.size();
        for (std::size_t i = 0; i < count; ++i)
            if (state->entries[i].active)
                state->entries[i].observer(args...);
        if (--state->depth == 0 && state->inactive > 0)
            state->compact();
    }

    std::size_t observerCount() const { return state_->entries.size() - state_->inactive; }

private:
    struct Entry {
        std::uint64_t id;
        Observer observer;
        bool active;
    };
    struct State {
        std::deque<Entry> entries;
        std::uint64_t nextId = 0;
        std::size_t inactive = 0;
        int depth = 0;

        void deactivate(std::uint64_t id) {
            // Ids grow with the position, so the entry is found by bisection.
            auto it = std::lower_bound(entries.begin(), entries.end(), id,
                                       [](const Entry& e, std::uint64_t value) { return e.id < value; });
            if (it == entries.end() || it->id != id || !it->active)
                return;
            it->active = false;
            ++inactive;
            if (depth == 0)
                compact();
        }
        void compact() {
            std::erase_if(entries, [](const Entry& e) { return !e.active; });
            inactive = 0;
        }
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
};

/// The base of observable view models and stores: objectWillChange is announced before any of
/// its Published members changes, the way an observable object tells its views to redraw.
class ObservableObject {
public:
    ObservableObject() = default;
    ObservableObject(const ObservableObject&) = delete;
    ObservableObject& operator=(const ObservableObject&) = delete;
    virtual ~ObservableObject() = default;

    /// Heard before every change of a published member. Notify it directly for a change that is
    /// not an assignment of a published member (a plain field the screen reads).
    Signal<> objectWillChange;
};

/// An observable value. Every assignment notifies, whether or not the value changed, the way a
/// published property announces each write.
///
/// With an Owner, only the owner may assign (set, assign, notify): the value is read-only from
/// outside, so the owner's setter that applies the assignment's rule is the only way in.
/// Constructed with an ObservableObject, every assignment first announces its objectWillChange.
template <class T, class Owner = void> class Published {
public:
    Published() = default;
    explicit Published(T initial) : value_(std::move(initial)) {}
    explicit Published(const ObservableObject& owner, T initial = T{})
        : value_(std::move(initial)), owner_(&owner) {}
    Published(const Published&) = delete;
    Published& operator=(const Published&) = delete;

    const T& operator()() const { return value_; }
    const T& get() const { return value_; }

    void set(T value) requires std::is_void_v<Owner> { store(std::move(value)); }
    /// Stores a value without announcing it; pair with notify() to publish several values as
    /// one consistent set (every observer then reads the new neighbours too).
    void assign(T value) requires std::is_void_v<Owner> { quietlyStore(std::move(value)); }
    /// Announces the current value as an assignment would.
    void notify() const requires std::is_void_v<Owner> { announce(); }

    /// The observer hears every later assignment with the new value.
    [[nodiscard]] Subscription observe(typename Signal<T>::Observer observer) {
        return signal_.observe(std::move(observer));
    }

    std::size_t observerCount() const { return signal_.observerCount(); }

private:
    friend Owner; // a non-class Owner (void) makes no friend

    void set(T value) requires(!std::is_void_v<Owner>) { store(std::move(value)); }
    void assign(T value) requires(!std::is_void_v<Owner>) { quietlyStore(std::move(value)); }
    void notify() const requires(!std::is_void_v<Owner>) { announce(); }

    void quietlyStore(T&& value) {
        if (owner_)
            owner_->objectWillChange.notify();
        value_ = std::move(value);
    }
    void store(T&& value) {
        quietlyStore(std::move(value));
        announce();
    }
    void announce() const { signal_.notify(value_); }

    T value_{};
    const ObservableObject* owner_ = nullptr;
    Signal<T> signal_;
};

} // namespace zt
