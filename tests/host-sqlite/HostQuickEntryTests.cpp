#include "HostFileTest.h"
#include "ZTSwiftUIComponents/host/NavigationRouter.h"
#include "ZTSwiftUIComponents/transactions/NewQuickEntryScreen.h"
#include "host-sqlite/HostQuickEntryViewModel.h"
#include "host-sqlite/HostSeeder.h"
#include "platform/Console.h"
#include "platform/StringTable.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"
#include "support/TemporaryDirectory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zt {
namespace {

using test::at;
using ::testing::Contains;

// Quick entry on a seeded file (15 May 2025 12:00 in Berlin), checked again through the overview
// of a fresh connection to the file.
class HostQuickEntryTest : public test::HostFileTest {
protected:
    HostQuickEntryTest() : HostFileTest("zt-host-quick-entry") {}

    std::shared_ptr<HostOverviewDatabase> overview;
    NavigationRouter router;
    ConsoleCapture console;

    void SetUp() override {
        ASSERT_TRUE(seedDemoData(*database));
        overview = std::make_shared<HostOverviewDatabase>(database);
    }

    void reopen() {
        overview.reset();
        reopenDatabase();
        overview = std::make_shared<HostOverviewDatabase>(database);
    }

    std::int64_t count() { return overview->database()->transactionCount(); }
};

TEST_F(HostQuickEntryTest, ATypedLineIsInTheOverviewAfterReopening) {
    const auto before = count();
    const auto model = std::make_shared<HostQuickEntryViewModel>(overview);
    int changes = 0;
    overview->onDataChanged = [&] { ++changes; };
    NewQuickEntryScreen screen(model, router);
    bool dismissed = false;
    screen.dismiss = [&] { dismissed = true; };
    ui::typeText(screen.body(), ui::byId("transactionText"),
                 "12.50 Groceries Wallet farmers market | 40 Restaurants Euro Account | 900 Freelance");
    ui::pickDate(screen.body(), ui::byId("selectedDate"), at(2025, 5, 15, 9, 30));
    ui::press(screen.body(), "Save");
    EXPECT_TRUE(dismissed);
    EXPECT_EQ(changes, 1) << "the overview is told once, for the whole line";

    reopen();
    EXPECT_EQ(count(), before + 3);
    std::vector<std::string> seen;
    for (const auto& t : overview->fetchTransactions())
        if (t->date() == at(2025, 5, 15, 9, 30))
            seen.push_back(t->categoryName() + "/" + t->accountName() + "/" +
                           t->descriptionText().value_or("") + "/" + format("%.2f", t->amount()) +
                           (t->isExpense() ? " out" : " in"));
    EXPECT_THAT(seen, ::testing::UnorderedElementsAre("Groceries/Wallet/farmers market/12.50 out",
                                                      "Restaurants/Euro Account//43.60 out", // 40 € at 1.09
                                                      "Freelance/Checking//900.00 in"));

    // The new description is offered while typing the next line.
    HostQuickEntryViewModel next(overview);
    next.setTransactionText("3 Gro far");
    ASSERT_FALSE(next.suggestions().data.empty());
    EXPECT_EQ(next.text(next.suggestions().data[0]), "farmers market");
}

TEST_F(HostQuickEntryTest, ALineThatCannotBeReadOrStoredWholeStoresNothing) {
    const auto model = std::make_shared<HostQuickEntryViewModel>(overview);
    NewQuickEntryScreen screen(model, router);
    ui::typeText(screen.body(), ui::byId("transactionText"), "12.50 Groceries | 3,x Fun");
    EXPECT_TRUE(ui::exists(screen.body(), ui::byId("problems")));
    EXPECT_FALSE(ui::findAs<ui::Button>(screen.body(), ui::byId("save")).enabled);
    EXPECT_FALSE(model->save());

    // The second entry's account disappears after the model listed it.
    overview->database()->connection().execute("DELETE FROM accounts WHERE id = 'acc-euro'");
    const auto before = count();
    model->setTransactionText("5 Groceries Wallet | 6 Groceries Euro Account");
    ASSERT_TRUE(model->problems().empty());
    int announced = 0;
    auto subscription = model->objectWillChange.observe([&] { ++announced; });
    EXPECT_FALSE(model->save());
    EXPECT_EQ(announced, 1) << "the screen shows the problem";
    EXPECT_THAT(model->problems(), Contains("The transactions could not be saved."));
    EXPECT_EQ(model->transactionText(), "5 Groceries Wallet | 6 Groceries Euro Account") << "kept as typed";
    reopen();
    EXPECT_EQ(count(), before) << "not even the first entry";
}

} // namespace
} // namespace zt
