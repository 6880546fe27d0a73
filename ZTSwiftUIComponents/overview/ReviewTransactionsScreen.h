#pragma once

#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <set>
#include <string>

namespace zt {

/// The transactions waiting for review, each marked reviewed or open; tapping a mark flips it and
/// "Mark all as reviewed" marks every row. The host hears each change. Copies share the marks.
class ReviewTransactionsScreen {
public:
    ReviewTransactionsScreen(ReportTransactionList transactions, NumberFormatter formatter,
                             std::set<std::string> reviewedIds = {}, bool isIncognito = false);

    /// Receives the transaction's identifier and its new mark.
    std::function<void(const std::string&, bool)> onReviewedChanged;

    bool isReviewed(const std::string& transactionId) const;
    /// Flips the mark of one transaction.
    void toggleReviewed(const std::string& transactionId) const;
    /// Marks every listed transaction that is still open.
    void markAllAsReviewed() const;

    ui::View body() const;

private:
    struct State {
        std::set<std::string> reviewed;
        /// Flips one mark and reports it.
        void toggle(const std::string& transactionId,
                    const std::function<void(const std::string&, bool)>& onReviewedChanged);
        /// Marks every open one of the transactions.
        void markAll(const ReportTransactionList& transactions,
                     const std::function<void(const std::string&, bool)>& onReviewedChanged);
    };

    ReportTransactionList transactions_;
    NumberFormatter formatter_;
    bool isIncognito_;
    ui::ScreenState<State> state_;
};

} // namespace zt
