#include "CategorySummary.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zt {

CategoryGrouping::NameKey CategoryGrouping::keyOf(std::string_view name) {
    NameKey key;
    key.size = name.size();
    const char* bytes = name.data();
    if (name.size() >= 8) {
        std::memcpy(&key.head, bytes, 8);
        std::memcpy(&key.tail, bytes + name.size() - 8, 8);
    } else {
        for (std::size_t i = 0; i < name.size(); ++i)
            key.head |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
    }
    return key;
}

std::size_t CategoryGrouping::groupOf(std::string_view name) {
    const NameKey key = keyOf(name);
    const std::size_t slot =
        ((key.head ^ (key.tail * 0x9E3779B97F4A7C15ull) ^ key.size) * 0xC2B2AE3D27D4EB4Full) >> 56;
    // Up to 16 bytes the key holds every byte of the name, so equal keys are equal names.
    if (const std::uint32_t g = recent_[slot];
        g != 0 && keys_[g - 1] == key && (key.size <= 16 || groups_[g - 1].name == name))
        return g - 1;
    const auto [it, inserted] = index_.try_emplace(name, groups_.size());
    if (inserted) {
        groups_.push_back(Group{name});
        keys_.push_back(key);
    }
    recent_[slot] = static_cast<std::uint32_t>(it->second + 1);
    return it->second;
}

void CategoryGrouping::add(const TransactionConformable& transaction, std::string_view name, double amount,
                           Date date) {
    Group& group = groups_[groupOf(name)];
    if (group.count == 0) {
        group.first = group.newest = &transaction;
        group.newestDate = date;
    } else if (date > group.newestDate) {
        group.newest = &transaction;
        group.newestDate = date;
    }
    group.total += amount;
    ++group.count;
    sum_ += amount;
    ++count_;
}

int CalendarYears::lookUp(Date date) {
    const double t = date.secondsSinceReferenceDate;
    for (std::size_t i = 0; i < spans_.size(); ++i) {
        if (spans_[i].start <= t && t < spans_[i].end) {
            last_ = i;
            return spans_[i].year;
        }
    }
    const int year = calendar_.component(CalendarComponent::year, date);
    const auto start = calendar_.date(year, 1, 1);
    const auto end = calendar_.date(year + 1, 1, 1);
    // Only a span that verifiably holds the date is kept (not, say, a year of another era).
    if (start && end && *start <= date && date < *end) {
        spans_.push_back(Span{start->secondsSinceReferenceDate, end->secondsSinceReferenceDate, year});
        last_ = spans_.size() - 1;
    }
    return year;
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
