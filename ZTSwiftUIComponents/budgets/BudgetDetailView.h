#pragma once

#include "ZTSwiftUIComponents/budgets/BudgetsStoreConforming.h"
#include "ZTSwiftUIComponents/budgets/EmojiFetcher.h"
#include "ZTSwiftUIComponents/budgets/NewBudgetView.h"
#include "ZTSwiftUIComponents/host/RawRepresentable.h"
#include "ZTSwiftUIComponents/host/WidgetBudget.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// Whether a budget is within its limit; a remaining amount of exactly 0 is.
enum class BudgetStatus { overBudget, withinBudget };

template <> struct RawValues<BudgetStatus> {
    static constexpr std::array<std::pair<BudgetStatus, std::string_view>, 2> cases{{
        {BudgetStatus::overBudget, "overBudget"},
        {BudgetStatus::withinBudget, "withinBudget"},
    }};
};

constexpr BudgetStatus status(const WidgetBudget& budget) {
    return budget.remaining < 0 ? BudgetStatus::overBudget : BudgetStatus::withinBudget;
}

/// The spending of one month in the budget's chart.
struct MonthlyData {
    std::string id;
    std::string month;
    double value = 0;

    bool operator==(const MonthlyData&) const = default;
};

/// One budget: its status, the remaining amount, spent, remaining, budgeted and daily figures, the
/// spending of the last months against the limit, the latest transactions, and the edit and
/// delete actions. A confirmed delete removes the budget through the store, then calls onDelete.
/// Copies share their screen state.
class BudgetDetailView {
public:
    /// How many months the chart shows, the current one last.
    static constexpr int chartMonths = 6;
    /// How many transactions show before "View All".
    static constexpr std::size_t latestCount = 5;

    BudgetDetailView(WidgetBudget budget, std::shared_ptr<BudgetsStoreConforming> store,
                     std::function<void()> onDelete = {},
                     std::shared_ptr<const EmojiFetcher> emojiFetcher = nullptr);

    ui::View body() const;

    /// The ratio remaining / limit the status shows; 0 for a limit of 0.
    double remainingRatio() const;
    /// The budget's spending per month over the chart's months, oldest first, from the store's
    /// transactions (expenses add, refunds subtract).
    const std::vector<MonthlyData>& sampleData() const { return sampleData_; }
    /// The stored budget as the form edits it: what the store keeps for it, or else its categories
    /// found among the store's, category based when it covers one.
    NewBudget editableBudget() const;
    /// Newest first.
    const ReportTransactionList& latestTransactions() const { return transactions_; }

private:
    struct State {
        std::optional<std::string> selectedPeriod;
        bool deleteBudgetPressed = false;
        bool editBudget = false;
        bool showsAllTransactions = false;
        std::optional<NewBudgetView> editor;
    };
    ui::View statusCard() const;
    ui::View chart() const;
    ui::View transactionsSection() const;

    WidgetBudget budget_;
    std::shared_ptr<BudgetsStoreConforming> store_;
    std::function<void()> onDelete_;
    std::shared_ptr<const EmojiFetcher> emojiFetcher_;
    NumberFormatter percentageFormatter_;
    std::vector<MonthlyData> sampleData_;
    ReportTransactionList transactions_;
    ui::ScreenState<State> state_;
};

} // namespace zt
