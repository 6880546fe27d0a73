#include "host-sqlite/HostDatabase.h"
#include "host-sqlite/HostOverviewDatabase.h"
#include "host-sqlite/HostUserDefaults.h"
#include "mocks/DemoClock.h"
#include "platform/ui/ViewQuery.h"
#include "preview/Gallery.h"
#include "preview/GalleryHost.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace zt::preview {
namespace {

// The gallery on a database file: what a user enters on a page is there when the gallery starts
// again on the same file.
class GalleryDatabaseTest : public ::testing::Test {
protected:
    test::PinnedEnvironment pinned{{.now = mocks::demoNow()}};
    test::TemporaryDirectory folder{"zt-gallery-db"};
    std::string file = (folder / "gallery.sqlite").string();
    NavigationRouter router;
    PageContext context{router};

    ~GalleryDatabaseTest() override { useGalleryDatabase(nullptr); }

    static const Page& page(const std::string& name) {
        static const auto pages = allPages();
        for (const auto& p : pages)
            if (p.name == name)
                return p;
        throw std::runtime_error("no page " + name);
    }
};

TEST_F(GalleryDatabaseTest, AnExpenseEnteredOnThePageIsThereAfterARestart) {
    useGalleryDatabase(openGalleryDatabase(file));
    const double worthBefore = HostOverviewDatabase(std::make_shared<HostDatabase>(file)).netWorth();
    {
        const auto screen = page("new-expense").make(context);
        pinned.queue->drain();
        ui::press(screen(), ui::byId("account"));
        ui::press(ui::find(screen(), "Select Account"), ui::byId("acc-wallet"));
        ui::typeText(screen(), ui::byId("amount"), "42.5");
        ui::press(screen(), ui::byId("save"));
        pinned.queue->drain();
    }
    useGalleryDatabase(nullptr);

    useGalleryDatabase(openGalleryDatabase(file)); // a second start does not seed again
    auto database = std::make_shared<HostDatabase>(file);
    auto saved = database->connection().prepare(
        "SELECT count(*) FROM transactions WHERE account_id = 'acc-wallet' AND amount = 42.5 AND date = ?1");
    saved.bind(1, mocks::demoNow().secondsSinceReferenceDate);
    ASSERT_TRUE(saved.step());
    EXPECT_EQ(saved.integer(0), 1);
    EXPECT_NEAR(HostOverviewDatabase(database).netWorth(), worthBefore - 42.5, 1e-9);
}

TEST_F(GalleryDatabaseTest, ACardLimitSavedInTheAccountFormIsOnTheCardPageAfterARestart) {
    useGalleryDatabase(openGalleryDatabase(file));
    EXPECT_EQ(
        ui::find(page("credit-card-details").make(context)(), ui::byId("cardLimit")).as<ui::Text>()->content,
        "$5,000.00");
    {
        const auto screen = page("account-entry-credit-card").make(context);
        ui::typeText(screen(), ui::byId("cardLimit"), "7,500");
        ui::press(screen(), ui::byId("save"));
    }
    useGalleryDatabase(nullptr);

    useGalleryDatabase(openGalleryDatabase(file));
    const auto card = page("credit-card-details").make(context)();
    EXPECT_EQ(ui::find(card, ui::byId("cardLimit")).as<ui::Text>()->content, "$7,500.00");
    EXPECT_EQ(ui::find(card, ui::byId("totalAmount")).as<ui::Text>()->content, "$842.17");
}

TEST_F(GalleryDatabaseTest, PagesOnADatabaseShareTheUserDefaultsKeptBesideIt) {
    useGalleryDatabase(openGalleryDatabase(file));
    galleryUserDefaults()->set("visibleAccountsInAccountCard", 2);
    EXPECT_EQ(galleryUserDefaults()->integer("visibleAccountsInAccountCard", 5), 2);
    EXPECT_EQ(FileUserDefaults(hostUserDefaultsPath(file)).integer("visibleAccountsInAccountCard", 5), 2);

    useGalleryDatabase(nullptr); // the demo stores start from nothing each time
    EXPECT_EQ(galleryUserDefaults()->integer("visibleAccountsInAccountCard", 5), 5);
}

TEST_F(GalleryDatabaseTest, TheCategoriesPageShowsTheCategoriesOfTheFile) {
    auto database = openGalleryDatabase(file);
    database->connection()
        .prepare(
            "UPDATE categories SET name = ?1 WHERE id = (SELECT id FROM categories WHERE type = 'expense' "
            "ORDER BY sort_order LIMIT 1)")
        .bind(1, "Kept in the file")
        .run();
    useGalleryDatabase(database);
    const auto screen = page("categories").make(context);
    pinned.queue->drain();
    EXPECT_TRUE(ui::exists(screen(), ui::byText("Kept in the file")));

    useGalleryDatabase(nullptr); // the demo page knows nothing of the file
    const auto demo = page("categories").make(context);
    pinned.queue->drain();
    EXPECT_FALSE(ui::exists(demo(), ui::byText("Kept in the file")));
}

TEST_F(GalleryDatabaseTest, AFileTheHostCannotUseIsRefusedUnchanged) {
    test::TemporaryDirectory::write(file, "not a database");
    EXPECT_THROW(openGalleryDatabase(file), HostDatabaseError);
    EXPECT_EQ(test::TemporaryDirectory::read(file), "not a database");
}

TEST_F(GalleryDatabaseTest, ABalanceUpdateAndAnArchivedAccountOfTheAccountsPageAreKeptInTheFile) {
    useGalleryDatabase(openGalleryDatabase(file));
    {
        const auto accounts = page("account-list").make(context);
        ui::press(ui::find(accounts(), ui::byId("acc-wallet")), "Update Balance");
        ui::press(accounts(), ui::byId("continue"));
        ui::press(accounts(), ui::byId("account-0"));
        ui::typeText(accounts(), ui::byId("actualBalance"), "80");
        for (const char* id : {"continue", "confirm", "close"})
            ui::press(accounts(), ui::byId(id));
        EXPECT_EQ(ui::find(accounts(), ui::byId("balance-acc-wallet")).as<ui::Text>()->content, "$80.00");
        ui::press(ui::find(accounts(), ui::byId("acc-savings")), "Archive");
    }
    useGalleryDatabase(nullptr);

    useGalleryDatabase(openGalleryDatabase(file));
    const auto accounts = page("account-list").make(context);
    EXPECT_EQ(ui::find(accounts(), ui::byId("balance-acc-wallet")).as<ui::Text>()->content, "$80.00");
    EXPECT_EQ(ui::find(accounts(), ui::byId("archivedCount")).as<ui::Text>()->content, "2");
    useGalleryDatabase(nullptr); // the demo pages start from the demo accounts
    const auto demo = page("account-list").make(context);
    EXPECT_EQ(ui::find(demo(), ui::byId("balance-acc-wallet")).as<ui::Text>()->content, "$86.40");
}

TEST_F(GalleryDatabaseTest, BudgetsAndQuickEntryOnThePagesAreThereAfterARestart) {
    useGalleryDatabase(openGalleryDatabase(file));
    const auto transactions = HostDatabase(file).transactionCount();
    {
        const auto budgets = page("budgets").make(context);
        EXPECT_TRUE(ui::exists(budgets(), "Fun")) << "the seeded budgets";
        ui::press(budgets(), ui::byId("delete-budget-fun"));
        const auto quickEntry = page("quick-entry").make(context);
        pinned.queue->drain();
        ui::typeText(quickEntry(), ui::byId("transactionText"), "7.25 Groceries Wallet");
        ui::press(quickEntry(), ui::byId("save"));
        pinned.queue->drain();
    }
    useGalleryDatabase(nullptr);

    useGalleryDatabase(openGalleryDatabase(file));
    EXPECT_EQ(HostDatabase(file).transactionCount(), transactions + 1);
    const auto budgets = page("budgets").make(context);
    EXPECT_TRUE(ui::exists(budgets(), "Groceries"));
    EXPECT_FALSE(ui::exists(budgets(), "Fun"));

    useGalleryDatabase(nullptr); // the demo page keeps its own budgets
    EXPECT_TRUE(ui::exists(page("budgets").make(context)(), "Fun"));
}

} // namespace
} // namespace zt::preview
