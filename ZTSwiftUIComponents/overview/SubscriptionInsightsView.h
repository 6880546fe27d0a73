#pragma once

#include "ZTSwiftUIComponents/overview/SubscriptionInsightsCalculator.h"
#include "platform/ui/View.h"

#include <memory>
#include <string>
#include <vector>

namespace zt {

/// What the host does for the subscription-insights screen.
class SubscriptionInsightsViewDelegate {
public:
    virtual ~SubscriptionInsightsViewDelegate() = default;
    /// The user wants to pick (or change) the repeating transaction. The host answers by calling
    /// the calculator's update(transactions) with the occurrences of the one picked.
    virtual void subscriptionInsightsViewShouldSelectTransaction() = 0;
    /// The user attached this emoji to the subscription.
    virtual void subscriptionInsightsViewDidSelectEmoji(const std::string& emoji) = 0;
    /// The user tapped one occurrence, to open it.
    virtual void subscriptionInsightsViewDidSelectOccurrence(const std::string& transactionIdentifier) = 0;
};

/// The subscription-insights screen: the four insights, the repeating transaction and its
/// occurrences, and the emoji the user feels about it. Main thread. The view tree's actions refer
/// to this object: keep it alive while its tree is in use.
class SubscriptionInsightsView {
public:
    explicit SubscriptionInsightsView(std::shared_ptr<SubscriptionInsightsCalculator> calculator);

    /// Held weakly, as the host owns it; without one the actions only change the screen.
    std::weak_ptr<SubscriptionInsightsViewDelegate> delegate;

    /// The emoji offered, in order.
    static const std::vector<std::string>& emojiChoices();

    ui::View body() const;

    const std::shared_ptr<SubscriptionInsightsCalculator>& calculator() const { return calculator_; }

    /// Sets the calculator's emoji, then tells the delegate.
    void selectEmoji(const std::string& emoji) const;
    /// Asks the delegate to let the user pick the repeating transaction.
    void requestTransactionSelection() const;

private:
    std::shared_ptr<SubscriptionInsightsCalculator> calculator_;
};

} // namespace zt
