#include "BudgetCategory.h"

#include "platform/UUID.h"

#include <algorithm>

namespace zt {

std::vector<BudgetCategory> budgetCategories(const WidgetCategoryList& categories) {
    std::vector<BudgetCategory> out;
    for (const auto& category : categories) {
        if (!category || category->isIncome())
            continue;
        BudgetCategory mapped{category->id, category->name, category->imageName, 0, 0, {}};
        if (category->subcategories) {
            auto subcategories = *category->subcategories;
            std::stable_sort(subcategories.begin(), subcategories.end(),
                             [](const auto& a, const auto& b) { return a->order < b->order; });
            for (const auto& subcategory : subcategories)
                if (subcategory)
                    mapped.subcategories.push_back({subcategory->id, subcategory->name, 0, 0});
        }
        out.push_back(std::move(mapped));
    }
    return out;
}

BudgetCategoryTemplate::BudgetCategoryTemplate(std::string icon, std::string name, Color color)
    : id(makeUUIDString()), icon(std::move(icon)), name(std::move(name)), color(color) {}

std::vector<BudgetSubcategory> SelectedCategoryData::selectedSubcategoryList() const {
    std::vector<BudgetSubcategory> out;
    const auto collect = [&](const BudgetCategory& c) {
        for (const auto& subcategory : c.subcategories)
            if (selectedSubcategories.contains(subcategory.id))
                out.push_back(subcategory);
    };
    collect(category);
    for (const auto& c : additionalCategories)
        collect(c);
    return out;
}

} // namespace zt
