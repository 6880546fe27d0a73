#include "NewBudgetForm.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/NumberFormatter.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cctype>

namespace zt {

namespace {

constexpr double sumTolerance = 1e-6;

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c); });
}

} // namespace

NewBudgetForm::NewBudgetForm() {
    const auto& environment = Environment::current();
    budgetStartDate = environment.calendar().startOfDay(environment.now());
    budgetEndDate = budgetStartDate;
}

NewBudgetForm NewBudgetForm::editing(const NewBudget& budget) {
    NewBudgetForm form;
    form.editedBudgetId = budget.id;
    form.budgetType = budget.budgetType;
    form.selectedCategoryData = budget.categories;
    for (const auto& [id, amount] : budget.subcategoryBudgets)
        form.subcategoryBudgetFields[id] =
            AmountField::showing(amount == 0 ? std::nullopt : std::optional(amount));
    form.budgetAmountField = AmountField::showing(budget.limit);
    form.isRollover = budget.isRollover;
    form.budgetName = budget.name;
    form.budgetEmoji = budget.emoji;
    form.budgetStartDate = budget.startDate;
    form.noEndDate = !budget.endDate;
    form.budgetEndDate = budget.endDate.value_or(budget.startDate);
    form.budgetInterval = budget.interval;
    return form;
}

void NewBudgetForm::categoryChosen(SelectedCategoryData data) {
    if (budgetType == BudgetType::category)
        budgetName = data.category.name;
    subcategoryBudgetFields.clear();
    for (const auto& id : data.selectedSubcategories)
        subcategoryBudgetFields.emplace(id, AmountField());
    selectedCategoryData = std::move(data);
}

void NewBudgetForm::setBudgetType(BudgetType type) {
    if (type == budgetType)
        return;
    budgetType = type;
    // A custom choice of several categories breaks the one-category rule, and the other way round
    // the name taken from the category no longer names the budget.
    if (selectedCategoryData && (type == BudgetType::custom || selectedCategoryData->categoryCount() > 1)) {
        selectedCategoryData.reset();
        subcategoryBudgetFields.clear();
    }
}

void NewBudgetForm::setStartDate(Date date) {
    budgetStartDate = date;
    budgetEndDate = std::max(budgetEndDate, date);
}

void NewBudgetForm::setEndDate(Date date) {
    budgetEndDate = std::max(date, budgetStartDate);
    noEndDate = false;
}

double NewBudgetForm::budgetAmount() const {
    return budgetAmountField.value().value_or(0);
}

std::map<std::string, double> NewBudgetForm::subcategoryBudgets() const {
    std::map<std::string, double> out;
    for (const auto& [id, field] : subcategoryBudgetFields)
        out.emplace(id, field.value().value_or(0));
    return out;
}

double NewBudgetForm::subcategoryTotal() const {
    double total = 0;
    for (const auto& [id, field] : subcategoryBudgetFields)
        total += field.value().value_or(0);
    return total;
}

bool NewBudgetForm::subcategoriesFit() const {
    return subcategoryTotal() <= budgetAmount() + sumTolerance;
}

NewBudgetForm::RemainingLine NewBudgetForm::remainingLine() const {
    const auto formatter =
        NumberFormatter::currency(Environment::current().localeIdentifier(), appCurrencyCode());
    if (subcategoriesFit()) {
        // Within the tolerance the remainder is zero, never "-0.00".
        const double remaining = std::max(0.0, budgetAmount() - subcategoryTotal());
        return {L("Remaining: ", "New budget: before the amount not yet given to subcategories") +
                    formatter.stringOrDash(remaining),
                false};
    }
    return {L("The total of subcategory budgets cannot exceed the main budget limit of ") +
                formatter.stringOrDash(budgetAmount()),
            true};
}

std::optional<std::string> NewBudgetForm::problem() const {
    if (!selectedCategoryData)
        return L("Select a category for the budget.");
    if (budgetAmountField.isInvalid())
        return L("The limit is not a number.");
    if (!(budgetAmount() > 0))
        return L("Enter a limit greater than zero.");
    if (std::any_of(subcategoryBudgetFields.begin(), subcategoryBudgetFields.end(),
                    [](const auto& entry) { return entry.second.isInvalid(); }))
        return L("A subcategory amount is not a number.");
    if (std::any_of(subcategoryBudgetFields.begin(), subcategoryBudgetFields.end(),
                    [](const auto& entry) { return entry.second.value().value_or(0) < 0; }))
        return L("Subcategory amounts cannot be negative.");
    if (!subcategoriesFit())
        return remainingLine().text;
    if (isBlank(budgetName))
        return L("Enter a name for the budget.");
    return std::nullopt;
}

NewBudget NewBudgetForm::makeBudget() const {
    NewBudget budget;
    budget.id = editedBudgetId;
    budget.budgetType = budgetType;
    budget.name = budgetName;
    budget.emoji = budgetEmoji;
    budget.limit = budgetAmount();
    budget.isRollover = isRollover;
    budget.interval = budgetInterval;
    budget.startDate = budgetStartDate;
    if (!noEndDate)
        budget.endDate = budgetEndDate;
    if (selectedCategoryData)
        budget.categories = *selectedCategoryData;
    budget.subcategoryBudgets = subcategoryBudgets();
    return budget;
}

} // namespace zt
