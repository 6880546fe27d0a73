#include "HostFileTest.h"
#include "host-sqlite/HostCategoriesStore.h"
#include "host-sqlite/HostSeeder.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zt {
namespace {

// The category screens' changes on the real host: each is stored, then read back from a fresh
// connection to the file.
class HostCategoriesStoreTest : public test::HostFileTest {
protected:
    HostCategoriesStoreTest() : HostFileTest("zt-host-categories") {}

    std::shared_ptr<HostCategoriesStore> store;
    std::shared_ptr<CategoriesListModelData> model;

    void SetUp() override {
        ASSERT_TRUE(seedDemoData(*database));
        store = std::make_shared<HostCategoriesStore>(database);
        model = store->makeModel();
    }

    void reopen() {
        model.reset();
        store.reset();
        reopenDatabase();
        store = std::make_shared<HostCategoriesStore>(database);
        model = store->makeModel();
    }

    WidgetCategoryList expenses() { return store->categories(TransactionType::expense); }

    // The categories holding the most transactions, so that a merge has something to move.
    std::pair<std::shared_ptr<WidgetCategory>, std::shared_ptr<WidgetCategory>> twoBusiestExpenses() {
        auto list = expenses();
        std::ranges::sort(list, [&](const auto& a, const auto& b) {
            return store->transactions(*a).size() > store->transactions(*b).size();
        });
        return {list.at(0), list.at(1)};
    }

    static std::shared_ptr<WidgetCategory> named(const WidgetCategoryList& list, const std::string& id) {
        const auto it = std::ranges::find_if(list, [&](const auto& c) { return c->id == id; });
        return it == list.end() ? nullptr : *it;
    }
};

TEST_F(HostCategoriesStoreTest, AMergeMovesTransactionsAndSubcategoriesAndSurvivesReopening) {
    const auto [merged, destination] = twoBusiestExpenses();
    const auto movedTransactions = store->transactions(*merged).size();
    const auto keptTransactions = store->transactions(*destination).size();
    ASSERT_GT(movedTransactions, 0u);
    const auto subcategories = merged->subcategories->size() + destination->subcategories->size();
    // What the merge screen is told it will move: the same count, without reading the rows.
    EXPECT_EQ(store->numberOfTransactions({merged}), movedTransactions);
    EXPECT_EQ(store->numberOfTransactions({merged, destination}), movedTransactions + keptTransactions);

    std::vector<bool> completions;
    store->mergeCategories({merged}, destination, [&](bool ok) { completions.push_back(ok); });
    EXPECT_TRUE(completions.empty()); // the completion arrives on the main queue
    queue().drain();
    EXPECT_EQ(completions, std::vector<bool>{true});
    EXPECT_FALSE(named(model->expenses(), merged->id)); // the attached model was reloaded

    reopen();
    EXPECT_FALSE(named(expenses(), merged->id));
    const auto after = named(expenses(), destination->id);
    ASSERT_TRUE(after);
    EXPECT_EQ(store->transactions(*after).size(), movedTransactions + keptTransactions);
    EXPECT_EQ(after->subcategories->size(), subcategories);
}

TEST_F(HostCategoriesStoreTest, AMergeTheDatabaseRefusesChangesNothingAndReportsFailure) {
    const auto [merged, destination] = twoBusiestExpenses();
    const auto before = store->transactions(*merged).size();
    auto missing = std::make_shared<WidgetCategory>("no-such-category", "Gone", "", TransactionType::expense);
    std::vector<bool> completions;
    store->mergeCategories({merged}, missing, [&](bool ok) { completions.push_back(ok); });
    queue().drain();
    EXPECT_EQ(completions, std::vector<bool>{false});

    reopen();
    ASSERT_TRUE(named(expenses(), merged->id));
    EXPECT_EQ(store->transactions(*merged).size(), before);
}

TEST_F(HostCategoriesStoreTest, OrderAndOneFavouriteOfEachKindSurviveReopening) {
    auto list = expenses();
    ASSERT_GE(list.size(), 3u);
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i]->order = static_cast<int>(list.size() - i);
    store->saveOrder(list);
    list[0]->isFavorite = true;
    store->updateCategory(list[0]);
    list[1]->isFavorite = true;
    store->updateCategory(list[1]);

    reopen();
    const auto after = expenses();
    EXPECT_EQ(after.front()->id, list.back()->id);
    EXPECT_EQ(after.back()->id, list.front()->id);
    const auto favourites = std::ranges::count_if(after, [](const auto& c) { return c->isFavorite; });
    EXPECT_EQ(favourites, 1);
    EXPECT_TRUE(named(after, list[1]->id)->isFavorite);
}

TEST_F(HostCategoriesStoreTest, DeletingKeepsTheTransactionsAndMergingSubcategoriesMovesTheirs) {
    const auto total = database->transactionCount();
    const auto deleted = twoBusiestExpenses().first;
    store->deleteCategories({deleted->id});

    // Two transactions on two subcategories of one category; one subcategory merged into the other.
    const auto list = expenses();
    const auto it = std::ranges::find_if(list, [](const auto& c) { return c->subcategories->size() >= 2; });
    ASSERT_NE(it, list.end());
    const auto category = *it;
    const auto subs = *category->subcategories;
    for (const auto& s : {subs[0], subs[1]}) {
        HostTransaction t;
        t.id = "on-" + s->id;
        t.accountId = "acc-wallet";
        t.categoryId = category->id;
        t.subcategoryId = s->id;
        t.amount = t.amountInAppCurrency = 5;
        t.date = Environment::current().now();
        database->insertTransaction(t);
    }
    store->mergeSubcategories({subs[0]}, subs[1]);

    reopen();
    EXPECT_FALSE(named(expenses(), deleted->id));
    EXPECT_EQ(HostDatabase(file).transactionCount(), total + 2);
    const auto after = named(expenses(), category->id);
    EXPECT_EQ(after->subcategories->size(), subs.size() - 1);
    EXPECT_EQ(HostDatabase(file).transaction("on-" + subs[0]->id)->subcategoryId, subs[1]->id);
}

} // namespace
} // namespace zt
