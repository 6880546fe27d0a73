#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/host/TransactionConformable.h"
#include "platform/Calendar.h"

#include <array>
#include <cstddef>
#include <cstdint>
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
/// The overview regroups tens of thousands of transactions on every reload, and a handful of
/// names recurs throughout: a name is matched against a small table of recent names by its
/// length and its first and last eight bytes (exact for names of up to 16 bytes), so most
/// transactions cost neither a hash of the whole name nor a string comparison.
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
        Date newestDate{};
    };

    void add(const TransactionConformable& transaction) {
        add(transaction, transaction.categoryName(), transaction.amount(), transaction.date());
    }
    /// The same with the transaction's category name, amount and date already read.
    void add(const TransactionConformable& transaction, std::string_view name, double amount, Date date);

    const std::vector<Group>& groups() const { return groups_; }
    /// The sum of every amount added, in the order added.
    double sum() const { return sum_; }
    std::size_t count() const { return count_; }

private:
    struct NameKey {
        std::uint64_t head = 0, tail = 0, size = 0;
        bool operator==(const NameKey&) const = default;
    };
    static NameKey keyOf(std::string_view name);
    std::size_t groupOf(std::string_view name);

    std::vector<Group> groups_;
    std::vector<NameKey> keys_;                               // keys_[i] belongs to groups_[i]
    std::array<std::uint32_t, 256> recent_{};                 // slot of a key -> group index + 1
    std::unordered_map<std::string_view, std::size_t> index_; // every name -> group index
    double sum_ = 0;
    std::size_t count_ = 0;
};

/// The calendar year of instants in one calendar, from the local bounds of the years met so far:
/// after the first transaction of a year, the others of that year cost a comparison or two
/// instead of a calendar lookup.
class CalendarYears {
public:
    explicit CalendarYears(const Calendar& calendar) : calendar_(calendar) {}

    int yearOf(Date date) {
        const double t = date.secondsSinceReferenceDate;
        if (last_ < spans_.size() && spans_[last_].start <= t && t < spans_[last_].end)
            return spans_[last_].year;
        return lookUp(date);
    }

private:
    struct Span {
        double start, end;
        int year;
    };
    int lookUp(Date date);

    const Calendar& calendar_;
    std::vector<Span> spans_;
    std::size_t last_ = 0;
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
