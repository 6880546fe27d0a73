#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/host/TransactionType.h"
#include "platform/Calendar.h"
#include "platform/Date.h"

#include <algorithm>
#include <concepts>
#include <optional>
#include <ranges>
#include <string>
#include <vector>

namespace zt {

/// A stored transaction as the library reads it. Amounts are magnitudes in the application
/// currency; the expense flag gives the direction. Empty category texts mean "no category".
class TransactionConformable {
public:
    virtual ~TransactionConformable() = default;

    /// The transaction's stable identifier.
    virtual const std::string& identifier() const = 0;
    /// The amount in the application currency.
    virtual double amount() const = 0;
    /// The amount in the currency it was paid in, when that differs from the application's.
    virtual std::optional<double> amountOriginalCurrency() const = 0;
    /// The ISO code of the original currency, when there is one.
    virtual const std::optional<std::string>& currencyCode() const = 0;
    /// When the transaction was booked.
    virtual Date date() const = 0;
    /// True for money going out (an expense, or the sending side of a transfer), false for money
    /// coming in.
    virtual bool isExpense() const = 0;
    /// True for one side of a transfer between the user's own accounts.
    virtual bool isTransfer() const = 0;
    /// Left out of spending figures such as the daily limit's; it is still listed.
    virtual bool isExcludedFromCalculations() const = 0;
    /// The category's name; empty without a category.
    virtual const std::string& categoryName() const = 0;
    /// The name of the category's icon, shown beside the category name; empty without a category.
    virtual const std::string& categoryImageName() const = 0;
    /// The subcategory's name, when there is one.
    virtual const std::optional<std::string>& subcategoryName() const = 0;
    /// The name of the account it was booked on.
    virtual const std::string& accountName() const = 0;
    /// The other party (who was paid, or who paid), when recorded.
    virtual const std::optional<std::string>& payee() const = 0;
    /// The user's note, when there is one.
    virtual const std::optional<std::string>& descriptionText() const = 0;

    /// What the transaction is: an expense, an income, or one side of a transfer.
    TransactionType type() const;
    /// Application-currency units per unit of the original currency; 1 when the transaction was
    /// booked in the application currency or its original amount is 0.
    double exchangeRate() const;
    /// The year of the date in the given calendar. Loops over many transactions should pass one
    /// calendar instead of using the overload below, which makes one per call.
    int year(const Calendar& calendar) const;
    /// The year of the date in the environment's calendar.
    int year() const;
    /// Grey for transfers (money only moves between the user's accounts), red for expenses,
    /// green for everything else.
    Color signColor() const;
};

/// A pointer-like handle of a transaction (shared_ptr, raw pointer) as the sequences below take.
template <class P>
concept TransactionHandle = requires(const P& p) {
    { p->amount() } -> std::convertible_to<double>;
    { p->date() } -> std::convertible_to<Date>;
};

/// The sum of the amounts, in sequence order (0 for none). Amounts are summed as stored, so a
/// list of expenses totals to a positive figure.
template <std::ranges::input_range R>
requires TransactionHandle<std::ranges::range_value_t<R>>
double total(const R& transactions) {
    double sum = 0;
    for (const auto& t : transactions)
        sum += t->amount();
    return sum;
}

/// The transactions newest first; equal dates keep their order.
template <std::ranges::input_range R>
requires TransactionHandle<std::ranges::range_value_t<R>> std::vector<std::ranges::range_value_t<R>>
sortedByDateDescending(const R& transactions) {
    std::vector<std::ranges::range_value_t<R>> out(std::ranges::begin(transactions),
                                                   std::ranges::end(transactions));
    std::ranges::stable_sort(out, [](const auto& a, const auto& b) { return a->date() > b->date(); });
    return out;
}

} // namespace zt
