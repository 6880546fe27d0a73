#include "BudgetType.h"

#include "platform/StringTable.h"

namespace zt {

std::string label(BudgetType type) {
    return type == BudgetType::category ? L("Category", "Budget type: one category with its subcategories")
                                        : L("Custom", "Budget type: any number of categories");
}

} // namespace zt
