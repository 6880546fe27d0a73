#pragma once

#include "ZTSwiftUIComponents/host/ReportTransaction.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <span>

namespace zt {

/// Some elements of a transaction list, in list order, read in place. A selection views
/// positions rather than holding handles: building one copies no shared_ptr, whose atomic
/// counting would stall a pass over many transactions. It is valid while its list and its
/// positions are unchanged; the calculator that hands one out renews both whenever its list
/// changes.
class TransactionSelection {
public:
    using value_type = std::shared_ptr<ReportTransaction>;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = const value_type&;
    using const_reference = const value_type&;

    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using iterator_concept = std::random_access_iterator_tag;
        using value_type = TransactionSelection::value_type;
        using difference_type = std::ptrdiff_t;
        using reference = const value_type&;
        using pointer = const value_type*;

        const_iterator() = default;
        const_iterator(const ReportTransactionList* list, const std::uint32_t* at) : list_(list), at_(at) {}

        reference operator*() const { return (*list_)[*at_]; }
        pointer operator->() const { return &**this; }
        reference operator[](difference_type n) const { return (*list_)[at_[n]]; }
        const_iterator& operator++() { return ++at_, *this; }
        const_iterator operator++(int) { return const_iterator(list_, at_++); }
        const_iterator& operator--() { return --at_, *this; }
        const_iterator operator--(int) { return const_iterator(list_, at_--); }
        const_iterator& operator+=(difference_type n) { return at_ += n, *this; }
        const_iterator& operator-=(difference_type n) { return at_ -= n, *this; }
        friend const_iterator operator+(const_iterator i, difference_type n) { return i += n; }
        friend const_iterator operator+(difference_type n, const_iterator i) { return i += n; }
        friend const_iterator operator-(const_iterator i, difference_type n) { return i -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
            return a.at_ - b.at_;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.at_ == b.at_; }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) { return a.at_ <=> b.at_; }

    private:
        const ReportTransactionList* list_ = nullptr;
        const std::uint32_t* at_ = nullptr;
    };
    using iterator = const_iterator;

    TransactionSelection() = default;
    /// positions index list, ascending.
    TransactionSelection(const ReportTransactionList* list, std::span<const std::uint32_t> positions)
        : list_(list), positions_(positions) {}

    const_iterator begin() const { return const_iterator(list_, positions_.data()); }
    const_iterator end() const { return const_iterator(list_, positions_.data() + positions_.size()); }
    std::size_t size() const { return positions_.size(); }
    bool empty() const { return positions_.empty(); }
    reference operator[](std::size_t i) const { return (*list_)[positions_[i]]; }
    reference front() const { return (*this)[0]; }
    reference back() const { return (*this)[size() - 1]; }
    /// Where each element stands in the list.
    std::span<const std::uint32_t> positions() const { return positions_; }
    /// The elements as a list of their own.
    ReportTransactionList toList() const { return ReportTransactionList(begin(), end()); }

private:
    const ReportTransactionList* list_ = nullptr;
    std::span<const std::uint32_t> positions_;
};

} // namespace zt
