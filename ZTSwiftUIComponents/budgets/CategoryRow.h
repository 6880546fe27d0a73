#pragma once

#include "ZTSwiftUIComponents/budgets/BudgetCategory.h"
#include "ZTSwiftUIComponents/budgets/CategorySelection.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

namespace zt {

/// One category of the chooser: its selection mark, icon and name, and for a category with
/// subcategories the chevron; tapping the row opens or closes its subcategories (a row without
/// any selects instead), tapping the mark selects.
class CategoryRow {
public:
    CategoryRow(BudgetCategory category, ui::ScreenState<CategorySelection> selection);

    ui::View body() const;

private:
    BudgetCategory category_;
    ui::ScreenState<CategorySelection> selection_;
};

} // namespace zt
