#pragma once

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/host/WidgetBudget.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <optional>
#include <string>

namespace zt {

/// One budget of the budgets grid: emoji and title, the remaining amount against the total, a
/// progress bar in the budget's colour and the days left.
struct BudgetCardView {
    std::string formattedTotalAmount;
    std::string formattedRemainingAmount;
    std::optional<int> remainingDays;
    std::string budgetTitle;
    Color budgetColor;
    std::string budgetEmoji;
    /// 0 to 1; drawn clamped.
    double progress = 0;

    /// The card of a stored budget.
    static BudgetCardView of(const WidgetBudget& budget, const NumberFormatter& formatter, Color color);

    ui::View body() const;
};

} // namespace zt
