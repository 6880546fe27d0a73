#include "WidgetCategory.h"

#include "ZTSwiftUIComponents/host/DemoCatalogue.h"

#include <algorithm>

namespace zt {

namespace {

WidgetCategoryList filtered(const WidgetCategoryList& categories, TransactionType type) {
    WidgetCategoryList out;
    std::copy_if(categories.begin(), categories.end(), std::back_inserter(out),
                 [&](const auto& c) { return c && c->type == type; });
    return out;
}

WidgetCategoryList makeDemo(std::optional<TransactionType> only) {
    WidgetCategoryList out;
    int order[2] = {0, 0};
    for (const auto& entry : demo::categories()) {
        if (only && entry.type != *only)
            continue;
        std::optional<std::vector<std::shared_ptr<WidgetSubcategory>>> subs;
        if (!entry.subcategories.empty()) {
            subs.emplace();
            int subOrder = 0;
            for (const auto& s : entry.subcategories)
                subs->push_back(std::make_shared<WidgetSubcategory>(std::string(s.id), std::string(s.name),
                                                                    std::string(s.imageName), subOrder++));
        }
        const int kind = entry.type == TransactionType::income ? 1 : 0;
        out.push_back(std::make_shared<WidgetCategory>(std::string(entry.id), std::string(entry.name),
                                                       std::string(entry.imageName), entry.type,
                                                       order[kind]++, std::move(subs)));
    }
    // One favourite of each kind, as a user would have.
    for (auto& c : out)
        c->isFavorite = c->id == "cat-groceries" || c->id == "cat-salary";
    return out;
}

} // namespace

WidgetCategoryList incomeCategories(const WidgetCategoryList& categories) {
    return filtered(categories, TransactionType::income);
}

WidgetCategoryList expenseCategories(const WidgetCategoryList& categories) {
    return filtered(categories, TransactionType::expense);
}

WidgetCategoryList WidgetCategory::demo() {
    return makeDemo(std::nullopt);
}
WidgetCategoryList WidgetCategory::demoIncome() {
    return makeDemo(TransactionType::income);
}
WidgetCategoryList WidgetCategory::demoExpenses() {
    return makeDemo(TransactionType::expense);
}

} // namespace zt
