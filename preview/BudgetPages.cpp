#include "Gallery.h"
#include "GalleryHost.h"
#include "ZTSwiftUIComponents/budgets/BudgetDetailView.h"
#include "ZTSwiftUIComponents/budgets/BudgetsScreen2025.h"
#include "ZTSwiftUIComponents/budgets/ChooseCategoriesScreen.h"
#include "ZTSwiftUIComponents/budgets/EmojiFetcher.h"
#include "ZTSwiftUIComponents/budgets/EmojiGrid.h"
#include "ZTSwiftUIComponents/budgets/NewBudgetView.h"
#include "host-sqlite/HostBudgetsStore.h"
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

// The budgets in the gallery's database file, or the demo ones.
std::shared_ptr<BudgetsStoreConforming> budgetsStore() {
    if (auto database = galleryDatabase())
        return std::make_shared<HostBudgetsStore>(std::move(database));
    return std::make_shared<BudgetsStoreWithTransactions>();
}

} // namespace

std::vector<Page> budgetPages() {
    return {
        {"budgets", "Budgets",
         [](PageContext&) -> Screen {
             const BudgetsScreen2025 screen(budgetsStore());
             return [screen] { return screen.body(); };
         }},
        {"budget-details", "Budget details",
         [](PageContext&) -> Screen {
             auto store = budgetsStore();
             store->load();
             // The file may hold fewer budgets than the demo: then the list, to make one.
             if (store->budgets().empty()) {
                 const BudgetsScreen2025 screen(store);
                 return [screen] { return screen.body(); };
             }
             const BudgetDetailView details(
                 store->budgets()[std::min<std::size_t>(1, store->budgets().size() - 1)], store);
             return [details] { return details.body(); };
         }},
        {"new-budget", "New budget",
         [](PageContext&) -> Screen {
             const auto store = budgetsStore();
             const NewBudgetView form(NewBudgetForm(), store->categories(),
                                      [store](const NewBudget& budget) { store->save(budget); });
             return [form] { return form.body(); };
         }},
        {"budget-categories", "Budget category chooser",
         [](PageContext&) -> Screen {
             const ChooseCategoriesScreen chooser(BudgetType::custom, std::nullopt, {},
                                                  budgetsStore()->categories());
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
