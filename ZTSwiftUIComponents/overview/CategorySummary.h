#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/host/TransactionConformable.h"
#include "platform/Calendar.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
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
/// names recurs throughout: a name is looked up by a key of its length and up to 16 of its bytes
/// (the whole name up to 16 bytes) in a sparse open-addressed table, so most transactions cost
/// neither a hash of the whole name nor a string comparison.
///
/// Group names point into the transactions added: they must outlive the grouping.
class CategoryGrouping {
public:
    struct Group {
        std::string_view name; // empty for transactions without a category
        double total = 0;      // the amounts summed as stored, in the order added
        const TransactionConformable* first = nullptr;
        const TransactionConformable* newest = nullptr; // the latest date; the earlier added on a tie
        Date newestDate{};
    };

    void add(const TransactionConformable& transaction) {
        add(transaction, transaction.categoryName(), transaction.amount(), transaction.date());
    }
    /// The same with the transaction's category name, amount and date already read.
    void add(const TransactionConformable& transaction, std::string_view name, double amount, Date date) {
        // A new group starts with this transaction as its first and newest.
        Group& group = groups_[groupOf(name, transaction, date)];
        if (date > group.newestDate) {
            group.newest = &transaction;
            group.newestDate = date;
        }
        group.total += amount;
    }

    const std::vector<Group>& groups() const { return groups_; }
    /// The sum of every amount added, group by group.
    double sum() const;

private:
    struct NameKey {
        std::uint64_t head = 0, tail = 0, size = 0;
        bool operator==(const NameKey&) const = default;
    };
    static NameKey keyOf(std::string_view name) {
        // Four overlapping four-byte loads cover every byte of a name of 4 to 16 bytes wherever
        // it ends, so names of mixed lengths take the same path: branching on the length would be
        // mispredicted on about every other transaction.
        const auto load = [](const char* at, std::size_t bytes) {
            std::uint64_t value = 0;
            std::memcpy(&value, at, bytes);
            return value;
        };
        const char* bytes = name.data();
        const std::size_t size = name.size();
        if (size >= 4) {
            const std::size_t last = size - 4;
            return {load(bytes, 4) | load(bytes + std::min<std::size_t>(4, last), 4) << 32,
                    load(bytes + std::min<std::size_t>(8, last), 4) | load(bytes + last, 4) << 32, size};
        }
        if (size > 0)
            return {load(bytes, 1) | load(bytes + size / 2, 1) << 8 | load(bytes + size - 1, 1) << 16, 0,
                    size};
        return {};
    }
    static std::size_t slotOf(const NameKey& key, std::size_t mask) {
        const std::uint64_t mixed =
            (key.head ^ (key.tail * 0x9E3779B97F4A7C15ull) ^ key.size) * 0xC2B2AE3D27D4EB4Full;
        return static_cast<std::size_t>(mixed >> 32) & mask;
    }
    // Always inlined into add(), so that a transaction costs one call, not two.
    [[gnu::always_inline]] std::size_t groupOf(std::string_view name,
                                               const TransactionConformable& transaction, Date date) {
        const NameKey key = keyOf(name);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = slotOf(key, mask);; i = (i + 1) & mask) {
            const std::uint32_t slot = slots_[i];
            if (slot == 0)
                return addGroup(Group{name, 0, &transaction, &transaction, date}, key, i);
            // Up to 16 bytes the key holds every byte of the name, so equal keys are equal names.
            if (keys_[slot - 1] == key && (key.size <= 16 || groups_[slot - 1].name == name))
                return slot - 1;
        }
    }
    std::size_t addGroup(Group group, const NameKey& key, std::size_t freeSlot);

    std::vector<Group> groups_;
    std::vector<NameKey> keys_; // keys_[i] is the key of groups_[i]
    // Group index + 1 by key, 0 where free. Kept at most 1/16 full: a name that has to step
    // past another's slot pays a mispredicted branch on every one of its transactions.
    std::vector<std::uint32_t> slots_ = std::vector<std::uint32_t>(512);
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
