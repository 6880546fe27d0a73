#pragma once

#include "ZTSwiftUIComponents/budgets/BudgetCategory.h"
#include "ZTSwiftUIComponents/budgets/ChooseCategoriesScreen.h"
#include "ZTSwiftUIComponents/budgets/EmojiFetcher.h"
#include "ZTSwiftUIComponents/budgets/EmojiGrid.h"
#include "ZTSwiftUIComponents/budgets/NewBudgetForm.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zt {

/// The budget form: type, the categories it covers, name and emoji, limit, interval with start
/// and end, and a limit per chosen subcategory. "Done" is enabled once the form can be saved and
/// hands the budget to onSave, then closes through onDismiss; "Cancel" asks before discarding.
/// Copies share their screen state.
class NewBudgetView {
public:
    /// emojiFetcher may be empty: the catalogue is then read when the emoji picker first opens.
    NewBudgetView(NewBudgetForm form, std::vector<BudgetCategory> categories,
                  std::function<void(const NewBudget&)> onSave, std::function<void()> onDismiss = {},
                  std::shared_ptr<const EmojiFetcher> emojiFetcher = nullptr);

    ui::View body() const;

    const NewBudgetForm& form() const { return state_->form; }

private:
    struct State {
        NewBudgetForm form;
        std::shared_ptr<const EmojiFetcher> emojiFetcher;
        // Made when they open, so what the user does in them survives redraws.
        std::optional<ChooseCategoriesScreen> chooser;
        std::optional<EmojiGrid> emojiGrid;
    };
    std::vector<ui::View> sections() const;

    std::vector<BudgetCategory> categories_;
    std::function<void(const NewBudget&)> onSave_;
    std::function<void()> onDismiss_;
    ui::ScreenState<State> state_;
};

} // namespace zt
