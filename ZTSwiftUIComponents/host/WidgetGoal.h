#pragma once

#include "platform/Date.h"
#include "platform/NumberFormatter.h"

#include <optional>
#include <string>
#include <vector>

namespace zt {

/// A savings goal: a value, identified by `id`. Amounts are in the application currency.
struct WidgetGoal {
    std::string id;
    std::string name;
    double targetAmount = 0;
    double savedAmount = 0;
    std::optional<Date> targetDate;
    /// An emoji or symbol name shown with the goal.
    std::string imageName;

    bool operator==(const WidgetGoal&) const = default;

    /// Share of the target saved, clamped to 0…1; 1 for a target of 0 or less.
    double progress() const;
    bool isCompleted() const { return savedAmount >= targetAmount; }
    /// "$3,200.00 of $10,000.00": the saved and the target amount through formatter, "--" for an
    /// amount it cannot format.
    std::string progressText(const NumberFormatter& formatter) const;

    /// Goals at several stages, one of them reached; target dates relative to referenceDate.
    static std::vector<WidgetGoal> demoGoals(Date referenceDate);
    static std::vector<WidgetGoal> demoGoals();
};

} // namespace zt
