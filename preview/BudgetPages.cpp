#include "Gallery.h"
#include "ZTSwiftUIComponents/budgets/BudgetDetailView.h"
#include "ZTSwiftUIComponents/budgets/BudgetsScreen2025.h"
#include "ZTSwiftUIComponents/budgets/ChooseCategoriesScreen.h"
#include "ZTSwiftUIComponents/budgets/EmojiFetcher.h"
#include "ZTSwiftUIComponents/budgets/EmojiGrid.h"
#include "ZTSwiftUIComponents/budgets/NewBudgetView.h"
#include "mocks/MockBudgetsStore.h"

#include <algorithm>
#include <memory>

namespace zt::preview {

namespace {

// The demo store with the demo year of transactions, so a budget's chart and latest
// transactions have something to show.
class BudgetsStoreWithTransactions final : public MockBudgetsStore {
public:
    ReportTransactionList transactions(const WidgetBudget& budget, Date from, Date to) override {
        ReportTransactionList out;
        for (const auto& t : ReportTransaction::demo())
            if (t->isExpense() && !t->isTransfer() && from <= t->date() && t->date() <= to &&
                std::find(budget.categoryIds.begin(), budget.categoryIds.end(), t->categoryId()) !=
                    budget.categoryIds.end())
                out.push_back(t);
        return out;
    }
};

} // namespace

std::vector<Page> budgetPages() {
    return {
        {"budgets", "Budgets",
         [](PageContext&) -> Screen {
             const BudgetsScreen2025 screen(std::make_shared<BudgetsStoreWithTransactions>());
             return [screen] { return screen.body(); };
         }},
        {"budget-details", "Budget details",
         [](PageContext&) -> Screen {
             auto store = std::make_shared<BudgetsStoreWithTransactions>();
             store->load();
             const BudgetDetailView details(store->budgets()[1], store);
             return [details] { return details.body(); };
         }},
        {"new-budget", "New budget",
         [](PageContext&) -> Screen {
             const NewBudgetView form(NewBudgetForm(), MockBudgetsStore().categories(), {});
             return [form] { return form.body(); };
         }},
        {"budget-categories", "Budget category chooser",
         [](PageContext&) -> Screen {
             const ChooseCategoriesScreen chooser(BudgetType::custom, std::nullopt, {},
                                                  MockBudgetsStore().categories());
             return [chooser] { return chooser.body(); };
         }},
        {"emoji-picker", "Emoji picker",
         [](PageContext&) -> Screen {
             const EmojiGrid grid(std::make_shared<const EmojiFetcher>(), "🛒", {});
             return [grid] { return grid.body(); };
         }},
    };
}

} // namespace zt::preview
