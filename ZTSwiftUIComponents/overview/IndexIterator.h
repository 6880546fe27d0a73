#pragma once

#include <compare>
#include <cstddef>
#include <iterator>
#include <memory>
#include <type_traits>

namespace zt {

/// A random-access iterator over a container read by position: it holds the container and a
/// position and yields container[position], so a view type needs only its operator[].
/// Reference is what that operator[] returns; a view that makes its elements on reading returns
/// them by value, and older algorithms then see an input iterator.
template <class Container, class Reference> class IndexIterator {
public:
    using iterator_concept = std::random_access_iterator_tag;
    using iterator_category = std::conditional_t<std::is_reference_v<Reference>,
                                                 std::random_access_iterator_tag, std::input_iterator_tag>;
    using value_type = std::remove_cvref_t<Reference>;
    using difference_type = std::ptrdiff_t;
    using reference = Reference;

    IndexIterator() = default;
    IndexIterator(const Container* container, std::size_t at) : container_(container), at_(at) {}

    Reference operator*() const { return (*container_)[at_]; }
    auto operator->() const requires std::is_reference_v<Reference> { return std::addressof(**this); }
    Reference operator[](difference_type n) const { return *(*this + n); }
    IndexIterator& operator++() { return ++at_, *this; }
    IndexIterator operator++(int) { return IndexIterator(container_, at_++); }
    IndexIterator& operator--() { return --at_, *this; }
    IndexIterator operator--(int) { return IndexIterator(container_, at_--); }
    IndexIterator& operator+=(difference_type n) { return at_ += static_cast<std::size_t>(n), *this; }
    IndexIterator& operator-=(difference_type n) { return at_ -= static_cast<std::size_t>(n), *this; }
    friend IndexIterator operator+(IndexIterator i, difference_type n) { return i += n; }
    friend IndexIterator operator+(difference_type n, IndexIterator i) { return i += n; }
    friend IndexIterator operator-(IndexIterator i, difference_type n) { return i -= n; }
    friend difference_type operator-(const IndexIterator& a, const IndexIterator& b) {
        return static_cast<difference_type>(a.at_) - static_cast<difference_type>(b.at_);
    }
    friend bool operator==(const IndexIterator& a, const IndexIterator& b) { return a.at_ == b.at_; }
    friend auto operator<=>(const IndexIterator& a, const IndexIterator& b) { return a.at_ <=> b.at_; }

private:
    const Container* container_ = nullptr;
    std::size_t at_ = 0;
};

} // namespace zt
