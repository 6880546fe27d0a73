#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/host/TransactionConformable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zt {

/// One row of a category section: a category's share of a list of transactions.
struct CategorySummary {
    std::string title;
    double total = 0;
    std::string imageName;
    Color color;
    double percentage = 0; // 0…100

    bool operator==(const CategorySummary&) const = default;
};

/// The title of the group of transactions that have no category name.
inline constexpr std::string_view uncategorizedSummaryTitle = "--";

/// Transactions grouped by category name in one pass, groups in the order of their first
/// transaction.
///
/// Group names point into the transactions added: they must outlive the grouping.
class CategoryGrouping {
public:
    struct Group {
        std::string_view name; // empty for transactions without a category
        double total = 0;      // the amounts summed as stored, in the order added
        std::size_t count = 0;
        const TransactionConformable* first = nullptr;
        const TransactionConformable* newest = nullptr; // the latest date; the earlier added on a tie
    };

    void add(const TransactionConformable& transaction);

    const std::vector<Group>& groups() const { return groups_; }
    /// The sum of every amount added, in the order added.
    double sum() const { return sum_; }
    std::size_t count() const { return count_; }

private:
    std::vector<Group> groups_;
    std::unordered_map<std::string_view, std::size_t> index_; // name -> position in groups_
    std::size_t lastGroup_ = 0; // consecutive transactions often share their category
    double sum_ = 0;
    std::size_t count_ = 0;
};

/// The category summaries of a grouping, with the rules of the remaining-for-period screen:
/// grand total = |sum of all amounts|; one row per category name (untitled ones under "--");
/// total signed as stored; percentage = |total| ÷ grand total × 100 (0 when the grand total is 0);
/// image and colour from the group's first transaction; rows sorted by |total|, largest first,
/// equal ones in order of first appearance.
std::vector<CategorySummary> categorySummaries(const CategoryGrouping& grouping);

/// The same for a list of transaction handles (shared_ptr or pointer).
template <std::ranges::input_range R>
requires TransactionHandle<std::ranges::range_value_t<R>> std::vector<CategorySummary>
categorySummaries(const R& transactions) {
    CategoryGrouping grouping;
    for (const auto& t : transactions)
        grouping.add(*t);
    return categorySummaries(grouping);
}

/// |total| ÷ grandTotal × 100, or 0 when grandTotal is not above 0.
double categoryPercentage(double total, double grandTotal);

} // namespace zt
