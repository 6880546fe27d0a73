#pragma once

#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/overview/IndexIterator.h"

#include <cstddef>
#include <cstdint>
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

    using const_iterator = IndexIterator<TransactionSelection, reference>;
    using iterator = const_iterator;

    TransactionSelection() = default;
    /// positions index list, ascending.
    TransactionSelection(const ReportTransactionList* list, std::span<const std::uint32_t> positions)
        : list_(list), positions_(positions) {}

    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, size()); }
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
