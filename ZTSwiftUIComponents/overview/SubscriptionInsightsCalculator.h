#pragma once

#include "ZTSwiftUIComponents/host/TransactionConformable.h"
#include "ZTSwiftUIComponents/overview/SubscriptionInsightItem.h"
#include "platform/Date.h"
#include "platform/NumberFormatter.h"
#include "platform/Published.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

using TransactionConformableList = std::vector<std::shared_ptr<const TransactionConformable>>;

/// What one subscription (the occurrences of a repeating transaction) has cost: this calendar
/// year, last year, over its life, and how often it was paid; plus the emoji the user attached
/// to it, remembered per subscription in the environment's user defaults. Main thread.
class SubscriptionInsightsCalculator : public ObservableObject {
public:
    /// The user-defaults key of a subscription's emoji is this prefix and the identifier of its
    /// first occurrence ("-" when there is none).
    static constexpr std::string_view emojiKeyPrefix = "selectedEmoji-";

    /// Starts empty, with a currency formatter in locale, then runs update(transactions).
    SubscriptionInsightsCalculator(std::optional<TransactionConformableList> transactions,
                                   std::string locale);

    /// Replaces the occurrences and recomputes everything: the identifier (and with it the
    /// remembered emoji), today's year, the date range and the insights, published at once.
    void update(std::optional<TransactionConformableList> transactions);

    /// Empty until a list is given; then the four insights in SubscriptionInsightType order.
    /// Rebuilt by update() only.
    Published<std::vector<SubscriptionInsightItem>, SubscriptionInsightsCalculator> insights{*this};
    /// Every assignment is remembered under emojiKey() before observers hear it; nothing or an
    /// empty text forgets the choice.
    Published<std::optional<std::string>> selectedEmoji{*this};

    const std::optional<TransactionConformableList>& transactions() const { return transactions_; }
    const NumberFormatter& currencyFormatter() const { return currencyFormatter_; }
    std::optional<int> currentYear() const { return currentYear_; }
    std::optional<Date> minDate() const { return minDate_; }
    std::optional<Date> maxDate() const { return maxDate_; }
    std::optional<int> minYear() const { return minYear_; }
    std::optional<int> maxYear() const { return maxYear_; }
    const std::optional<std::string>& mainTransactionIdentifier() const { return mainTransactionIdentifier_; }
    /// Where selectedEmoji is kept for the current subscription.
    std::string emojiKey() const;

private:
    void rememberEmoji(const std::optional<std::string>& emoji) const;
    void rebuildInsights();
    std::string amountText(double amount) const;

    std::optional<TransactionConformableList> transactions_;
    NumberFormatter currencyFormatter_;
    std::optional<int> currentYear_;
    std::optional<Date> minDate_, maxDate_;
    std::optional<int> minYear_, maxYear_;
    std::optional<std::string> mainTransactionIdentifier_;
    struct Totals {
        double thisYear = 0, lastYear = 0, lifetime = 0;
    } totals_;
    Subscription emojiMemory_;
};

} // namespace zt
