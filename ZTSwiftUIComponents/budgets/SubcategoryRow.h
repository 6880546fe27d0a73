#pragma once

#include "ZTSwiftUIComponents/budgets/BudgetCategory.h"
#include "ZTSwiftUIComponents/budgets/CategorySelection.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <string>

namespace zt {

/// One subcategory under its expanded category, indented; tapping it selects or deselects it
/// under the selection's rule.
class SubcategoryRow {
public:
    SubcategoryRow(BudgetSubcategory subcategory, BudgetCategory parent,
                   ui::ScreenState<CategorySelection> selection);

    const std::string& parentCategoryID() const { return parent_.id; }
    ui::View body() const;

private:
    BudgetSubcategory subcategory_;
    BudgetCategory parent_;
    ui::ScreenState<CategorySelection> selection_;
};

} // namespace zt
