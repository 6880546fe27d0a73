#pragma once

#include "ZTSwiftUIComponents/budgets/NewBudget.h"
#include "platform/AmountInput.h"

#include <map>
#include <optional>
#include <string>

namespace zt {

/// The state of the budget form and its rules, apart from how it is drawn. Typed amounts keep the
/// user's text (AmountField); an empty field counts as 0, a field that is not a number blocks
/// saving.
struct NewBudgetForm {
    /// A form starting today (the environment's day) with a monthly interval and no end.
    NewBudgetForm();
    /// A form holding the values of a stored budget, for editing.
    static NewBudgetForm editing(const NewBudget& budget);

    std::optional<std::string> editedBudgetId;
    BudgetType budgetType = BudgetType::category;
    std::optional<SelectedCategoryData> selectedCategoryData;
    /// One field per chosen subcategory, by subcategory identifier.
    std::map<std::string, AmountField> subcategoryBudgetFields;
    AmountField budgetAmountField;
    bool isRollover = false;
    std::string budgetName;
    std::string budgetEmoji;
    Date budgetStartDate;
    Date budgetEndDate;
    bool noEndDate = true;
    BudgetInterval budgetInterval = BudgetInterval::month;

    // Presentation state.
    bool openCategoriesScreen = false;
    bool isEmojiPickerActive = false;
    bool cancelPressed = false;

    /// The chooser's result: stored; a category-based budget takes the category's name; one
    /// empty (0) limit per chosen subcategory, every earlier limit gone.
    void categoryChosen(SelectedCategoryData data);
    /// Switching the type drops a choice made under the other type's rule.
    void setBudgetType(BudgetType type);
    /// A start after the end moves the end along.
    void setStartDate(Date date);
    void setEndDate(Date date);

    /// The main limit; 0 while the field is empty or not a number.
    double budgetAmount() const;
    /// The limit of each chosen subcategory; 0 for an empty field.
    std::map<std::string, double> subcategoryBudgets() const;
    /// The sum of the subcategory limits.
    double subcategoryTotal() const;
    /// Whether the subcategory limits fit inside the main one. Sums are compared to within a
    /// millionth of a unit, so limits that add up to the main one in decimal also do in binary.
    bool subcategoriesFit() const;

    /// The line under the subcategory limits: the amount left to share out, or the warning that
    /// the limits exceed the main one, in the application currency and the environment's locale.
    struct RemainingLine {
        std::string text;
        bool exceeds = false;
    };
    RemainingLine remainingLine() const;

    /// Why the form cannot be saved yet; none when it can.
    std::optional<std::string> problem() const;
    bool canSave() const { return !problem(); }
    /// The budget to store; call only when canSave().
    NewBudget makeBudget() const;
};

} // namespace zt
