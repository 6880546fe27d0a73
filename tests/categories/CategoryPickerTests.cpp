#include "RecordingDelegate.h"
#include "ZTSwiftUIComponents/categories/CategoryPickerScreen.h"
#include "ZTSwiftUIComponents/categories/NewCategoryScreen.h"
#include "platform/Console.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

class CategoryPickerTest : public PinnedTest {
protected:
    ConsoleCapture console;
    WidgetCategoryList income = WidgetCategory::demoIncome();
    WidgetCategoryList expenses = WidgetCategory::demoExpenses();
};

} // namespace

TEST_F(CategoryPickerTest, SearchOnStartIsRememberedAndOpensTheSearchEachTime) {
    const ExpandableCategoryScreen first(income, expenses, TransactionType::expense);
    first.onAppear();
    EXPECT_FALSE(ui::exists(first.body(), ui::byId("search")));
    ui::flip(first.body(), ui::byId("searchOnStart"));
    EXPECT_EQ(pinned.defaults->object("categoryPickerSearchOnStart"), UserDefaults::Value{true});
    const CloudCategoryScreen second(income, expenses, TransactionType::expense);
    second.onAppear();
    EXPECT_TRUE(ui::exists(second.body(), ui::byId("search")));
}

TEST_F(CategoryPickerTest, SearchFindsNamesAndSubcategoriesAndSaysWhenNothingMatches) {
    const auto model = std::make_shared<CategoryPickerModel>(income, expenses, TransactionType::expense);
    model->searchText.set("BAKERY");
    ASSERT_EQ(model->shownCategories().size(), 1u);
    const auto& groceries = *model->shownCategories().front();
    EXPECT_EQ(groceries.id, "cat-groceries");
    EXPECT_EQ(model->shownSubcategories(groceries).size(), 1u);
    model->searchText.set("groc");
    EXPECT_EQ(model->shownSubcategories(groceries).size(), groceries.subcategories->size());

    model->searchText.set("");
    model->sort.set(Sort{SortType::userDefined, false});
    const auto shown = model->shownCategories();
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end(),
                               [](const auto& a, const auto& b) { return a->name > b->name; }));

    const ExpandableCategoryScreen screen(model);
    model->isSearching.set(true);
    ui::typeText(screen.body(), ui::byId("search"), "nothing like this");
    const auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, "No Results Found") &&
                ui::exists(body, "Try searching with different keywords"));
    EXPECT_EQ(ui::findAs<ui::Image>(body, ui::byId("emptyImage")).symbol, "zentEmptyScreen");
}

TEST_F(CategoryPickerTest, FavouritesAreRememberedPerKindByIdentifier) {
    const auto model = std::make_shared<CategoryPickerModel>(income, expenses, TransactionType::expense);
    EXPECT_EQ(model->favoriteExpenseCategory(), "cat-groceries");
    EXPECT_EQ(model->favoriteIncomeCategory(), "cat-salary");
    const CloudCategoryScreen screen(model);
    ui::press(ui::find(screen.body(), ui::byId("menu-cat-housing")), "Favorite");
    EXPECT_EQ(model->favoriteExpenseCategory(), "cat-housing");
    EXPECT_EQ(model->favoriteIncomeCategory(), "cat-salary");
}

TEST_F(CategoryPickerTest, DeletesAskFirstAndLogWhatWasConfirmed) {
    const auto model = std::make_shared<CategoryPickerModel>(income, expenses, TransactionType::expense);
    const ExpandableCategoryScreen screen(model);
    ui::press(ui::find(screen.body(), ui::byId("menu-cat-housing")), "Delete");
    auto dialog = ui::find(screen.body(), ui::byId("deleteConfirmation"));
    EXPECT_EQ(dialog.as<ui::ConfirmationDialog>()->title, "Delete Category");
    EXPECT_EQ(dialog.as<ui::ConfirmationDialog>()->message,
              "Are you sure you want to delete 'Housing'? This action cannot be undone.");
    ui::press(dialog, "Cancel");
    EXPECT_FALSE(model->pendingDelete());
    ui::press(ui::find(screen.body(), ui::byId("menu-cat-housing")), "Delete");
    ui::press(ui::find(screen.body(), ui::byId("deleteConfirmation")), "Delete");

    ui::press(screen.body(), ui::byId("expand-cat-groceries"));
    ui::press(screen.body(), ui::byId("delete-sub-bakery"));
    EXPECT_EQ(ui::find(screen.body(), ui::byId("deleteConfirmation")).as<ui::ConfirmationDialog>()->title,
              "Delete Subcategory");
    ui::press(ui::find(screen.body(), ui::byId("deleteConfirmation")), "Delete");
    ui::press(screen.body(), ui::byId("sub-supermarket"));
    ui::press(screen.body(), ui::byId("add-cat-groceries"));
    ui::press(ui::find(screen.body(), ui::byId("menu-cat-housing")), "New Subcategory");
    EXPECT_THAT(console.lines(),
                ElementsAre("Confirmed delete for: Housing", "Confirmed delete for subcategory: Bakery",
                            "selectSubcategory called for: Supermarket (ID: sub-supermarket)",
                            "Add new subcategory to: Groceries",
                            "Add subcategory button tapped for: Housing"));
    EXPECT_EQ(model->selectedSubcategory()->id, "sub-supermarket");
    EXPECT_TRUE(ui::exists(screen.body(), "Enter subcategory name"));
}

TEST_F(CategoryPickerTest, NewCategoryFormSavesOnlyANameAndPicksAnIcon) {
    std::vector<std::string> saved;
    int closed = 0;
    const NewCategoryScreen form(
        false, "", TransactionType::expense, "",
        [&](const NewCategoryScreen::Result& r) {
            saved.push_back(r.name + "/" + std::string(rawValue(r.type)) + "/" + r.iconId);
        },
        [&] { ++closed; });
    auto body = form.body();
    EXPECT_TRUE(ui::exists(body, "New Category"));
    EXPECT_TRUE(ui::exists(body, ui::byAccessibilityLabel("star")));
    ui::typeText(body, ui::byId("name"), "   ");
    EXPECT_THROW(ui::press(form.body(), "Save"), ui::ViewQueryError);
    ui::typeText(form.body(), ui::byId("name"), "Pets");
    ui::choose(form.body(), ui::byId("categoryType"), "Income");
    ui::press(form.body(), ui::byId("icon"));
    ui::typeText(form.body(), ui::byId("iconSearch"), "groceries");
    body = form.body();
    EXPECT_FALSE(ui::exists(body, ui::byId("fork.knife")));
    ui::press(body, ui::byId("basket.fill"));
    ui::press(form.body(), "Save");
    EXPECT_THAT(saved, ElementsAre("Pets/income/basket.fill"));
    EXPECT_EQ(closed, 1);

    const NewSubcategoryScreen edit(true, "Vet", [&](const std::string& name) { saved.push_back(name); });
    EXPECT_TRUE(ui::exists(edit.body(), "Edit Subcategory"));
    ui::press(edit.body(), "Save");
    EXPECT_EQ(saved.back(), "Vet");
}

TEST_F(CategoryPickerTest, ScreensReadInGerman) {
    Environment::Override german({.locale = "de_DE"});
    const ExpandableCategoryScreen screen(income, expenses, TransactionType::expense);
    ui::press(ui::find(screen.body(), ui::byId("menu-cat-housing")), "Löschen");
    const auto body = screen.body();
    EXPECT_EQ(ui::find(body, ui::byId("deleteConfirmation")).as<ui::ConfirmationDialog>()->message,
              "Möchtest du „Housing“ wirklich löschen? Das lässt sich nicht rückgängig machen.");
    EXPECT_TRUE(ui::exists(body, "Suche beim Start"));
    EXPECT_TRUE(
        ui::exists(NewCategoryScreen(false, "", TransactionType::expense, "").body(), "Neue Kategorie"));
}
