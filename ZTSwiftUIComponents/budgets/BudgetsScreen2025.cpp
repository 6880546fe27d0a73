#include "BudgetsScreen2025.h"

#include "ZTSwiftUIComponents/budgets/BudgetCardView.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"
#include "platform/UserDefaults.h"

#include <algorithm>

namespace zt {

BudgetsScreen2025::BudgetsScreen2025(std::shared_ptr<BudgetsStoreConforming> store,
                                     std::function<void(const WidgetBudget&)> onSelect)
    : store_(std::move(store)), onSelect_(std::move(onSelect)),
      colors_(std::make_shared<BudgetCategoryColors>()) {
    store_->load();
}

BudgetType BudgetsScreen2025::budgetType() {
    const auto stored = Environment::current().userDefaults().integer(std::string(selectedBudgetTypeKey));
    return budgetTypeFromRawValue(stored).value_or(BudgetType::category);
}

ui::View BudgetsScreen2025::detailBody() const {
    State& state = *state_;
    // The detail follows the stored budget: an edit shows at once, a removal goes back.
    const auto& budgets = store_->budgets();
    const auto stored = std::find_if(budgets.begin(), budgets.end(),
                                     [&](const WidgetBudget& b) { return b.id == state.selectedBudget->id; });
    if (stored == budgets.end()) {
        state.selectedBudget.reset();
        state.detail.reset();
        return body();
    }
    if (!state.detail || *stored != *state.selectedBudget) {
        state.selectedBudget = *stored;
        state.detail.emplace(*stored, store_, state_.action([](State& s) {
            s.selectedBudget.reset();
            s.detail.reset();
        }));
    }
    return ui::group({
        state.detail->body(),
        ui::toolbarItem("back", ui::button(L("Budgets"), "chevron.left", state_.action([](State& s) {
                            s.selectedBudget.reset();
                            s.detail.reset();
                        }))),
    });
}

ui::View BudgetsScreen2025::body() const {
    if (state_->selectedBudget)
        return detailBody();

    std::vector<BudgetCategory> keyed;
    for (const auto& budget : store_->budgets())
        keyed.push_back(
            {budget.id, budget.name, budget.emojiAttributed.value_or(""), budget.spent, budget.limit, {}});
    colors_->assignColors(keyed);

    std::vector<ui::View> cards;
    for (const auto& budget : store_->budgets()) {
        const auto color = colors_->categoryColors().at(budget.id);
        const auto open = state_.action([budget, onSelect = onSelect_](State& s) {
            if (onSelect)
                onSelect(budget);
            else
                s.selectedBudget = budget;
        });
        cards.push_back(
            ui::vstack(
                {
                    ui::button(open, {BudgetCardView::of(budget, store_->formatter(), color).body()}),
                    ui::button(L("Delete"), "trash", [store = store_, budget] { store->remove(budget); })
                        .role(ui::ButtonRole::destructive)
                        .id("delete-" + budget.id),
                })
                .id(budget.id));
    }

    std::vector<ui::View> content{
        ui::picker(L("Budget Type"),
                   {{"0", L("Category Based"), "chart.pie"}, {"1", L("Custom"), "rectangle.grid.1x2"}},
                   std::to_string(rawValue(budgetType())),
                   [](const std::string& id) {
                       Environment::current().userDefaults().set(std::string(selectedBudgetTypeKey),
                                                                 id == "1" ? 1 : 0);
                   })
            .id("budgetType"),
    };
    if (cards.empty())
        content.push_back(ui::emptyState(L("No budgets"),
                                         L("Create a budget to keep your spending in check."), "chart.pie"));
    else
        content.push_back(ui::grid(2, std::move(cards)).id("budgets"));

    const auto openNewBudget = state_.action([store = store_, weak = state_.weak()](State& s) {
        NewBudgetForm form;
        form.budgetType = budgetType();
        s.newBudget.emplace(
            std::move(form), store->categories(), [store](const NewBudget& budget) { store->save(budget); },
            weakCallback(weak, [](State& st) { st.newBudgetPressed = false; }));
        s.newBudgetPressed = true;
    });
    content.push_back(ui::toolbarItem(
        "newBudget", ui::button({}, "plus", openNewBudget).accessibilityLabel(L("New Budget"))));
    content.push_back(ui::sheet(L("New Budget"), state_->newBudgetPressed,
                                state_.binding(&State::newBudgetPressed),
                                {state_->newBudget ? state_->newBudget->body() : ui::group()}));
    return ui::navigationTitle(L("Budgets"), std::move(content));
}

} // namespace zt
