#include "RecordingDelegate.h"
#include "ZTSwiftUIComponents/categories/SubcategoriesList.h"
#include "ZTSwiftUIComponents/categories/SubcategoriesListViewModel.h"
#include "ZTSwiftUIComponents/categories/SubcategoriesMergeView.h"
#include "platform/Console.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

class SubcategoriesTest : public PinnedTest {
protected:
    ConsoleCapture console;
    std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();
    std::shared_ptr<CategoriesListModelData> model =
        std::make_shared<CategoriesListModelData>(WidgetCategoryList{}, WidgetCategoryList{});
    std::shared_ptr<WidgetCategory> food = category("food", "Food");
    std::shared_ptr<SubcategoriesListViewModel> vm = std::make_shared<SubcategoriesListViewModel>();

    void SetUp() override {
        model->delegate = delegate;
        food->subcategories = WidgetSubcategoryList{
            std::make_shared<WidgetSubcategory>("bakery", "Bakery", "", 0),
            std::make_shared<WidgetSubcategory>("market", "Market", "", 1),
            std::make_shared<WidgetSubcategory>("coffee", "Coffee", "", 2),
        };
        vm->category.set(food);
    }
    std::string shown() const {
        std::string out;
        for (const auto& s : vm->allSubcategories())
            out += (out.empty() ? "" : ",") + s->id + "=" + std::to_string(s->order);
        return out;
    }
};

} // namespace

TEST_F(SubcategoriesTest, FooterOnlyForACategoryWithSubcategoriesAndSearchFilters) {
    EXPECT_EQ(vm->footerText(), "Swipe left on a subcategory to edit or delete it.");
    vm->searchText.set("AR");
    ASSERT_EQ(vm->filteredSubcategories().size(), 1u);
    EXPECT_EQ(vm->filteredSubcategories().front()->id, "market");
    vm->category.set(category("empty", "Empty"));
    EXPECT_EQ(vm->footerText(), std::nullopt);
    EXPECT_TRUE(vm->filteredSubcategories().empty());
    const auto body = SubcategoriesList(vm, model).body();
    EXPECT_EQ(ui::find(body, ui::byId("subcategories")).as<ui::Section>()->footer, "");
}

TEST_F(SubcategoriesTest, SortsInPlaceAndDragsRewriteOrdersFromTheCountDownWhenDescending) {
    vm->updateSort(Sort{SortType::alphabetically, true});
    EXPECT_EQ(shown(), "bakery=0,coffee=2,market=1");
    EXPECT_EQ(console.lines().back(), "updateSort(sort:)");
    vm->updateSort(Sort{SortType::userDefined, false});
    EXPECT_EQ(shown(), "coffee=2,market=1,bakery=0");
    SubcategoriesList(vm, model).onMove({2}, 0);
    EXPECT_EQ(shown(), "bakery=3,coffee=2,market=1");
    vm->updateSort(Sort{SortType::userDefined, true});
    SubcategoriesList(vm, model).onMove({0}, 3);
    EXPECT_EQ(shown(), "coffee=0,bakery=1,market=2");
    EXPECT_THAT(delegate->calls, ElementsAre("saveSubcategoryOrder food bakery=3,coffee=2,market=1",
                                             "saveSubcategoryOrder food coffee=0,bakery=1,market=2"));

    vm->updateSort(Sort{SortType::alphabetically, true});
    SubcategoriesList(vm, model).onMove({0}, 3);
    EXPECT_EQ(shown(), "bakery=1,coffee=0,market=2");
    EXPECT_EQ(delegate->calls.size(), 2u);
}

TEST_F(SubcategoriesTest, ADragInASearchedListMovesTheRowsTheUserSees) {
    food->subcategories->push_back(std::make_shared<WidgetSubcategory>("cake", "Cake", "", 3));
    vm->searchText.set("c"); // Coffee, Cake (Bakery and Market hidden)
    vm->moveShown({1}, 0);   // Cake above Coffee
    EXPECT_EQ(shown(), "bakery=0,market=1,cake=2,coffee=3");
    vm->moveShown({0}, 2); // Cake to the end of what is shown
    EXPECT_EQ(shown(), "bakery=0,market=1,coffee=2,cake=3");
}

TEST_F(SubcategoriesTest, RowActionsEditDeleteAfterConfirmationAndAdd) {
    const SubcategoriesList screen(vm, model);
    ui::press(ui::find(screen.body(), ui::byId("market")), "Edit");
    EXPECT_EQ(vm->selectedSubcategory()->id, "market");
    ui::press(screen.body(), ui::byId("add"));
    ui::press(screen.body(), ui::byId("edit"));
    ui::press(screen.body(), ui::byId("select-coffee"));
    ui::press(screen.body(), ui::byId("select-bakery"));
    ui::press(screen.body(), ui::byId("deleteSelected"));
    ui::press(ui::find(screen.body(), ui::byId("deleteConfirmation")), "Delete");
    EXPECT_THAT(delegate->calls, ElementsAre("editSubcategory market", "addSubcategory food",
                                             "deleteSubcategories bakery,coffee of food"));
}

TEST_F(SubcategoriesTest, MergedSubcategoriesLeaveTheListOnlyAfterTwoSeconds) {
    const SubcategoriesList screen(vm, model);
    ui::press(screen.body(), ui::byId("edit"));
    ui::press(screen.body(), ui::byId("select-coffee"));
    ui::press(screen.body(), ui::byId("select-market"));
    ui::press(screen.body(), ui::byId("mergeSelected"));
    ui::press(screen.body(), "Select destination subcategory");
    ui::press(screen.body(), ui::byId("choose-market"));
    auto body = screen.body();
    ui::press(ui::find(body, "Merge Subcategories"), ui::byId("merge"));
    ui::press(ui::find(screen.body(), ui::byId("mergeConfirmation")), "Merge");
    EXPECT_THAT(delegate->calls, ElementsAre("mergeSubcategories coffee into market")); // never into itself
    EXPECT_TRUE(ui::exists(screen.body(), ui::byAccessibilityLabel("Merging")));
    queue().advance(1.9);
    EXPECT_EQ(shown(), "bakery=0,market=1,coffee=2");
    queue().advance(0.1);
    EXPECT_EQ(shown(), "bakery=0,market=1");
    EXPECT_FALSE(ui::exists(screen.body(), "Merge Subcategories"));
}

TEST_F(SubcategoriesTest, MergeWithoutDestinationOrAfterTheScreenIsGone) {
    {
        const SubcategoriesMergeView merge(model, vm, {food->subcategories->at(0)}, [] {});
        ui::press(merge.body(), ui::byId("merge"));
        ui::press(ui::find(merge.body(), ui::byId("mergeConfirmation")), "Merge");
        EXPECT_TRUE(delegate->calls.empty());
        EXPECT_FALSE(ui::exists(merge.body(), ui::byAccessibilityLabel("Merging")));
        ui::press(merge.body(), ui::byId("destination"));
        ui::press(merge.body(), ui::byId("choose-coffee"));
        ui::press(merge.body(), ui::byId("merge"));
        ui::press(ui::find(merge.body(), ui::byId("mergeConfirmation")), "Merge");
    }
    // The sheet went away before the clean-up; the list still loses the merged rows.
    queue().advance(SubcategoriesMergeView::cleanUpDelay);
    EXPECT_EQ(shown(), "market=1,coffee=2");
    EXPECT_THAT(delegate->calls, ElementsAre("mergeSubcategories bakery into coffee"));
}
