#include "ZTSwiftUIComponents/budgets/BudgetCardView.h"
#include "ZTSwiftUIComponents/budgets/BudgetDetailView.h"
#include "ZTSwiftUIComponents/budgets/BudgetsScreen2025.h"
#include "ZTSwiftUIComponents/budgets/ChooseCategoriesScreen.h"
#include "ZTSwiftUIComponents/budgets/NewBudgetView.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "mocks/MockBudgetsStore.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using ::testing::ElementsAre;

namespace {

// The demo store with transactions of the budget in the last months.
class StoreWithTransactions : public MockBudgetsStore {
public:
    ReportTransactionList fetched;
    ReportTransactionList transactions(const WidgetBudget&, Date, Date) override { return fetched; }
};

std::shared_ptr<ReportTransaction> spent(std::string id, Date date, double amount) {
    return std::make_shared<ReportTransaction>(
        id, amount, std::nullopt, std::nullopt, "Restaurants", "fork.knife", "cat-restaurants", std::nullopt,
        std::nullopt, true, false, date, "acc", "Checking", "Deli " + id, std::nullopt, false, false, false);
}

const std::string& textOf(const ui::View& body, const std::string& id) {
    return ui::findAs<ui::Text>(body, ui::byId(id)).content;
}

class BudgetScreensTest : public test::PinnedTest {
protected:
    std::vector<BudgetCategory> categories = MockBudgetsStore().categories();
};

} // namespace

TEST_F(BudgetScreensTest, ChooserExplainsTheRuleExpandsRowsAndConfirms) {
    std::vector<SelectedCategoryData> results;
    int dismissed = 0;
    const ChooseCategoriesScreen chooser(
        BudgetType::category, std::nullopt, [&](const SelectedCategoryData& d) { results.push_back(d); },
        categories, [&] { ++dismissed; });
    auto body = chooser.body();
    EXPECT_TRUE(ui::exists(body,
                           "Since the budget type is category-based, you can only select one category along "
                           "with its subcategories."));
    EXPECT_FALSE(ui::findAs<ui::Button>(body, "Confirm").enabled);
    EXPECT_EQ(ui::findAs<ui::Image>(body, ui::byId("row-cat-groceries")).symbol, "chevron.down");
    EXPECT_FALSE(ui::exists(body, "Supermarket"));
    EXPECT_THROW(ui::findAs<ui::Image>(body, ui::byId("row-cat-travel")), ui::ViewQueryError) << "no chevron";

    ui::press(body, ui::byId("row-cat-groceries"));
    body = chooser.body();
    EXPECT_EQ(ui::findAs<ui::Image>(body, ui::byId("row-cat-groceries")).symbol, "chevron.up");
    ui::press(body, ui::byId("select-sub-bakery"));
    body = chooser.body();
    EXPECT_EQ(ui::findAs<ui::Button>(body, ui::byId("select-cat-groceries")).symbol, "checkmark.circle.fill");
    EXPECT_EQ(ui::findAs<ui::Label>(body, "Bakery").symbol, "checkmark.circle.fill");
    EXPECT_EQ(ui::findAs<ui::Label>(body, "Supermarket").symbol, "circle");

    ui::typeText(body, ui::byId("search"), "BAKE");
    body = chooser.body();
    EXPECT_FALSE(ui::exists(body, "Housing"));
    ui::press(body, "Confirm");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].category.id, "cat-groceries");
    EXPECT_EQ(results[0].selectedSubcategories, std::set<std::string>{"sub-bakery"});
    EXPECT_EQ(dismissed, 1);

    const ChooseCategoriesScreen custom(BudgetType::custom, results[0], {}, categories);
    body = custom.body();
    EXPECT_TRUE(
        ui::exists(body, "Since the budget type is custom, you can select as many categories you want."));
    EXPECT_TRUE(ui::exists(body, "Bakery")) << "the earlier choice starts expanded";
    EXPECT_TRUE(custom.selection().isSelected(categories[0]));
}

TEST_F(BudgetScreensTest, NewBudgetFormFromChooserToSave) {
    std::vector<NewBudget> saved;
    int dismissed = 0;
    const NewBudgetView view(
        NewBudgetForm(), categories, [&](const NewBudget& b) { saved.push_back(b); }, [&] { ++dismissed; });
    auto body = view.body();
    EXPECT_TRUE(ui::exists(body, "New Budget"));
    EXPECT_FALSE(ui::findAs<ui::Button>(body, "Done").enabled);
    EXPECT_FALSE(ui::exists(body, "Subcategory Budgets"));

    ui::press(body, ui::byId("selectCategory"));
    body = view.body();
    ui::press(body, ui::byId("row-cat-restaurants"));
    body = view.body();
    ui::press(body, ui::byId("select-sub-lunch"));
    ui::press(view.body(), ui::byId("select-sub-dinner"));
    ui::press(view.body(), "Confirm");
    body = view.body();
    EXPECT_FALSE(ui::exists(body,
                            "Since the budget type is category-based, you can only select one category along "
                            "with its subcategories."))
        << "the chooser closed";
    EXPECT_EQ(textOf(body, "chosenSummary"), "2 subcategories selected");
    EXPECT_EQ(ui::findAs<ui::TextField>(body, ui::byId("budgetName")).text, "Restaurants");

    ui::typeText(body, ui::byId("budgetAmount"), "100");
    ui::typeText(view.body(), ui::byId("subcategory-sub-lunch"), "60");
    ui::typeText(view.body(), ui::byId("subcategory-sub-dinner"), "40");
    body = view.body();
    EXPECT_EQ(textOf(body, "remaining"), "Remaining: $0.00");
    ASSERT_TRUE(ui::findAs<ui::Button>(body, "Done").enabled);

    ui::typeText(body, ui::byId("subcategory-sub-dinner"), "41");
    body = view.body();
    EXPECT_EQ(textOf(body, "remaining"),
              "The total of subcategory budgets cannot exceed the main budget limit of $100.00");
    EXPECT_EQ(ui::findAs<ui::Text>(body, ui::byId("remaining")).style.color, ui::Color(negativeAmountColor));
    EXPECT_FALSE(ui::findAs<ui::Button>(body, "Done").enabled);
    ui::typeText(body, ui::byId("subcategory-sub-dinner"), "4O");
    EXPECT_FALSE(ui::findAs<ui::Button>(view.body(), "Done").enabled) << "a typo blocks saving";
    EXPECT_EQ(ui::findAs<ui::TextField>(view.body(), ui::byId("subcategory-sub-dinner")).text, "4O")
        << "kept as typed";
    // The field with the typo is the one marked, not its neighbour.
    EXPECT_TRUE(ui::findAs<ui::TextField>(view.body(), ui::byId("subcategory-sub-dinner")).invalid);
    EXPECT_FALSE(ui::findAs<ui::TextField>(view.body(), ui::byId("subcategory-sub-lunch")).invalid);

    ui::typeText(view.body(), ui::byId("subcategory-sub-dinner"), "");
    ui::choose(view.body(), ui::byId("period"), "2 Weeks");
    ui::press(view.body(), ui::byId("until"));
    ui::pickDate(view.body(), ui::byId("until"), test::at(2025, 12, 31, 0));
    ui::press(view.body(), "Done");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].interval, BudgetInterval::twoWeeks);
    EXPECT_EQ(saved[0].limit, 100);
    EXPECT_EQ(saved[0].endDate, test::at(2025, 12, 31, 0));
    EXPECT_EQ(saved[0].subcategoryBudgets,
              (std::map<std::string, double>{{"sub-dinner", 0}, {"sub-lunch", 60}}));
    EXPECT_EQ(dismissed, 1);
}

TEST_F(BudgetScreensTest, CancelAsksBeforeDiscarding) {
    int dismissed = 0;
    const NewBudgetView view(
        NewBudgetForm(), categories, [](const NewBudget&) { FAIL() << "nothing is saved"; },
        [&] { ++dismissed; });
    ui::press(view.body(), "Cancel");
    auto body = view.body();
    const auto& dialog = ui::findAs<ui::ConfirmationDialog>(body, ui::byId("cancelConfirmation"));
    EXPECT_EQ(dialog.title, "Are you sure?");
    EXPECT_EQ(dialog.message, "Are you sure you want to discard changes?");
    ui::press(ui::find(body, ui::byId("cancelConfirmation")), "Cancel");
    EXPECT_EQ(dismissed, 0);
    EXPECT_FALSE(view.form().cancelPressed);
    ui::press(view.body(), "Cancel");
    ui::press(view.body(), "Confirm");
    EXPECT_EQ(dismissed, 1);
}

TEST_F(BudgetScreensTest, CustomBudgetCountsCategoriesAndSubcategories) {
    NewBudgetForm form;
    form.setBudgetType(BudgetType::custom);
    form.categoryChosen({categories[0], {"sub-bakery"}, {categories[1], categories[2]}});
    const NewBudgetView view(form, categories, {});
    EXPECT_EQ(textOf(view.body(), "chosenSummary"), "Categories: 3, Subcategories: 1");
}

TEST_F(BudgetScreensTest, CardShowsAmountsProgressAndDaysLeft) {
    const auto formatter = NumberFormatter::currency("en_US");
    auto card = BudgetCardView::of(WidgetBudget::demoBudgets()[0], formatter, {1, 0, 0});
    auto body = card.body();
    EXPECT_EQ(textOf(body, "amounts"), "$149.60 of $400.00");
    EXPECT_EQ(textOf(body, "remainingDays"), "21 days left");
    EXPECT_NEAR(ui::findAs<ui::ProgressBar>(body, ui::byId("progress")).value, 250.4 / 400, 1e-9);
    card.remainingDays = 1;
    EXPECT_EQ(textOf(card.body(), "remainingDays"), "1 day left");
    card.remainingDays.reset();
    EXPECT_FALSE(ui::exists(card.body(), ui::byId("remainingDays")));
}

TEST_F(BudgetScreensTest, DetailStatusFiguresChartAndConfirmedDelete) {
    auto store = std::make_shared<StoreWithTransactions>();
    store->load();
    WidgetBudget budget = store->budgets()[1]; // Eating Out: 172.30 of 150 spent
    store->fetched = {spent("may", test::at(2025, 5, 10), 40), spent("april", test::at(2025, 4, 2), 170),
                      spent("old", test::at(2024, 11, 30), 5)};
    int deleted = 0;
    const BudgetDetailView detail(budget, store, [&] { ++deleted; });
    auto body = detail.body();
    EXPECT_TRUE(ui::exists(body, ui::byId("overBudget")));
    EXPECT_TRUE(ui::exists(body, "You overspent this period!"));
    EXPECT_EQ(textOf(body, "remainingAmount"), "-$22.30");
    EXPECT_EQ(textOf(body, "budgeted"), "150.00");
    EXPECT_FALSE(ui::exists(body, ui::byId("dailyBudget"))) << "the host has no daily budget for it";

    ASSERT_EQ(detail.sampleData().size(), 6u);
    EXPECT_EQ(detail.sampleData().front().month, "Dec");
    EXPECT_EQ(detail.sampleData()[4], (MonthlyData{"2025-04", "Apr", 170}));
    EXPECT_EQ(detail.sampleData()[5].value, 40);
    const auto& marks = ui::findAs<ui::Chart>(body, ui::byId("monthlyChart")).marks;
    EXPECT_THAT(marks, ::testing::Contains(ui::ChartMark{ui::MarkKind::bar, "Apr", 20, "Excess",
                                                         ui::Color(negativeAmountColor)}));
    EXPECT_THAT(marks,
                ::testing::Contains(ui::ChartMark{ui::MarkKind::rule, "", 150, "Limit", std::nullopt}));
    EXPECT_FALSE(ui::exists(body, ui::byId("selectedLimit")));
    ui::choose(body, ui::byId("selectedPeriod"), "Apr");
    EXPECT_EQ(textOf(detail.body(), "selectedLimit"), "Limit: $150.00");
    EXPECT_THAT(ui::visibleTexts(ui::find(detail.body(), "Latest Transactions")),
                ::testing::Contains("Deli may"));

    ui::press(detail.body(), ui::byId("deleteBudget"));
    body = detail.body();
    const auto& dialog = ui::findAs<ui::ConfirmationDialog>(body, ui::byId("deleteConfirmation"));
    EXPECT_EQ(dialog.message, "Are you sure you want to delete this budget?");
    ui::press(ui::find(body, ui::byId("deleteConfirmation")), "Cancel");
    EXPECT_EQ(store->budgets().size(), 4u);
    ui::press(detail.body(), ui::byId("deleteBudget"));
    ui::press(detail.body(), "Confirm");
    EXPECT_EQ(store->budgets().size(), 3u);
    EXPECT_EQ(deleted, 1);
}

TEST_F(BudgetScreensTest, DetailOnBudgetAtExactlyZeroRemaining) {
    auto store = std::make_shared<MockBudgetsStore>();
    WidgetBudget budget{"b", "Even", 100, 100, 0, 2.5, 3, "🎯", {}};
    const BudgetDetailView detail(budget, store);
    const auto body = detail.body();
    EXPECT_TRUE(ui::exists(body, ui::byId("withinBudget")));
    EXPECT_TRUE(ui::exists(body, "You are on budget!"));
    EXPECT_EQ(ui::findAs<ui::Image>(body, ui::byId("withinBudget")).symbol, "checkmark.seal.fill");
    EXPECT_EQ(textOf(body, "dailyBudget"), "$2.50");
    EXPECT_EQ(detail.remainingRatio(), 0);
    EXPECT_EQ(BudgetDetailView({"z", "Zero", 0, 0, 0, {}, {}, {}, {}}, store).remainingRatio(), 0)
        << "no division by 0";
}

TEST_F(BudgetScreensTest, BudgetsScreenPersistsTheTypeListsCardsAndNavigates) {
    auto store = std::make_shared<MockBudgetsStore>();
    const BudgetsScreen2025 screen(store);
    auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, "Budgets"));
    ASSERT_EQ(store->budgets().size(), 4u) << "the screen loads its store";
    EXPECT_EQ(ui::findAs<ui::Picker>(body, ui::byId("budgetType")).selectedOption()->title, "Category Based");
    ui::choose(body, ui::byId("budgetType"), "Custom");
    EXPECT_EQ(pinned.defaults->integer("selectedBudgetType"), 1);
    EXPECT_EQ(BudgetsScreen2025::budgetType(), BudgetType::custom);
    pinned.defaults->set("selectedBudgetType", 7);
    EXPECT_EQ(BudgetsScreen2025::budgetType(), BudgetType::category) << "an unknown number";

    EXPECT_EQ(screen.colors().categoryColors().size(), 4u);
    ui::press(screen.body(), ui::byId("delete-budget-fun"));
    EXPECT_EQ(store->budgets().size(), 3u);

    ui::press(screen.body(), "Groceries");
    body = screen.body();
    EXPECT_TRUE(ui::exists(body, "You are on budget!"));
    ui::press(body, ui::byId("deleteBudget"));
    ui::press(screen.body(), "Confirm");
    body = screen.body();
    EXPECT_TRUE(ui::exists(body, ui::byId("budgets"))) << "back on the grid after the delete";
    EXPECT_EQ(store->budgets().size(), 2u);

    std::vector<std::string> selected;
    const BudgetsScreen2025 selecting(store, [&](const WidgetBudget& b) { selected.push_back(b.id); });
    ui::press(selecting.body(), "Transport");
    EXPECT_THAT(selected, ElementsAre("budget-transport"));
    EXPECT_TRUE(ui::exists(selecting.body(), ui::byId("budgets")));
}

TEST_F(BudgetScreensTest, NewBudgetFromTheScreenReachesTheStore) {
    auto store = std::make_shared<MockBudgetsStore>();
    const BudgetsScreen2025 screen(store);
    ui::press(screen.body(), ui::byAccessibilityLabel("New Budget"));
    ui::press(screen.body(), ui::byId("selectCategory"));
    ui::press(screen.body(), ui::byId("select-cat-travel"));
    ui::press(screen.body(), "Confirm");
    ui::typeText(screen.body(), ui::byId("budgetAmount"), "1,50");
    EXPECT_TRUE(ui::findAs<ui::TextField>(screen.body(), ui::byId("budgetAmount")).invalid)
        << "grouped wrongly for English";
    EXPECT_FALSE(ui::findAs<ui::Button>(screen.body(), "Done").enabled);
    ui::typeText(screen.body(), ui::byId("budgetAmount"), "1,500");
    EXPECT_FALSE(ui::findAs<ui::TextField>(screen.body(), ui::byId("budgetAmount")).invalid);
    ui::press(screen.body(), "Done");
    ASSERT_EQ(store->budgets().size(), 5u);
    EXPECT_EQ(store->budgets().back().name, "Travel");
    EXPECT_EQ(store->budgets().back().limit, 1500);
    EXPECT_THAT(store->budgets().back().categoryIds, ElementsAre("cat-travel"));
    EXPECT_FALSE(ui::exists(screen.body(), "Budget For")) << "the form closed";
}

TEST_F(BudgetScreensTest, EditingFromTheDetailsUpdatesTheStoreAndTheDetails) {
    auto store = std::make_shared<MockBudgetsStore>();
    const BudgetsScreen2025 screen(store);
    ui::press(screen.body(), "Fun");
    ui::press(screen.body(), "Edit");
    auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, "Edit Budget"));
    EXPECT_EQ(ui::findAs<ui::TextField>(body, ui::byId("budgetAmount")).text, "120");
    EXPECT_EQ(textOf(body, "chosenSummary"), "Categories: 2, Subcategories: 0") << "two categories: custom";
    ui::typeText(body, ui::byId("budgetAmount"), "150");
    ui::typeText(screen.body(), ui::byId("budgetName"), "Fun & Games");
    ui::press(screen.body(), "Done");
    body = screen.body();
    EXPECT_FALSE(ui::exists(body, "Edit Budget"));
    EXPECT_TRUE(ui::exists(body, "🎬 Fun & Games")) << "the details show the stored change";
    EXPECT_EQ(textOf(body, "budgeted"), "150.00");
    EXPECT_EQ(store->budgets().size(), 4u);
    ui::press(body, "Budgets");
    EXPECT_TRUE(ui::exists(screen.body(), ui::byId("budgets")));
}

TEST_F(BudgetScreensTest, GermanTexts) {
    const Environment::Override german({.locale = "de_DE"});
    setAppCurrencyCode("EUR");
    const NewBudgetView view(NewBudgetForm(), categories, {});
    auto body = view.body();
    EXPECT_TRUE(ui::exists(body, "Neues Budget") && ui::exists(body, "Budgetart") &&
                ui::exists(body, "Kategorie"));
    ui::press(body, ui::byId("selectCategory"));
    EXPECT_TRUE(ui::exists(view.body(),
                           "Da das Budget kategoriebasiert ist, kannst du nur eine Kategorie mit ihren "
                           "Unterkategorien auswählen."));
    BudgetCardView card =
        BudgetCardView::of(WidgetBudget::demoBudgets()[0], NumberFormatter::currency("de_DE"), {});
    EXPECT_EQ(textOf(card.body(), "remainingDays"), "noch 21 Tage");
    NewBudgetForm form;
    form.categoryChosen({categories[0], {"sub-bakery"}, {}});
    form.budgetAmountField = AmountField("1.000,50");
    EXPECT_EQ(form.remainingLine().text, "Verbleibend: 1.000,50\u00a0€");
}
