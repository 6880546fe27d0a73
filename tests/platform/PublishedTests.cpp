#include "platform/Published.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
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

namespace {

struct Model : ObservableObject {
    Published<int> open{*this, 1};
    Published<int, Model> ruled{*this, 10};
    void setRuled(int value) { ruled.set(value * 2); }
    void assignBoth(int value) {
        ruled.assign(value);
        open.assign(value);
    }
    void announceRuled() { ruled.notify(); }
};

template <class P>
concept settableFromOutside = requires(P& p) {
    p.set(1);
};

} // namespace

TEST(ObservableObject, AnnouncesWillChangeBeforeEveryPublishedAssignment) {
    Model model;
    std::vector<std::string> events;
    auto will = model.objectWillChange.observe([&] {
        events.push_back("will " + std::to_string(model.open()) + "/" + std::to_string(model.ruled()));
    });
    auto did = model.open.observe([&](int v) { events.push_back("did " + std::to_string(v)); });
    model.open.set(2);
    model.setRuled(3);
    EXPECT_EQ(events, (std::vector<std::string>{"will 1/10", "did 2", "will 2/10"}));

    // Quiet assignments still announce the will-change, once each; a later notify only the value.
    events.clear();
    model.assignBoth(7);
    model.announceRuled();
    model.open.notify();
    EXPECT_EQ(events, (std::vector<std::string>{"will 2/6", "will 2/7", "did 7"}));
}

TEST(ObservableObject, ARuledValueIsReadOnlyFromOutsideButObservable) {
    EXPECT_FALSE(settableFromOutside<decltype(Model::ruled)>);
    EXPECT_TRUE(settableFromOutside<decltype(Model::open)>);
    Model model;
    int heard = 0;
    auto sub = model.ruled.observe([&](int v) { heard = v; });
    model.setRuled(21);
    EXPECT_EQ(heard, 42);
    EXPECT_EQ(model.ruled(), 42);
}

TEST(Signal, RemovalsDuringNestedNotificationsAreCompactedOnlyAfterTheOutermost) {
    Signal<int> signal;
    std::vector<std::string> calls;
    Subscription first, second;
    std::size_t countInside = 0;
    first = signal.observe([&](int depth) {
        calls.push_back("first " + std::to_string(depth));
        if (depth == 0) {
            second.reset();
            countInside = signal.observerCount();
            signal.notify(1); // a nested notification skips the removed observer too
        }
    });
    second = signal.observe([&](int depth) { calls.push_back("second " + std::to_string(depth)); });
    auto third = signal.observe([&](int depth) { calls.push_back("third " + std::to_string(depth)); });
    signal.notify(0);
    EXPECT_EQ(calls, (std::vector<std::string>{"first 0", "first 1", "third 1", "third 0"}));
    EXPECT_EQ(countInside, 2u);
    EXPECT_EQ(signal.observerCount(), 2u);
    calls.clear();
    signal.notify(5);
    EXPECT_EQ(calls, (std::vector<std::string>{"first 5", "third 5"}));
}

TEST(Signal, AnObserverMayDestroyTheSignalItIsCalledFrom) {
    auto signal = std::make_unique<Signal<>>();
    int later = 0;
    Subscription killer = signal->observe([&] { signal.reset(); });
    Subscription next = signal->observe([&] { ++later; });
    signal->notify();
    EXPECT_EQ(signal, nullptr);
    EXPECT_EQ(later, 1); // the notification in progress still reaches everyone
    killer.reset();      // and the subscriptions outlive it harmlessly
    next.reset();
}

TEST(Signal, ManySubscriptionsComeAndGoWithoutLosingOrder) {
    Signal<> signal;
    std::vector<int> order;
    std::vector<Subscription> subs;
    for (int i = 0; i < 100; ++i)
        subs.push_back(signal.observe([&order, i] { order.push_back(i); }));
    for (int i = 0; i < 100; i += 2)
        subs[static_cast<std::size_t>(i)].reset();
    signal.notify();
    ASSERT_EQ(order.size(), 50u);
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_EQ(order.front(), 1);
    EXPECT_EQ(signal.observerCount(), 50u);
}
