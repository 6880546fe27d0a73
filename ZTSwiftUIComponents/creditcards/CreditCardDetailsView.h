#pragma once

#include "ZTSwiftUIComponents/creditcards/CreditCardDetailsProviding.h"
#include "platform/Date.h"
#include "platform/DateInterval.h"
#include "platform/ui/View.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The details screen of a credit card: the current cycle, the previous cycle with its
/// expenses, every statement (latest due date first) and the ways into the card's transactions.
class CreditCardDetailsView {
public:
    /// The interval to list (none: the host decides), then whether to include purchases and
    /// whether to include payments.
    using ViewTransactionsAction = std::function<void(std::optional<DateInterval>, bool, bool)>;
    /// How many transactions the card has in an interval.
    using TransactionCounter = std::function<std::size_t(const DateInterval&)>;

    /// referenceDate is "today" for every comparison. Without a transaction counter the screen
    /// does not know whether the cycle has transactions and claims neither.
    CreditCardDetailsView(std::shared_ptr<CreditCardDetailsProviding> details, std::string currencyCode,
                          Date referenceDate, std::function<void()> onPaymentDidPress,
                          ViewTransactionsAction onViewTransactionsDidPress = {},
                          TransactionCounter numberOfTransactions = {});

    ui::View body() const;

    /// The cycle the screen shows as current: that of the statement due last, or, without
    /// statements, the calendar month of referenceDate.
    DateInterval currentCycle() const;

private:
    std::shared_ptr<CreditCardDetailsProviding> details_;
    std::string currencyCode_;
    Date referenceDate_;
    std::function<void()> onPaymentDidPress_;
    ViewTransactionsAction onViewTransactionsDidPress_;
    TransactionCounter numberOfTransactions_;
};

} // namespace zt
