#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zt {

/// A stored budget with the figures the host computed for the current period: a value,
/// identified by `id`. Amounts are in the application currency.
struct WidgetBudget {
    std::string id;
    std::string name;
    double limit = 0;
    double spent = 0;
    /// limit - spent as the host computed it; below 0 when over budget.
    double remaining = 0;
    /// What may still be spent per remaining day, when the host works it out.
    std::optional<double> dailyBudget;
    /// Days left in the budget's current period.
    std::optional<int> remainingDays;
    /// The budget's emoji, shown before its name.
    std::optional<std::string> emojiAttributed;
    /// The categories the budget covers.
    std::vector<std::string> categoryIds;

    bool operator==(const WidgetBudget&) const = default;

    bool isOverBudget() const { return remaining < 0; }
    /// Share of the limit spent, clamped to 0…1; 0 for a limit of 0 or less.
    double progress() const;
    /// "12 days" with the host's word for days ("1 day" for one); empty without remainingDays.
    std::string remainingDaysText() const;

    /// Four budgets of the demo categories, one of them overspent.
    static std::vector<WidgetBudget> demoBudgets();
};

} // namespace zt
