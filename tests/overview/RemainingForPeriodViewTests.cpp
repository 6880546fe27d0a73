#include "ZTSwiftUIComponents/overview/RemainingForPeriodView.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/ui/ViewQuery.h"
#include "support/TransactionBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using ::testing::ElementsAre;

namespace {

Date remainingViewAt(int y, int m, int d) {
    return *Calendar("America/New_York").date(y, m, d, 12);
}

std::shared_ptr<ReportTransaction> remainingViewTx(const std::string& id, double amount, bool isExpense,
                                                   Date date) {
    return test::transaction({.id = id,
                              .amount = amount,
                              .categoryImageName = "cart",
                              .isExpense = isExpense,
                              .date = date,
                              .payee = "Payee " + id});
}

class RemainingForPeriodViewTest : public ::testing::Test {
protected:
    std::shared_ptr<ManualMainQueue> queue = std::make_shared<ManualMainQueue>();
    Environment::Override env{{.locale = "en_US",
                               .timeZone = "America/New_York",
                               .now = remainingViewAt(2025, 6, 1),
                               .mainQueue = queue}};
    std::shared_ptr<ReportTransaction> rent =
        remainingViewTx("rent", 1200.5, true, remainingViewAt(2025, 1, 3));
    std::shared_ptr<ReportTransaction> pay =
        remainingViewTx("pay", 3000, false, remainingViewAt(2025, 1, 31));
    std::shared_ptr<ReportTransaction> lunch =
        remainingViewTx("lunch", 20, true, remainingViewAt(2025, 2, 2));
    RemainingForPeriodView view{
        std::make_shared<RemainingForPeriodCalculator>(ReportTransactionList{rent, pay, lunch}, 2025, 2024),
        "en_US"};
    std::vector<std::string> events;

    void SetUp() override {
        view.onDidTap = [this](const std::string& id) { events.push_back("tap " + id); };
        view.onEditDidPress = [this](const std::string& id) { events.push_back("edit " + id); };
        view.onDeleteDidPress = [this](const std::string& id) {
            events.push_back("delete " + id + " while listed: " +
                             std::to_string(view.calculator()->expensesThisPeriod().size()));
        };
    }
};

TEST_F(RemainingForPeriodViewTest, ShowsSummaryAndSectionTotals) {
    const auto body = view.body();
    EXPECT_EQ(ui::findAs<ui::NavigationTitle>(body, ui::byText("Remaining For Period")).title,
              "Remaining For Period");
    const auto& summary = ui::find(body, ui::byId("summary"));
    EXPECT_THAT(ui::visibleTexts(summary), ElementsAre("2025", "$1,779.50"));
    EXPECT_EQ(summary.children()[2].as<ui::Text>()->style.color, ui::Color(positiveAmountColor));
    EXPECT_EQ(ui::findAs<ui::Text>(body, ui::byId("expenseTotal")).content, "$1,220.50");
    EXPECT_EQ(ui::findAs<ui::Text>(body, ui::byId("incomeTotal")).content, "$3,000.00");
    EXPECT_THAT(ui::visibleTexts(ui::find(body, ui::byId("transaction-rent"))),
                ElementsAre("Payee rent", "Jan 3, 2025", "-$1,200.50", "Edit", "Delete"));

    RemainingForPeriodView empty(
        std::make_shared<RemainingForPeriodCalculator>(ReportTransactionList{}, 2025, 2024), "de_DE");
    EXPECT_EQ(ui::findAs<ui::Text>(empty.body(), ui::byId("expenseTotal")).content, "0,00\u00a0€");
}

TEST_F(RemainingForPeriodViewTest, RowActionsReportTheIdentifier) {
    ui::press(view.body(), ui::byText("Payee pay"));
    ui::press(view.body(), ui::byId("edit-lunch"));
    EXPECT_THAT(events, ElementsAre("tap pay", "edit lunch"));
}

TEST_F(RemainingForPeriodViewTest, DeleteAsksFirstThenReportsThenRemoves) {
    ui::press(view.body(), ui::byId("delete-rent"));
    EXPECT_TRUE(view.isShowingDeleteConfirmation());
    ui::press(view.body(), ui::byId("cancelDelete"));
    EXPECT_FALSE(view.isShowingDeleteConfirmation());
    EXPECT_EQ(view.transactionToDelete(), nullptr);
    EXPECT_TRUE(events.empty());

    ui::press(view.body(), ui::byId("delete-rent"));
    const auto body = view.body();
    const auto& confirm = ui::findAs<ui::Button>(body, ui::byId("confirmDelete"));
    EXPECT_EQ(confirm.role, ui::ButtonRole::destructive);
    ui::press(body, ui::byId("confirmDelete"));
    EXPECT_THAT(events, ElementsAre("delete rent while listed: 2"));
    const auto after = view.body();
    EXPECT_FALSE(ui::exists(after, ui::byId("transaction-rent")));
    EXPECT_EQ(ui::findAs<ui::Text>(after, ui::byId("expenseTotal")).content, "$20.00");
    EXPECT_THAT(ui::visibleTexts(ui::find(after, ui::byId("summary"))), ElementsAre("2025", "$1,779.50"));
}

TEST_F(RemainingForPeriodViewTest, ChartSelectionHidesTwoSecondsAfterTheLastDrag) {
    const auto marks = view.chartMarks();
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[1].x, "2025-01-31");
    EXPECT_EQ(marks[1].y, -1799.5);

    view.chartDragChanged(remainingViewAt(2025, 2, 2) - 86400.0 * 0.9); // nearer to 2 Feb than to 31 Jan
    EXPECT_EQ(view.selectedValue(), -1779.5);
    EXPECT_EQ(view.selectedDate(), remainingViewAt(2025, 2, 2));
    const auto body = view.body();
    const auto& shown = ui::find(body, ui::byId("selection"));
    EXPECT_EQ(shown.children()[0].as<ui::Text>()->style.color, ui::Color(negativeAmountColor));
    EXPECT_THAT(ui::visibleTexts(shown), ElementsAre("-$1,779.50", "Feb 2, 2025"));

    view.chartDragEnded();
    queue->advance(1.5);
    view.chartDragChanged(
        remainingViewAt(2025, 1, 1)); // a new drag keeps the overlay past the first deadline
    queue->advance(1.0);
    EXPECT_TRUE(view.isSelectionOverlayVisible());
    view.chartDragEnded();
    queue->advance(1.99);
    EXPECT_TRUE(view.isSelectionOverlayVisible());
    queue->advance(0.01);
    EXPECT_FALSE(view.isSelectionOverlayVisible());
    EXPECT_FALSE(ui::exists(view.body(), ui::byId("selection")));
}

TEST_F(RemainingForPeriodViewTest, GermanTexts) {
    Environment::Override german{{.locale = "de_DE"}};
    const auto body = view.body();
    EXPECT_TRUE(ui::exists(body, ui::byText("Verbleibend im Zeitraum")));
    EXPECT_TRUE(ui::exists(body, ui::byText("Ausgabenkategorien")));
    EXPECT_TRUE(ui::exists(body, ui::byText("Einnahmenkategorien")));
}

} // namespace
