#pragma once

#include <array>
#include <optional>
#include <string>

namespace zt {

/// Whether a budget caps one category with some of its subcategories, or any number of
/// categories. The raw values are stored by the host, so they never change.
enum class BudgetType { category, custom };

constexpr int rawValue(BudgetType type) {
    return type == BudgetType::category ? 0 : 1;
}

/// The type stored as raw; nothing for any other number.
constexpr std::optional<BudgetType> budgetTypeFromRawValue(long long raw) {
    switch (raw) {
    case 0:
        return BudgetType::category;
    case 1:
        return BudgetType::custom;
    default:
        return std::nullopt;
    }
}

constexpr std::array<BudgetType, 2> allBudgetTypes() {
    return {BudgetType::category, BudgetType::custom};
}

/// "Category" or "Custom" in the environment's language.
std::string label(BudgetType type);

} // namespace zt
