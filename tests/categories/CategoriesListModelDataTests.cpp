#include "RecordingDelegate.h"
#include "ZTSwiftUIComponents/categories/CategoriesListModelData.h"
#include "ZTSwiftUIComponents/categories/CategorySort.h"
#include "platform/Console.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

class CategoriesListModelDataTest : public PinnedTest {
protected:
    ConsoleCapture console;
    std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();

    std::shared_ptr<CategoriesListModelData> make(WidgetCategoryList expenses,
                                                  WidgetCategoryList income = {}) {
        auto model = std::make_shared<CategoriesListModelData>(std::move(income), std::move(expenses));
        model->delegate = delegate;
        return model;
    }
    void persist(SortType type, bool ascending) {
        SortControllerState(SortEntity::categories).save(Sort{type, ascending});
    }
    static std::vector<int> orders(const WidgetCategoryList& list) {
        std::vector<int> out;
        for (const auto& c : list)
            out.push_back(c->order);
        return out;
    }
};

} // namespace

TEST_F(CategoriesListModelDataTest, StartsWithThePersistedSortAppliedToBothListsAndTheRows) {
    persist(SortType::alphabetically, false);
    const auto model = make({category("a", "Bills", 0), category("b", "Travel", 1), category("c", "Food", 2)},
                            {category("d", "Bonus", 0, TransactionType::income),
                             category("e", "Salary", 1, TransactionType::income)});
    EXPECT_EQ(model->sort(), (Sort{SortType::alphabetically, false}));
    EXPECT_EQ(names(model->expenses()), "Travel,Food,Bills");
    EXPECT_EQ(names(model->income()), "Salary,Bonus");
    EXPECT_EQ(names(model->actualDataSource()), "Travel,Food,Bills");
    EXPECT_FALSE(model->canMove());
    EXPECT_EQ(console.lines().front(), "updateSort(_:)");

    // Without anything stored: the user's order, ascending.
    pinned.defaults->removeObject(SortControllerState::typeKey(SortEntity::categories));
    pinned.defaults->removeObject(SortControllerState::ascendingKey(SortEntity::categories));
    const auto plain =
        make({category("a", "Bills", 2), category("b", "Travel", 0), category("c", "Food", 1)});
    EXPECT_EQ(names(plain->actualDataSource()), "Travel,Food,Bills");
    EXPECT_TRUE(plain->canMove());
}

TEST_F(CategoriesListModelDataTest, PickingASortLogsRemembersAndReappliesIt) {
    const auto model = make({category("a", "Bills", 1), category("b", "Travel", 0)});
    console.clear();
    int changes = 0;
    auto s = model->objectWillChange.observe([&] { ++changes; });
    model->updateSortOrder(Sort{SortType::alphabetically, true});
    EXPECT_THAT(console.lines(), ElementsAre("sort selected: Alphabetically", "updateSort(_:)"));
    EXPECT_GT(changes, 0);
    EXPECT_EQ(names(model->actualDataSource()), "Bills,Travel");
    EXPECT_EQ(SortControllerState(SortEntity::categories).sort(), (Sort{SortType::alphabetically, true}));
    // The next model starts where this one left off.
    EXPECT_EQ(make({})->sort(), (Sort{SortType::alphabetically, true}));
}

TEST_F(CategoriesListModelDataTest, EqualNamesKeepTheirOrderAndComposedSpellingsCompareEqual) {
    persist(SortType::alphabetically, true);
    // "Café" composed and decomposed are one name; byte order would split them.
    const auto model = make({category("1", "Zoo"), category("2", "Caf\u00e9"), category("3", "Cafe\u0301"),
                             category("4", "Caf\u00e9"), category("5", "Cafeteria")});
    std::vector<std::string> ids;
    for (const auto& c : model->expenses())
        ids.push_back(c->id);
    EXPECT_THAT(ids, ElementsAre("5", "2", "3", "4", "1"));
    model->updateSortOrder(Sort{SortType::alphabetically, false});
    ids.clear();
    for (const auto& c : model->expenses())
        ids.push_back(c->id);
    EXPECT_THAT(ids, ElementsAre("1", "2", "3", "4", "5"));
    EXPECT_EQ(canonicalOrderKey("Cafe\u0301"), "Caf\u00e9");
}

TEST_F(CategoriesListModelDataTest, SwitchingKindShowsTheIncomeListFilteredByTheSearch) {
    const auto model = make({category("a", "Salary advance", 0)},
                            {category("b", "Salary", 0, TransactionType::income),
                             category("c", "Bonus", 1, TransactionType::income),
                             category("d", "Side salary", 2, TransactionType::income)});
    model->setSearchText("SALARY");
    EXPECT_EQ(names(model->actualDataSource()), "Salary advance");
    model->setSelectedType(TransactionType::income);
    EXPECT_EQ(names(model->actualDataSource()), "Salary,Side salary");
    model->setSearchText("");
    EXPECT_EQ(names(model->actualDataSource()), "Salary,Bonus,Side salary");
}

TEST_F(CategoriesListModelDataTest, DragsRewriteOrdersAndReachTheDelegateOnlyAfterTheQueueRuns) {
    const auto a = category("a", "A", 0), b = category("b", "B", 1), c = category("c", "C", 2);
    const auto model = make({a, b, c});
    model->move({2}, 0, true);
    EXPECT_EQ(names(model->actualDataSource()), "C,A,B");
    EXPECT_EQ(orders(model->actualDataSource()), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(delegate->calls.empty()); // posted, not yet run
    queue().runUntilIdle();
    EXPECT_THAT(delegate->calls, ElementsAre("saveOrder C,A,B"));

    // Descending: the top row gets the highest order, down to 0.
    model->updateSortOrder(Sort{SortType::userDefined, false});
    EXPECT_EQ(names(model->actualDataSource()), "B,A,C");
    model->move({0}, 3, false);
    EXPECT_EQ(names(model->actualDataSource()), "A,C,B");
    EXPECT_EQ(orders(model->actualDataSource()), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(c->order, 1); // the shared objects carry the new order
    queue().runUntilIdle();
    EXPECT_EQ(delegate->calls.back(), "saveOrder A,C,B");
}

TEST_F(CategoriesListModelDataTest, AlphabeticalSortRefusesDragsWithoutTouchingOrdersOrDelegate) {
    persist(SortType::alphabetically, true);
    const auto model = make({category("a", "A", 5), category("b", "B", 7)});
    EXPECT_FALSE(model->canMove());
    model->move({0}, 2, true);
    queue().runUntilIdle();
    EXPECT_EQ(names(model->actualDataSource()), "A,B");
    EXPECT_EQ(orders(model->actualDataSource()), (std::vector<int>{5, 7}));
    EXPECT_TRUE(delegate->calls.empty());
}

TEST_F(CategoriesListModelDataTest, DeletesRemoveByIdentityAndReportIdentifiersInListOrderLater) {
    const auto a = category("a", "A", 0), b = category("b", "B", 1), c = category("c", "C", 2);
    const auto income = category("i", "I", 0, TransactionType::income);
    const auto model = make({a, b, c}, {income});
    model->remove({"c", "a", "i", "unknown"}); // income is not shown, so it stays
    EXPECT_EQ(names(model->expenses()), "B");
    EXPECT_EQ(names(model->actualDataSource()), "B");
    EXPECT_EQ(names(model->income()), "I");
    EXPECT_TRUE(delegate->calls.empty());
    queue().runUntilIdle();
    EXPECT_THAT(delegate->calls, ElementsAre("deleteCategories a,c"));

    model->remove({});
    queue().runUntilIdle();
    EXPECT_EQ(delegate->calls.back(), "deleteCategories ");
    EXPECT_EQ(names(model->expenses()), "B");
}

TEST_F(CategoriesListModelDataTest, AReleasedDelegateIsSkippedEvenForCallsAlreadyPosted) {
    const auto model = make({category("a", "A", 0), category("b", "B", 1)});
    model->move({0}, 2, true);
    model->remove({"a"});
    const auto journal = delegate->journal;
    delegate.reset();
    EXPECT_EQ(queue().runUntilIdle(), 2u);
    EXPECT_TRUE(journal->empty());
    model->toggleFavorite(model->expenses().front()); // no delegate: the flag still changes
    EXPECT_TRUE(model->expenses().front()->isFavorite);
}

TEST_F(CategoriesListModelDataTest, OneFavouriteAcrossBothKindsAndUnfavoriteClearsIt) {
    const auto groceries = category("g", "Groceries", 0), rent = category("r", "Rent", 1);
    const auto salary = category("s", "Salary", 0, TransactionType::income);
    groceries->isFavorite = true;
    salary->isFavorite = true;
    const auto model = make({groceries, rent}, {salary});
    model->toggleFavorite(rent);
    EXPECT_TRUE(rent->isFavorite);
    EXPECT_FALSE(groceries->isFavorite);
    EXPECT_FALSE(salary->isFavorite);
    model->toggleFavorite(salary);
    EXPECT_FALSE(rent->isFavorite);
    EXPECT_TRUE(salary->isFavorite);
    model->toggleFavorite(salary);
    EXPECT_FALSE(salary->isFavorite);
    EXPECT_THAT(delegate->calls, ElementsAre("updateCategory r favorite", "updateCategory s favorite",
                                             "updateCategory s plain"));
}

TEST_F(CategoriesListModelDataTest, ReloadKeepsTheSortAndModelsEqualOnlyThemselves) {
    persist(SortType::alphabetically, true);
    const auto model = make({category("a", "B")});
    model->reload({category("i", "Z", 0, TransactionType::income)}, {category("x", "Y"), category("y", "C")});
    EXPECT_EQ(names(model->actualDataSource()), "C,Y");
    EXPECT_EQ(names(model->income()), "Z");
    const auto other = make({category("a", "B")});
    EXPECT_TRUE(*model == *model);
    EXPECT_FALSE(*model == *other);
    EXPECT_EQ(CategoriesListModelData::demo()->expenses().size(), WidgetCategory::demoExpenses().size());
}
