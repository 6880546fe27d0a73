#include "platform/WeakCallback.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/ViewQuery.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace zt;

namespace {

struct Counter {
    int count = 0;
    std::vector<std::string> notes;
    void add(int n) { count += n; }
};

struct SheetState {
    bool isPresented = false;
    std::string text{};
    int presses = 0;
};

} // namespace

TEST(WeakCallback, CallsWhileTheOwnerLivesAndNeverAfter) {
    auto owner = std::make_shared<Counter>();
    const std::function<void(int)> add = weakCallback(owner, &Counter::add);
    const std::function<void(const std::string&)> note = weakCallback(
        std::weak_ptr<Counter>(owner), [](Counter& c, const std::string& text) { c.notes.push_back(text); });
    add(2);
    add(3);
    note("hello");
    EXPECT_EQ(owner->count, 5);
    EXPECT_EQ(owner->notes, std::vector<std::string>{"hello"});

    const std::weak_ptr<Counter> watch = owner;
    owner.reset(); // the callbacks did not keep it alive
    EXPECT_TRUE(watch.expired());
    EXPECT_NO_THROW(add(1));
    EXPECT_NO_THROW(note("gone"));
}

TEST(ScreenState, BindingsSettersAndActionsReachTheSharedState) {
    const ui::ScreenState<SheetState> state;
    const auto copy = state; // copies of a screen share one state
    const std::function<void(bool)> setPresented = state.binding(&SheetState::isPresented);
    setPresented(true);
    EXPECT_TRUE(copy->isPresented);
    state.setter(&SheetState::isPresented, false)();
    EXPECT_FALSE(copy->isPresented);
    state.binding (&SheetState::text)(std::string("typed"));
    EXPECT_EQ(copy->text, "typed");
    const std::function<void()> press = state.action([](SheetState& s) { ++s.presses; });
    press();
    press();
    EXPECT_EQ(state->presses, 2);
}

TEST(ScreenState, ATreeKeptAfterItsScreenIsGoneDoesNothingWhenUsed) {
    std::optional<ui::ScreenState<SheetState>> state(std::in_place, SheetState{.isPresented = true});
    const auto weak = state->weak();
    const auto tree = ui::group({
        ui::sheet("Sheet", (*state)->isPresented, state->binding(&SheetState::isPresented), {}),
        ui::button("Press", state->action([](SheetState& s) { ++s.presses; })),
    });
    ui::press(tree, "Press");
    EXPECT_EQ(weak.lock()->presses, 1);
    state.reset();
    EXPECT_TRUE(weak.expired()); // the tree's actions did not keep the state alive
    EXPECT_NO_THROW(ui::press(tree, "Press"));
    EXPECT_NO_THROW(ui::dismiss(tree, "Sheet"));
}
