#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/overview/SubscriptionInsightsView.h"
#include "platform/Environment.h"
#include "platform/UserDefaults.h"
#include "platform/ui/ViewQuery.h"
#include "support/TransactionBuilder.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using ::testing::ElementsAre;

namespace {

Date insightsViewAt(int y, int m, int d) {
    return *Calendar("Europe/Berlin").date(y, m, d, 9);
}

std::shared_ptr<const TransactionConformable> insightsViewTx(const std::string& id, double amount, Date date,
                                                             std::optional<double> original = std::nullopt,
                                                             std::optional<std::string> code = std::nullopt) {
    return test::transaction({.id = id,
                              .amount = amount,
                              .amountOriginalCurrency = original,
                              .currencyCode = std::move(code),
                              .categoryName = "Streaming",
                              .categoryImageName = "tv",
                              .date = date,
                              .payee = "Music " + id,
                              .isChildRepeating = true});
}

struct RecordingInsightsDelegate : SubscriptionInsightsViewDelegate {
    std::vector<std::string> calls;
    void subscriptionInsightsViewShouldSelectTransaction() override { calls.push_back("select"); }
    void subscriptionInsightsViewDidSelectEmoji(const std::string& emoji) override {
        calls.push_back("emoji " + emoji);
    }
    void subscriptionInsightsViewDidSelectOccurrence(const std::string& id) override {
        calls.push_back("open " + id);
    }
};

class SubscriptionInsightsViewTest : public ::testing::Test {
protected:
    std::shared_ptr<InMemoryUserDefaults> defaults = std::make_shared<InMemoryUserDefaults>();
    Environment::Override env{{.locale = "en_US",
                               .timeZone = "Europe/Berlin",
                               .now = insightsViewAt(2025, 4, 1),
                               .userDefaults = defaults}};
    std::shared_ptr<RecordingInsightsDelegate> delegate = std::make_shared<RecordingInsightsDelegate>();
};

TEST_F(SubscriptionInsightsViewTest, WithoutTransactionOffersSelection) {
    SubscriptionInsightsView view(std::make_shared<SubscriptionInsightsCalculator>(std::nullopt, "en_US"));
    ui::press(view.body(), ui::byText("Select")); // no delegate yet: nothing to tell
    view.delegate = delegate;
    const auto body = view.body();
    EXPECT_TRUE(ui::exists(body, ui::byText("Subscription Insights")));
    EXPECT_TRUE(ui::exists(body, ui::byText("Select a repeating transaction")));
    EXPECT_TRUE(ui::findAll(ui::find(body, ui::byText("Insights")), ui::byTextContaining("Total")).empty());
    ui::press(body, ui::byText("Select"));
    EXPECT_THAT(delegate->calls, ElementsAre("select"));
}

TEST_F(SubscriptionInsightsViewTest, ShowsInsightsOccurrencesAndEmoji) {
    auto calculator = std::make_shared<SubscriptionInsightsCalculator>(
        TransactionConformableList{insightsViewTx("m1", 10.8, insightsViewAt(2025, 2, 1), 10.0, "EUR"),
                                   insightsViewTx("m2", 9.99, insightsViewAt(2025, 1, 1))},
        "en_US");
    SubscriptionInsightsView view(calculator);
    view.delegate = delegate;
    auto body = view.body();
    EXPECT_TRUE(ui::exists(body, ui::byText("Change Transaction")));
    EXPECT_FALSE(ui::exists(body, ui::byText("Select a repeating transaction")));
    // The chosen subscription is named above the button that changes it.
    EXPECT_THAT(ui::visibleTexts(ui::find(body, ui::byId("chosenTransaction"))),
                ElementsAre("Music m1", "Streaming"));
    const auto texts = ui::visibleTexts(body);
    EXPECT_LT(std::ranges::find(texts, "Music m1"), std::ranges::find(texts, "Change Transaction"));
    const auto& thisYear = ui::find(body, ui::byId("insight-calendar"));
    EXPECT_THAT(ui::visibleTexts(thisYear), ElementsAre("Total This Year", "2025", "$20.79"));
    EXPECT_EQ(ui::findAs<ui::Image>(body, ui::byId("insight-calendar.badge.clock")).color,
              resolvedColor(SubscriptionInsightItem::TitleColor::systemOrange));
    // The application currency first, the paid currency only where it differs.
    EXPECT_THAT(ui::visibleTexts(ui::find(body, ui::byId("occurrence-m1"))),
                ElementsAre("Music m1", "Feb 1, 2025", "$10.80", "€10.00"));
    EXPECT_THAT(ui::visibleTexts(ui::find(body, ui::byId("occurrence-m2"))),
                ElementsAre("Music m2", "Jan 1, 2025", "$9.99"));

    ui::choose(body, ui::byId("emoji"), "🙂");
    EXPECT_EQ(calculator->selectedEmoji(), "🙂");
    EXPECT_EQ(defaults->string("selectedEmoji-m1"), "🙂");
    body = view.body();
    EXPECT_EQ(ui::findAs<ui::Picker>(body, ui::byId("emoji")).selectedOption()->id, "🙂");
    ui::press(body, ui::byId("occurrence-m2"));
    ui::press(body, ui::byText("Change Transaction"));
    EXPECT_THAT(delegate->calls, ElementsAre("emoji 🙂", "open m2", "select"));
}

TEST_F(SubscriptionInsightsViewTest, GermanTexts) {
    Environment::Override german{{.locale = "de_DE"}};
    SubscriptionInsightsView view(std::make_shared<SubscriptionInsightsCalculator>(
        TransactionConformableList{insightsViewTx("m1", 5, insightsViewAt(2024, 3, 1))}, "de_DE"));
    const auto texts = ui::visibleTexts(view.body());
    for (const char* expected : {"Abo-Einblicke", "Summe dieses Jahr", "Summe letztes Jahr",
                                 "Anzahl der Buchungen", "Buchung ändern"})
        EXPECT_NE(std::ranges::find(texts, expected), texts.end()) << expected;
}

} // namespace
