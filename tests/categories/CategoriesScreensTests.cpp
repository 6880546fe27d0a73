#include "RecordingDelegate.h"
#include "ZTSwiftUIComponents/categories/CategoriesList.h"
#include "ZTSwiftUIComponents/categories/CategoriesListSelectorView.h"
#include "ZTSwiftUIComponents/categories/CategoriesMergeView.h"
#include "ZTSwiftUIComponents/categories/CategoryCellView.h"
#include "ZTSwiftUIComponents/categories/CategoryDetailsView.h"
#include "mocks/MockCategoriesStoreDataSource.h"
#include "platform/Console.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

std::shared_ptr<ReportTransaction> spending(double amount) {
    return std::make_shared<ReportTransaction>("t" + std::to_string(amount), amount, std::nullopt,
                                               std::nullopt, "Food", "cart.fill", "a", std::nullopt,
                                               std::nullopt, true, false, Date{0}, "acc", "Checking",
                                               std::nullopt, std::nullopt, false, false, false);
}

class StubDataSource final : public CategoriesStoreDataSource {
public:
    ReportTransactionList transactions(const WidgetCategory&) const override {
        return {spending(12.5), spending(30)};
    }
    std::string locale() const override { return "de_DE"; }
    ReportTransactionList allTransactions() const override { return {}; }
};

class StoreDelegate final : public CategoriesStoreDelegate {
public:
    std::vector<std::string> shown;
    void showTransactions(const std::shared_ptr<WidgetCategory>& c) override { shown.push_back(c->id); }
};

class CategoriesScreensTest : public PinnedTest {
protected:
    ConsoleCapture console;
    std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();
    std::shared_ptr<CategoriesStoreDataSource> dataSource = std::make_shared<MockCategoriesStoreDataSource>();
    std::shared_ptr<CategoriesStore> store = std::make_shared<CategoriesStore>(dataSource);
    std::shared_ptr<WidgetCategory> food = category("food", "Food", 0), rent = category("rent", "Rent", 1),
                                    travel = category("travel", "Travel", 2);
    std::shared_ptr<CategoriesListModelData> model = makeModel();

    std::shared_ptr<CategoriesListModelData> makeModel() {
        auto m = std::make_shared<CategoriesListModelData>(
            WidgetCategoryList{category("salary", "Salary", 0, TransactionType::income)},
            WidgetCategoryList{food, rent, travel});
        m->delegate = delegate;
        return m;
    }
};

} // namespace

TEST_F(CategoriesScreensTest, CellShowsOrderAndTheFavouriteStar) {
    rent->isFavorite = true;
    const auto plain = CategoryCellView(food, false).body();
    EXPECT_EQ(ui::visibleTexts(plain), std::vector<std::string>{"Food"});
    const auto ordered = CategoryCellView(rent, true).body();
    EXPECT_TRUE(ui::exists(ordered, "Order: 1"));
    EXPECT_EQ(ui::findAs<ui::Image>(ordered, ui::byAccessibilityLabel("Favorite")).symbol, "star.fill");
}

TEST_F(CategoriesScreensTest, ListSwitchesKindSearchesAndSortsLikeAUser) {
    const CategoriesList screen(store, model);
    auto body = screen.body();
    EXPECT_EQ(ui::find(body, "Categories").as<ui::NavigationTitle>()->title, "Categories");
    ui::choose(body, ui::byId("categoryType"), "Income");
    EXPECT_TRUE(ui::exists(screen.body(), "Salary"));
    EXPECT_FALSE(ui::exists(screen.body(), "Food"));
    ui::choose(screen.body(), ui::byId("categoryType"), "Expense");
    ui::typeText(screen.body(), ui::byId("search"), "e");
    body = screen.body();
    EXPECT_TRUE(ui::exists(body, "Rent") && ui::exists(body, "Travel"));
    EXPECT_FALSE(ui::exists(body, "Food"));
    ui::typeText(body, ui::byId("search"), "zzz");
    EXPECT_TRUE(ui::exists(screen.body(), "No Results Found"));
    ui::typeText(screen.body(), ui::byId("search"), "");
    ui::choose(screen.body(), ui::byId("sortDirection"), "Descending");
    EXPECT_EQ(names(model->actualDataSource()), "Travel,Rent,Food");
    EXPECT_EQ(SortControllerState(SortEntity::categories).sort(), (Sort{SortType::userDefined, false}));
}

TEST_F(CategoriesScreensTest, RowActionsReachTheDelegateAndDeleteAsksFirst) {
    const CategoriesList screen(store, model);
    ui::press(ui::find(screen.body(), ui::byId("rent")), "Edit");
    ui::press(ui::find(screen.body(), ui::byId("rent")), "Favorite");
    EXPECT_TRUE(ui::exists(ui::find(screen.body(), ui::byId("rent")), "Unfavorite"));
    ui::press(screen.body(), ui::byAccessibilityLabel("Add Category"));
    ui::press(ui::find(screen.body(), ui::byId("travel")), "Delete");
    ui::press(ui::find(screen.body(), ui::byId("deleteConfirmation")), "Cancel");
    EXPECT_EQ(names(model->actualDataSource()), "Food,Rent,Travel");
    ui::press(ui::find(screen.body(), ui::byId("travel")), "Delete");
    ui::press(ui::find(screen.body(), ui::byId("deleteConfirmation")), "Delete");
    EXPECT_EQ(names(model->actualDataSource()), "Food,Rent");
    queue().runUntilIdle();
    EXPECT_THAT(delegate->calls, ElementsAre("editCategory rent", "updateCategory rent favorite",
                                             "addCategory expense", "deleteCategories travel"));
}

TEST_F(CategoriesScreensTest, EditModeSelectsAllMovesAndDeletesTheSelection) {
    std::set<std::string> reported;
    const CategoriesList screen(store, model, [&](const std::set<std::string>& s) { reported = s; });
    ui::press(screen.body(), ui::byId("edit"));
    ui::press(ui::find(screen.body(), ui::byId("food")), "Move Down");
    EXPECT_EQ(names(model->actualDataSource()), "Rent,Food,Travel");
    ui::press(screen.body(), ui::byAccessibilityLabel("Select All"));
    EXPECT_EQ(reported, (std::set<std::string>{"food", "rent", "travel"}));
    ui::press(screen.body(), ui::byId("select-food"));
    EXPECT_EQ(reported, (std::set<std::string>{"rent", "travel"}));
    ui::press(screen.body(), ui::byAccessibilityLabel("Delete"));
    ui::press(ui::find(screen.body(), ui::byId("deleteConfirmation")), "Delete");
    queue().runUntilIdle();
    EXPECT_THAT(delegate->calls, ElementsAre("saveOrder Rent,Food,Travel", "deleteCategories rent,travel"));
    EXPECT_TRUE(reported.empty());
}

TEST_F(CategoriesScreensTest, MergeWithoutDestinationDoesNothingAndTheDestinationIsNeverMerged) {
    const CategoriesList screen(store, model);
    ui::press(screen.body(), ui::byId("edit"));
    ui::press(screen.body(), ui::byId("select-food"));
    ui::press(screen.body(), ui::byId("select-rent"));
    ui::press(screen.body(), "Merge");
    auto body = screen.body();
    EXPECT_TRUE(ui::exists(ui::find(body, ui::byId("toMerge")), "Food"));
    ui::press(body, ui::byId("merge"));
    ui::press(ui::find(screen.body(), ui::byId("mergeConfirmation")), "Merge");
    EXPECT_TRUE(delegate->calls.empty());
    EXPECT_TRUE(ui::exists(screen.body(), "Merge Categories")); // the sheet stays

    ui::press(screen.body(), "Select destination category");
    ui::press(ui::find(screen.body(), "Select a category"), ui::byId("food"));
    ui::press(ui::find(screen.body(), "Select a category"), "Done");
    body = screen.body();
    EXPECT_EQ(ui::find(body, ui::byId("destination")).children().size(), 1u);
    ui::press(body, ui::byId("merge"));
    EXPECT_EQ(ui::find(screen.body(), ui::byId("mergeConfirmation")).as<ui::ConfirmationDialog>()->message,
              "Do you want to merge the selected categories into Food?");
    ui::press(ui::find(screen.body(), ui::byId("mergeConfirmation")), "Merge");
    EXPECT_THAT(delegate->calls, ElementsAre("mergeCategories Rent into Food"));
    EXPECT_THAT(console.lines(), ::testing::Contains("Merged into Food"));
    EXPECT_FALSE(ui::exists(screen.body(), "Merge Categories"));
}

TEST_F(CategoriesScreensTest, SelectorHandsOverOneOrSeveralCategories) {
    std::vector<std::string> chosen;
    const auto record = [&](const WidgetCategoryList& list) { chosen.push_back(names(list)); };
    const CategoriesListSelectorView single(false, model->income(), model->expenses(), std::nullopt, record);
    EXPECT_TRUE(ui::exists(single.body(), "Select a category"));
    ui::press(single.body(), ui::byId("rent"));
    ui::press(single.body(), ui::byId("food"));
    ui::press(single.body(), "Done");
    const CategoriesListSelectorView several(true, model->income(), model->expenses(),
                                             TransactionType::expense, record);
    EXPECT_TRUE(ui::exists(several.body(), "Select categories"));
    EXPECT_FALSE(ui::exists(several.body(), ui::byId("categoryType"))); // the kind is fixed
    ui::press(several.body(), ui::byId("travel"));
    ui::press(several.body(), ui::byId("food"));
    ui::press(several.body(), ui::byId("travel"));
    ui::press(several.body(), "Done");
    EXPECT_THAT(chosen, ElementsAre("Food", "Food"));
}

TEST_F(CategoriesScreensTest, DetailsReadInsightsFromTheStoreAndSkipAMissingDataSource) {
    const auto source = std::make_shared<StubDataSource>();
    const auto storeDelegate = std::make_shared<StoreDelegate>();
    const auto stocked = std::make_shared<CategoriesStore>(source);
    stocked->delegate = storeDelegate;
    const CategoryDetailsView details(food, stocked, model);
    details.onAppear();
    EXPECT_THAT(console.lines(), ElementsAre("updateSort(_:)", "category"));
    EXPECT_EQ(details.subcategoriesViewModel()->category(), food);
    ui::press(details.body(), "Insights");
    auto body = details.body();
    EXPECT_EQ(ui::find(body, ui::byId("transactionCount")).as<ui::Text>()->content, "2");
    EXPECT_EQ(ui::find(body, ui::byId("totalAmount")).as<ui::Text>()->content, "42,50\u00a0€");
    ui::press(body, "View transactions");
    EXPECT_THAT(storeDelegate->shown, ElementsAre("food"));

    const auto orphan =
        std::make_shared<CategoriesStore>(std::make_shared<StubDataSource>()); // released at once
    const CategoryDetailsView bare(food, orphan, model);
    bare.onAppear();
    ui::press(bare.body(), "Insights");
    EXPECT_TRUE(ui::exists(bare.body(), "No insights available right now"));
    EXPECT_EQ(orphan->locale(), "en_US");
    EXPECT_NO_THROW(ui::press(bare.body(), "View transactions"));
    EXPECT_EQ(bare.insights()->totalAmount(), 0);
}
