#include "ZTSwiftUIComponents/budgets/BudgetCategory.h"
#include "ZTSwiftUIComponents/budgets/BudgetInterval.h"
#include "ZTSwiftUIComponents/budgets/BudgetType.h"
#include "ZTSwiftUIComponents/budgets/CategorySelection.h"
#include "ZTSwiftUIComponents/budgets/NewBudgetForm.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using ::testing::ElementsAre;

namespace {

BudgetCategory food() {
    return {"food", "Food", "fork.knife", 0, 0, {{"lunch", "Lunch", 0, 0}, {"dinner", "Dinner", 0, 0}}};
}
BudgetCategory home() {
    return {"home", "Home", "house.fill", 0, 0, {{"rent", "Rent", 0, 0}}};
}
BudgetCategory travel() {
    return {"travel", "Travel", "airplane", 0, 0, {}};
}

SelectedCategoryData chosen(BudgetCategory category, std::set<std::string> subcategories) {
    return {std::move(category), std::move(subcategories), {}};
}

class NewBudgetFormTest : public test::PinnedTest {};

} // namespace

TEST(BudgetVocabularyTest, RawValuesAreExactAndAnythingElseGivesNone) {
    EXPECT_EQ(fromRawValue<BudgetInterval>("2 Weeks"), BudgetInterval::twoWeeks);
    EXPECT_EQ(fromRawValue<BudgetInterval>("2 weeks"), std::nullopt);
    EXPECT_EQ(fromRawValue<BudgetInterval>("2 Months"), BudgetInterval::twomonth);
    EXPECT_EQ(fromRawValue<BudgetInterval>(""), std::nullopt);
    const auto intervals = allCases<BudgetInterval>();
    ASSERT_EQ(intervals.size(), 12u);
    EXPECT_EQ(intervals.front(), BudgetInterval::once);
    EXPECT_EQ(intervals.back(), BudgetInterval::year);
    for (const auto interval : intervals)
        EXPECT_EQ(fromRawValue<BudgetInterval>(rawValue(interval)), interval);

    EXPECT_EQ(budgetTypeFromRawValue(0), BudgetType::category);
    EXPECT_EQ(budgetTypeFromRawValue(1), BudgetType::custom);
    EXPECT_EQ(budgetTypeFromRawValue(2), std::nullopt);
    EXPECT_EQ(budgetTypeFromRawValue(-1), std::nullopt);
    EXPECT_THAT(allBudgetTypes(), ElementsAre(BudgetType::category, BudgetType::custom));
}

TEST(BudgetVocabularyTest, TemplatesAreEqualByNameAndIconOnly) {
    const BudgetCategoryTemplate red("cart.fill", "Groceries", {1, 0, 0});
    const BudgetCategoryTemplate blue("cart.fill", "Groceries", {0, 0, 1});
    EXPECT_NE(red.id, blue.id);
    EXPECT_EQ(red, blue);
    EXPECT_NE(red, BudgetCategoryTemplate("bag.fill", "Groceries", {1, 0, 0}));
    EXPECT_NE(red, BudgetCategoryTemplate("cart.fill", "Shopping", {1, 0, 0}));
}

TEST(BudgetVocabularyTest, ChooserOffersExpenseCategoriesWithSubcategoriesInTheirOrder) {
    auto categories = WidgetCategory::demo();
    auto& groceries = *categories.front()->subcategories;
    std::swap(groceries[0]->order, groceries[1]->order);
    const auto offered = budgetCategories(categories);
    ASSERT_FALSE(offered.empty());
    EXPECT_TRUE(
        std::none_of(offered.begin(), offered.end(), [](const auto& c) { return c.id == "cat-salary"; }));
    EXPECT_EQ(offered.front().id, "cat-groceries");
    ASSERT_EQ(offered.front().subcategories.size(), 2u);
    EXPECT_EQ(offered.front().subcategories[0].name, "Bakery");
}

TEST(CategorySelectionTest, CategoryBasedKeepsOneCategoryWithItsSubcategories) {
    const std::vector<BudgetCategory> all{food(), home(), travel()};
    auto selection = CategorySelection::from(BudgetType::category, std::nullopt);
    selection.toggle(all[0].subcategories[0], all[0]);
    EXPECT_EQ(selection.selectedCategory, "food");
    selection.toggle(all[0].subcategories[1], all[0]);
    EXPECT_EQ(selection.selectedSubcategories, (std::set<std::string>{"lunch", "dinner"}));
    // Another category's subcategory starts over with that category.
    selection.toggle(all[1].subcategories[0], all[1]);
    EXPECT_EQ(selection.selectedCategory, "home");
    EXPECT_EQ(selection.selectedSubcategories, std::set<std::string>{"rent"});
    selection.toggle(all[2]);
    EXPECT_EQ(selection.selectedCategory, "travel");
    EXPECT_TRUE(selection.selectedSubcategories.empty());
    const auto result = selection.result(all);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->category.id, "travel");
    EXPECT_EQ(result->categoryCount(), 1u);
    selection.toggle(all[2]);
    EXPECT_FALSE(selection.result(all));
}

TEST(CategorySelectionTest, CustomKeepsManyCategoriesAndDeselectingDropsTheirSubcategories) {
    const std::vector<BudgetCategory> all{food(), home(), travel()};
    auto selection = CategorySelection::from(BudgetType::custom, std::nullopt);
    selection.toggle(all[2]);
    selection.toggle(all[0].subcategories[1], all[0]);
    selection.toggle(all[1].subcategories[0], all[1]);
    auto result = selection.result(all);
    ASSERT_TRUE(result);
    // List order, not tap order.
    EXPECT_EQ(result->category.id, "food");
    ASSERT_EQ(result->additionalCategories.size(), 2u);
    EXPECT_EQ(result->additionalCategories[0].id, "home");
    EXPECT_EQ(result->selectedSubcategories, (std::set<std::string>{"dinner", "rent"}));
    selection.toggle(all[1]);
    EXPECT_EQ(selection.selectedSubcategories, std::set<std::string>{"dinner"});
    selection.toggle(all[0].subcategories[1], all[0]);
    EXPECT_TRUE(selection.isSelected(all[0])) << "the category stays without its last subcategory";

    const auto reopened = CategorySelection::from(BudgetType::custom, result);
    EXPECT_TRUE(reopened.isSelected(all[0]) && reopened.isSelected(all[1]) && reopened.isSelected(all[2]));
    EXPECT_EQ(reopened.expandedCategories, (std::set<std::string>{"food", "home"}));
}

TEST_F(NewBudgetFormTest, ChoosingACategoryNamesTheBudgetAndResetsSubcategoryBudgets) {
    NewBudgetForm form;
    EXPECT_EQ(form.budgetStartDate, test::at(2025, 5, 15, 0));
    EXPECT_TRUE(form.noEndDate);
    form.categoryChosen(chosen(food(), {"lunch", "dinner"}));
    EXPECT_EQ(form.budgetName, "Food");
    form.subcategoryBudgetFields["lunch"].setText("40");
    form.subcategoryBudgetFields["dinner"].setText("60");
    EXPECT_EQ(form.subcategoryTotal(), 100);

    form.categoryChosen(chosen(food(), {"lunch"}));
    EXPECT_EQ(form.subcategoryBudgets(), (std::map<std::string, double>{{"lunch", 0}}));
    form.categoryChosen(chosen(home(), {"rent"}));
    EXPECT_EQ(form.budgetName, "Home");
    EXPECT_EQ(form.subcategoryBudgets(), (std::map<std::string, double>{{"rent", 0}}));

    form.setBudgetType(BudgetType::custom);
    EXPECT_FALSE(form.selectedCategoryData) << "a one-category choice is dropped for the custom rule";
    form.budgetName = "Holidays";
    form.categoryChosen(SelectedCategoryData{food(), {}, {home()}});
    EXPECT_EQ(form.budgetName, "Holidays") << "a custom budget keeps its own name";
}

TEST_F(NewBudgetFormTest, RemainingLineIsZeroAtTheLimitAndWarnsAboveIt) {
    setAppCurrencyCode("EUR");
    NewBudgetForm form;
    form.categoryChosen(chosen(food(), {"lunch", "dinner"}));
    form.budgetAmountField.setText("0.3");
    form.subcategoryBudgetFields["lunch"].setText("0.1");
    form.subcategoryBudgetFields["dinner"].setText("0.2");
    // 0.1 + 0.2 is a little above 0.3 in binary; the user typed exactly the limit.
    EXPECT_EQ(form.remainingLine().text, "Remaining: €0.00");
    EXPECT_FALSE(form.remainingLine().exceeds);
    EXPECT_TRUE(form.canSave());

    form.subcategoryBudgetFields["dinner"].setText("0.21");
    EXPECT_TRUE(form.remainingLine().exceeds);
    EXPECT_EQ(form.remainingLine().text,
              "The total of subcategory budgets cannot exceed the main budget limit of €0.30");
    EXPECT_FALSE(form.canSave());

    setAppCurrencyCode("USD");
    form.subcategoryBudgetFields["dinner"].setText("");
    EXPECT_EQ(form.remainingLine().text, "Remaining: $0.20") << "the application currency, not the euro";
}

TEST_F(NewBudgetFormTest, SavingNeedsACategoryAPositiveLimitANameAndNumbersOnly) {
    NewBudgetForm form;
    EXPECT_EQ(form.problem(), "Select a category for the budget.");
    form.categoryChosen(chosen(food(), {"lunch"}));
    EXPECT_EQ(form.problem(), "Enter a limit greater than zero.");
    form.budgetAmountField.setText("12O");
    EXPECT_EQ(form.problem(), "The limit is not a number.");
    form.budgetAmountField.setText("1,250.50");
    form.subcategoryBudgetFields["lunch"].setText("abc");
    EXPECT_EQ(form.problem(), "A subcategory amount is not a number.");
    form.subcategoryBudgetFields["lunch"].setText("-5");
    EXPECT_EQ(form.problem(), "Subcategory amounts cannot be negative.");
    form.subcategoryBudgetFields["lunch"].setText("250");
    form.budgetName = "  ";
    EXPECT_EQ(form.problem(), "Enter a name for the budget.");
    form.budgetName = "Food";
    form.budgetEmoji = "🍝";
    form.setEndDate(test::at(2025, 1, 1));
    ASSERT_TRUE(form.canSave());

    const auto budget = form.makeBudget();
    EXPECT_EQ(budget.limit, 1250.5);
    EXPECT_EQ(budget.subcategoryBudgets, (std::map<std::string, double>{{"lunch", 250}}));
    EXPECT_EQ(budget.endDate, form.budgetStartDate) << "the end never lies before the start";
    EXPECT_EQ(budget.emoji, "🍝");
    EXPECT_EQ(NewBudgetForm::editing(budget).makeBudget(), budget);
}
