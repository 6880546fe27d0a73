#include "CategorySummary.h"

#include <algorithm>
#include <cmath>

namespace zt {

void CategoryGrouping::add(const TransactionConformable& transaction) {
    const std::string_view name = transaction.categoryName();
    std::size_t at = lastGroup_;
    if (at >= groups_.size() || groups_[at].name != name) {
        const auto [it, inserted] = index_.try_emplace(name, groups_.size());
        at = it->second;
        if (inserted)
            groups_.push_back(Group{name, 0, 0, &transaction, &transaction});
        lastGroup_ = at;
    }
    Group& group = groups_[at];
    const double amount = transaction.amount();
    group.total += amount;
    ++group.count;
    if (transaction.date() > group.newest->date())
        group.newest = &transaction;
    sum_ += amount;
    ++count_;
}

double categoryPercentage(double total, double grandTotal) {
    return grandTotal > 0 ? std::abs(total) / grandTotal * 100.0 : 0.0;
}

std::vector<CategorySummary> categorySummaries(const CategoryGrouping& grouping) {
    const double grandTotal = std::abs(grouping.sum());
    std::vector<CategorySummary> rows;
    rows.reserve(grouping.groups().size());
    for (const auto& group : grouping.groups()) {
        rows.push_back(CategorySummary{
            group.name.empty() ? std::string(uncategorizedSummaryTitle) : std::string(group.name),
            group.total,
            group.first->categoryImageName(),
            group.first->signColor(),
            categoryPercentage(group.total, grandTotal),
        });
    }
    std::ranges::stable_sort(rows, [](const CategorySummary& a, const CategorySummary& b) {
        return std::abs(a.total) > std::abs(b.total);
    });
    return rows;
}

} // namespace zt
