#pragma once

#include "ZTSwiftUIComponents/budgets/BudgetCategory.h"
#include "ZTSwiftUIComponents/budgets/BudgetInterval.h"
#include "ZTSwiftUIComponents/budgets/BudgetType.h"
#include "platform/Date.h"

#include <map>
#include <optional>
#include <string>

namespace zt {

/// What the budget form hands to the host to store: a new budget, or (with id) the new values of
/// an existing one. Amounts are in the application currency.
struct NewBudget {
    /// The stored budget being edited; none for a new one.
    std::optional<std::string> id;
    BudgetType budgetType = BudgetType::category;
    std::string name;
    std::string emoji;
    double limit = 0;
    bool isRollover = false;
    BudgetInterval interval = BudgetInterval::month;
    Date startDate;
    /// None: the budget runs forever.
    std::optional<Date> endDate;
    SelectedCategoryData categories;
    /// The limit of each chosen subcategory, by subcategory identifier.
    std::map<std::string, double> subcategoryBudgets;

    bool operator==(const NewBudget&) const = default;
};

} // namespace zt
