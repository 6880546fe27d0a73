#include "CategorySummary.h"

#include <algorithm>
#include <cmath>

namespace zt {

double CategoryGrouping::sum() const {
    double sum = 0;
    for (const Group& group : groups_)
        sum += group.total;
    return sum;
}

std::size_t CategoryGrouping::addGroup(Group group, const NameKey& key, std::size_t freeSlot) {
    groups_.push_back(group);
    keys_.push_back(key);
    slots_[freeSlot] = static_cast<std::uint32_t>(groups_.size());
    if (16 * groups_.size() > slots_.size()) {
        slots_.assign(slots_.size() * 2, 0);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t g = 0; g < keys_.size(); ++g) {
            std::size_t i = slotOf(keys_[g], mask);
            while (slots_[i] != 0)
                i = (i + 1) & mask;
            slots_[i] = static_cast<std::uint32_t>(g + 1);
        }
    }
    return groups_.size() - 1;
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
