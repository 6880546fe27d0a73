#pragma once

#include "ZTSwiftUIComponents/overview/CategorySummary.h"
#include "ZTSwiftUIComponents/overview/RemainingForPeriodCalculator.h"
#include "platform/DateFormatter.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The remaining-for-period screen: the chart of the running series, the period's figure and the
/// transactions behind it, with open, edit and delete (after a confirmation). Main thread.
///
/// Like a toolkit's view value, the object is immutable; its screen state lives in a ScreenState
/// that body() and the actions share, so actions are const. The view tree holds the state weakly:
/// a tree kept after its screen is gone does nothing when pressed.
class RemainingForPeriodView {
public:
    /// How long the chart's selection stays visible after the finger leaves.
    static constexpr double selectionOverlayHideDelay = 2.0;
    /// The chart's height in points.
    static constexpr double chartHeight = 120;

    RemainingForPeriodView(std::shared_ptr<RemainingForPeriodCalculator> calculator, std::string locale);

    /// Each receives the transaction's identifier.
    std::function<void(const std::string&)> onDidTap;
    std::function<void(const std::string&)> onDeleteDidPress;
    std::function<void(const std::string&)> onEditDidPress;

    ui::View body() const;

    const std::shared_ptr<RemainingForPeriodCalculator>& calculator() const { return calculator_; }
    /// Currency style in the given locale.
    const NumberFormatter& currencyFormatter() const { return currencyFormatter_; }

    /// The line through the running series, x the point's date ("yyyy-MM-dd", environment's time
    /// zone), y its value.
    std::vector<ui::ChartMark> chartMarks() const;

    // The chart's drag gesture, as the host toolkit reports it.
    /// The finger is over date: selects the series point nearest to it and shows the overlay.
    void chartDragChanged(Date date) const;
    /// The finger left: the overlay hides selectionOverlayHideDelay seconds later on the main
    /// queue, unless a new drag has begun by then.
    void chartDragEnded() const;

    // Screen state.
    bool isShowingDeleteConfirmation() const;
    std::shared_ptr<ReportTransaction> transactionToDelete() const;
    std::optional<double> selectedValue() const;
    std::optional<Date> selectedDate() const;
    bool isSelectionOverlayVisible() const;

    /// What the delete button of a row does: asks for confirmation.
    void requestDelete(const std::shared_ptr<ReportTransaction>& transaction) const;
    /// The confirmation's delete: reports the identifier, then removes the transaction.
    void confirmDelete() const;
    void cancelDelete() const;

private:
    struct State {
        bool isShowingDeleteConfirmation = false;
        std::shared_ptr<ReportTransaction> transactionToDelete;
        std::optional<double> selectedValue;
        std::optional<Date> selectedDate;
        bool isSelectionOverlayVisible = false;
        unsigned dragGeneration = 0;

        void requestDelete(std::shared_ptr<ReportTransaction> transaction);
        void confirmDelete(const std::function<void(const std::string&)>& onDeleteDidPress,
                           RemainingForPeriodCalculator& calculator);
        void cancelDelete();
    };

    ui::View chartSection() const;
    ui::View transactionsSection(const std::string& title, const std::string& totalId,
                                 const TransactionSelection& transactions,
                                 const std::vector<CategorySummary>& summaries) const;
    ui::View transactionRow(const std::shared_ptr<ReportTransaction>& transaction,
                            const DateFormatter& dateFormatter) const;

    std::shared_ptr<RemainingForPeriodCalculator> calculator_;
    NumberFormatter currencyFormatter_;
    ui::ScreenState<State> state_;
};

/// A category summary row: the category image (44 points), the title, the total as currency and
/// the percentage as "%.1f%%".
ui::View categorySummaryRow(const CategorySummary& summary, const NumberFormatter& currencyFormatter);

} // namespace zt
