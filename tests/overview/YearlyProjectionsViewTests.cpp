#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/overview/YearlyProjectionsView.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"
#include "support/TransactionBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using ::testing::ElementsAre;

namespace {

using test::at;

std::shared_ptr<const TransactionConformable> projectionViewTx(double amount, bool isExpense, Date date,
                                                               const std::string& category) {
    return test::transaction({.amount = amount,
                              .categoryName = category,
                              .categoryImageName = "icon",
                              .isExpense = isExpense,
                              .date = date});
}

struct RecordingProjectionsDelegate : YearlyProjectionsViewDelegate {
    std::vector<std::string> calls;
    void yearlyProjectionViewShouldPresentInfo(const std::string& title,
                                               const std::string& message) override {
        calls.push_back(title + " | " + message);
    }
    void yearlyProjectionViewDidSelectCategory(const CategorySummary& category) override {
        calls.push_back("category " + category.title);
    }
};

class YearlyProjectionsViewTest : public ::testing::Test {
protected:
    Environment::Override env{{.locale = "en_US", .timeZone = "Europe/Berlin", .now = at(2025, 3, 15)}};
    ConsoleCapture console;
    std::shared_ptr<RecordingProjectionsDelegate> delegate = std::make_shared<RecordingProjectionsDelegate>();

    YearlyProjectionsView makeView(TransactionConformableList list, const char* locale = "en_US") {
        return YearlyProjectionsView(std::make_shared<YearlyProjectionsCalculator>(std::move(list), 2025),
                                     locale);
    }
};

TEST_F(YearlyProjectionsViewTest, ShowsProjectionComparisonAndCategories) {
    auto view = makeView({projectionViewTx(500, true, at(2025, 2, 1), "Rent"),
                          projectionViewTx(100, false, at(2025, 1, 1), "Gifts"),
                          projectionViewTx(25, true, at(2025, 3, 1), "Food")});
    view.delegate = delegate;
    const auto body = view.body();
    EXPECT_TRUE(ui::exists(body, ui::byText("Yearly projections")));
    EXPECT_TRUE(ui::exists(body, ui::byText("End of 2025")));
    EXPECT_THAT(ui::visibleTexts(ui::find(body, ui::byId("income"))),
                ElementsAre("Projected income in 2025", "$400.00"));
    EXPECT_THAT(ui::visibleTexts(ui::find(body, ui::byId("expense"))),
                ElementsAre("Projected expenses in 2025", "$2,100.00"));
    const auto& image = ui::findAs<ui::Image>(body, ui::byId("difference"));
    EXPECT_EQ(image.symbol, "arrow.down.right.circle.fill");
    EXPECT_EQ(image.color, ui::Color(negativeAmountColor));
    EXPECT_THAT(ui::visibleTexts(ui::find(body, ui::byId("category-Rent"))),
                ElementsAre("Rent", "$2,000.00", "95.2%"));
    EXPECT_TRUE(ui::exists(body, ui::byTextContaining("estimated prediction")));
    ui::press(body, ui::byId("category-Food"));
    EXPECT_THAT(delegate->calls, ElementsAre("category Food"));
}

TEST_F(YearlyProjectionsViewTest, HelpGoesToTheDelegateThenTheConsole) {
    auto view = makeView({projectionViewTx(100, false, at(2025, 1, 1), "Gifts")});
    EXPECT_EQ(ui::findAs<ui::Image>(view.body(), ui::byId("difference")).symbol,
              "arrow.up.right.circle.fill");
    ui::press(view.body(), ui::byId("help")); // no delegate: only the console line
    view.delegate = delegate;
    ui::press(view.body(), ui::byId("help"));
    EXPECT_THAT(
        delegate->calls,
        ElementsAre("How do we calculate this? | We base this on all your repeating & normal transactions "
                    "throughout a year times a special coefficient"));
    const auto lines = console.lines();
    EXPECT_EQ(std::ranges::count(lines, "yearlyProjectionViewShouldPresentInfo"), 2);
}

TEST_F(YearlyProjectionsViewTest, GermanTexts) {
    Environment::Override german{{.locale = "de_DE"}};
    auto view = makeView({projectionViewTx(5, true, at(2025, 1, 1), "")}, "de_DE");
    view.delegate = delegate;
    const auto body = view.body();
    for (const char* expected : {"Jahresprognose", "Ende 2025", "Vergleich", "Ohne Kategorie"})
        EXPECT_TRUE(ui::exists(body, ui::byText(expected))) << expected;
    ui::press(body, ui::byId("help"));
    EXPECT_THAT(delegate->calls, ElementsAre(::testing::StartsWith("Wie berechnen wir das? | ")));
}

} // namespace
