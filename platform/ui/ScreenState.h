#pragma once

#include "platform/WeakCallback.h"

#include <functional>
#include <memory>
#include <utility>

namespace zt::ui {

/// The local state of a screen (which sheet is open, what the user is typing), shared by the
/// copies of a screen and reached by the tree's actions through weak bindings, so a tree kept
/// after its screen is gone does nothing when pressed instead of keeping the screen alive.
///
///     struct State { bool isSettingsPresented = false; };
///     ScreenState<State> state_;
///     ui::sheet(title, state_->isSettingsPresented, state_.binding(&State::isSettingsPresented), …)
///     ui::button(L("Settings"), state_.setter(&State::isSettingsPresented, true))
template <class State> class ScreenState {
public:
    ScreenState() : state_(std::make_shared<State>()) {}
    explicit ScreenState(State initial) : state_(std::make_shared<State>(std::move(initial))) {}

    State& operator*() const { return *state_; }
    State* operator->() const { return state_.get(); }

    /// Assigns the member with the value it is called with (a toggle's, a sheet's presented flag,
    /// a text field's text).
    template <class V> std::function<void(const V&)> binding(V State::*member) const {
        return weakCallback(state_, [member](State& s, const V& value) { s.*member = value; });
    }
    /// An action that assigns one value to the member.
    template <class V, class U> std::function<void()> setter(V State::*member, U value) const {
        return weakCallback(state_, [member, value = std::move(value)](State& s) { s.*member = value; });
    }
    /// An action on the state: fn(State&, args...).
    template <class Fn> auto action(Fn fn) const { return weakCallback(state_, std::move(fn)); }

    std::weak_ptr<State> weak() const { return state_; }

private:
    std::shared_ptr<State> state_;
};

} // namespace zt::ui
