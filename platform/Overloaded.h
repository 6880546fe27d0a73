#pragma once

namespace zt {

/// One callable made of several lambdas, for `std::visit` over a variant.
template <class... Fs> struct Overloaded : Fs... {
    using Fs::operator()...;
};
template <class... Fs> Overloaded(Fs...) -> Overloaded<Fs...>;

} // namespace zt
