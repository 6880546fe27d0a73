#pragma once

#include "platform/Published.h"

#include <concepts>
#include <functional>
#include <memory>
#include <utility>

namespace zt {

/// A two-way connection to a value that someone else owns (a view model's field, a screen's
/// state): a component reads it and writes it back without knowing where it lives, so a rule that
/// the owner applies on assignment still runs.
template <class T> class Binding {
public:
    Binding(std::function<T()> get, std::function<void(T)> set)
        : get_(std::move(get)), set_(std::move(set)) {}

    /// A binding to a value this binding keeps itself, for components used on their own.
    static Binding constant(T initial) {
        auto value = std::make_shared<T>(std::move(initial));
        return Binding([value] { return *value; }, [value](T v) { *value = std::move(v); });
    }

    T get() const { return get_(); }
    T operator()() const { return get_(); }
    void set(T value) const { set_(std::move(value)); }

private:
    std::function<T()> get_;
    std::function<void(T)> set_;
};

/// A binding to a published member of a shared owner (which it keeps alive): it reads the value
/// and assigns it with set(). Members whose assignment has a rule are read-only and cannot be
/// bound this way; bind their setter with the two-function constructor.
template <class Object, class Owner, class T>
requires std::derived_from<Object, Owner> Binding<T> binding(std::shared_ptr<Object> object,
                                                             Published<T> Owner::*member) {
    return Binding<T>([object, member] { return ((*object).*member)(); },
                      [object, member](T value) { ((*object).*member).set(std::move(value)); });
}

} // namespace zt
