#pragma once

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

} // namespace zt
