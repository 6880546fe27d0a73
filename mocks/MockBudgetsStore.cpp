#include "MockBudgetsStore.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/UUID.h"

#include <algorithm>

namespace zt {

MockBudgetsStore::MockBudgetsStore(std::vector<WidgetBudget> budgets)
    : formatter_(makeAppBasedCurrencyFormatter()), budgets_(*this, std::move(budgets)) {}

void MockBudgetsStore::load() {
    budgets_.set(WidgetBudget::demoBudgets());
}

void MockBudgetsStore::remove(const WidgetBudget& budget) {
    auto budgets = budgets_();
    std::erase(budgets, budget);
    budgets_.set(std::move(budgets));
}

ReportTransactionList MockBudgetsStore::transactions(const WidgetBudget&, Date, Date) {
    return {};
}

void MockBudgetsStore::save(const NewBudget& budget) {
    auto budgets = budgets_();
    const auto existing = budget.id ? std::find_if(budgets.begin(), budgets.end(),
                                                   [&](const WidgetBudget& b) { return b.id == *budget.id; })
                                    : budgets.end();
    WidgetBudget stored = existing != budgets.end() ? *existing : WidgetBudget{};
    if (existing == budgets.end())
        stored.id = budget.id.value_or(makeUUIDString());
    stored.name = budget.name;
    stored.limit = budget.limit;
    stored.remaining = budget.limit - stored.spent;
    stored.emojiAttributed = budget.emoji.empty() ? std::nullopt : std::optional(budget.emoji);
    stored.categoryIds = {budget.categories.category.id};
    for (const auto& category : budget.categories.additionalCategories)
        stored.categoryIds.push_back(category.id);
    if (existing != budgets.end())
        *existing = std::move(stored);
    else
        budgets.push_back(std::move(stored));
    budgets_.set(std::move(budgets));
}

std::vector<BudgetCategory> MockBudgetsStore::categories() const {
    return budgetCategories(WidgetCategory::demoExpenses());
}

} // namespace zt
