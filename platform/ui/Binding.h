#pragma once

#include "platform/Published.h"
#include "platform/ui/ScreenState.h"

#include <concepts>
#include <functional>
#include <memory>
#include <utility>

namespace zt::ui {

/// Read and write access to a value another screen owns, the way a child screen edits its
/// parent's state: the child reads the current value at each body() and writes through set.
template <class T> struct Binding {
    std::function<T()> get;
    std::function<void(const T&)> set;

    T operator()() const { return get ? get() : T{}; }
    void operator()(const T& value) const {
        if (set)
            set(value);
    }
};

/// A binding to one member of a screen's state, held weakly: once the screen is gone it reads
/// the member's default and writes nothing.
template <class State, class V> Binding<V> bind(const ScreenState<State>& state, V State::*member) {
    return Binding<V>{[weak = state.weak(), member]() -> V {
                          if (const auto s = weak.lock())
                              return (*s).*member;
                          return V{};
                      },
                      state.binding(member)};
}

/// A binding to a published member of a shared model, which it keeps alive, the way a screen edits
/// its view model's field: it reads the value and assigns it with set(), so the model's observers
/// hear it. A member whose assignment has a rule is read-only and cannot be bound this way; bind
/// the model's setter with get and set instead.
template <class Object, class Owner, class T>
requires std::derived_from<Object, Owner> Binding<T> bind(std::shared_ptr<Object> object,
                                                          Published<T> Owner::*member) {
    return Binding<T>{[object, member] { return ((*object).*member)(); },
                      [object, member](const T& value) { ((*object).*member).set(value); }};
}

} // namespace zt::ui
