#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace zt {

/// A callback that holds its owner weakly: it calls fn(owner, args...) while the owner lives and
/// does nothing once it is gone. fn may be a member function pointer (&Store::reload) or any
/// callable taking the owner by reference first. Use it wherever a store, a queue or a host keeps
/// a callback into an object that it must not keep alive.
template <class Owner, class Fn> auto weakCallback(const std::shared_ptr<Owner>& owner, Fn fn) {
    return [weak = std::weak_ptr<Owner>(owner), fn = std::move(fn)](auto&&... args) {
        if (const auto strong = weak.lock())
            std::invoke(fn, *strong, std::forward<decltype(args)>(args)...);
    };
}

/// The same for an owner that is only known weakly.
template <class Owner, class Fn> auto weakCallback(std::weak_ptr<Owner> weak, Fn fn) {
    return [weak = std::move(weak), fn = std::move(fn)](auto&&... args) {
        if (const auto strong = weak.lock())
            std::invoke(fn, *strong, std::forward<decltype(args)>(args)...);
    };
}

/// An action for an optional callback (an on… member the host may leave empty): calls fn with the
/// captured arguments when it is set, else does nothing.
template <class Fn, class... Args> auto callIfSet(Fn fn, Args... args) {
    return [fn = std::move(fn), ... args = std::move(args)] {
        if (fn)
            fn(args...);
    };
}

} // namespace zt
