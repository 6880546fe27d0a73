#pragma once

#include "ZTSwiftUIComponents/budgets/BudgetCategoryColors.h"
#include "ZTSwiftUIComponents/budgets/BudgetDetailView.h"
#include "ZTSwiftUIComponents/budgets/BudgetsStoreConforming.h"
#include "ZTSwiftUIComponents/budgets/NewBudgetView.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace zt {

/// The budgets screen: the budget type picker (remembered under "selectedBudgetType"), one card
/// per budget of the store, each with a delete action, and the new-budget form. Tapping a card
/// hands the budget to onSelect, or, without one, opens its details. Loads the store when made.
/// Main thread; copies share their screen state.
class BudgetsScreen2025 {
public:
    static constexpr std::string_view selectedBudgetTypeKey = "selectedBudgetType";

    explicit BudgetsScreen2025(std::shared_ptr<BudgetsStoreConforming> store,
                               std::function<void(const WidgetBudget&)> onSelect = {});

    ui::View body() const;

    /// The persisted type; an unknown stored number reads as category-based.
    static BudgetType budgetType();
    const BudgetCategoryColors& colors() const { return *colors_; }

private:
    struct State {
        std::optional<WidgetBudget> selectedBudget;
        std::optional<BudgetDetailView> detail;
        bool newBudgetPressed = false;
        std::optional<NewBudgetView> newBudget;
    };
    ui::View detailBody() const;

    std::shared_ptr<BudgetsStoreConforming> store_;
    std::function<void(const WidgetBudget&)> onSelect_;
    std::shared_ptr<BudgetCategoryColors> colors_;
    ui::ScreenState<State> state_;
};

} // namespace zt
