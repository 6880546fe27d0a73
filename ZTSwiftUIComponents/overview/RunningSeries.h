#pragma once

#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/overview/IndexIterator.h"

#include <cstddef>
#include <memory>
#include <span>

namespace zt {

/// One point of the running series the remaining-for-period chart draws.
struct RunningTotalPoint {
    Date date;
    double value = 0;

    bool operator==(const RunningTotalPoint&) const = default;
};

/// The running series of a transaction list: one point per transaction, in list order, with the
/// transaction's date and the running value after it. Only the values are held; each point's
/// date is read from its transaction when the point is read (a transaction moved to another
/// date in place moves its point). Half the memory of stored points matters with 100,000
/// transactions: building the series then touches far fewer fresh pages. It is valid while its
/// list is unchanged; the calculator that hands one out renews it whenever its list changes.
class RunningSeries {
public:
    using value_type = RunningTotalPoint;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = RunningTotalPoint; // points are made on reading
    using const_reference = RunningTotalPoint;

    using const_iterator = IndexIterator<RunningSeries, RunningTotalPoint>;
    using iterator = const_iterator;

    RunningSeries() = default;
    /// values[i] is the running value after list[i], for each of the list's elements.
    RunningSeries(const ReportTransactionList* list, std::unique_ptr<double[]> values)
        : list_(list), values_(std::move(values)), size_(list->size()) {}

    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, size_); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    RunningTotalPoint operator[](std::size_t i) const { return {(*list_)[i]->date(), values_[i]}; }
    RunningTotalPoint front() const { return (*this)[0]; }
    RunningTotalPoint back() const { return (*this)[size() - 1]; }
    /// The running values alone, in list order.
    std::span<const double> values() const { return {values_.get(), size_}; }

private:
    const ReportTransactionList* list_ = nullptr;
    std::unique_ptr<double[]> values_;
    std::size_t size_ = 0;
};

} // namespace zt
