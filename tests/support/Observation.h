#pragma once

namespace zt::test {

/// Whether code outside the owner can assign a published value: false for a value whose
/// assignment has a rule, which only the owner's operation may apply.
template <class Published, class T>
concept assignableFromOutside = requires(Published& published, T value) {
    published.set(value);
};

} // namespace zt::test
