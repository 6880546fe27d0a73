#include "ZTSwiftUIComponents/overview/DailyLimitCardView.h"
#include "ZTSwiftUIComponents/overview/DailyLimitInformationView.h"
#include "ZTSwiftUIComponents/overview/DailyLimitSettingsView.h"
#include "ZTSwiftUIComponents/overview/DailyLimitView.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"
#include "platform/ui/ViewQuery.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace zt;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

class RecordingStorage final : public DailyLimitStorage {
public:
    std::vector<std::string> calls;
    void updateAmount(double amount) override { calls.push_back("amount " + std::to_string(amount)); }
    void updateDailyLimitCalculationType(DailyLimitCalculationType type) override {
        calls.push_back("type " + std::string(rawValue(type)));
    }
};

class FixedCalculator final : public DailyLimitCalculating {
public:
    double dailyBudget() const override { return 200; }
    double remainingBudget(Date) override { return 42; }
    void updateExpenses(double, Date) override {}
};

std::shared_ptr<ReportTransaction> tx(std::string id, double amount, bool isTransfer = false,
                                      std::optional<std::string> payee = std::nullopt) {
    return std::make_shared<ReportTransaction>(
        id, amount, std::nullopt, std::nullopt, "Restaurants", "fork.knife", "cat-food", std::nullopt,
        std::nullopt, true, isTransfer, Date{0}, "acc", "Checking", payee, std::nullopt, false, false, false);
}

class DailyLimitViewsTest : public ::testing::Test {
protected:
    std::shared_ptr<InMemoryUserDefaults> defaults = std::make_shared<InMemoryUserDefaults>();
    Environment::Override environment{{.locale = "en_US",
                                       .timeZone = "UTC",
                                       .now = Date{1000},
                                       .mainQueue = std::make_shared<ManualMainQueue>(),
                                       .userDefaults = defaults}};
    std::shared_ptr<RecordingStorage> storage = std::make_shared<RecordingStorage>();

    std::shared_ptr<DailyLimitViewModel> make(double limit, const ReportTransactionList& items) {
        auto vm = std::make_shared<DailyLimitViewModel>(
            items, "en_US", limit, DailyLimitCalculationType::custom, std::make_shared<FixedCalculator>(),
            storage, [] { return Date{0}; });
        storage->calls.clear();
        return vm;
    }
};

const ui::Text& textWithId(const ui::View& root, const std::string& id) {
    return *ui::find(root, ui::byId(id)).as<ui::Text>();
}

} // namespace

// The card.

TEST_F(DailyLimitViewsTest, CardShowsLimitRemainingSpentAndTheRing) {
    const auto body = DailyLimitCardView(make(100, {tx("a", 30)})).body();
    EXPECT_TRUE(ui::exists(body, "Daily Limit"));
    EXPECT_TRUE(ui::exists(body, "Limit: $100.00"));
    EXPECT_TRUE(ui::exists(body, "Remaining"));
    EXPECT_FALSE(ui::exists(body, "Overspent"));
    EXPECT_EQ(textWithId(body, "remainingAmount").content, "$70.00");
    EXPECT_EQ(textWithId(body, "remainingAmount").style.color, ui::Color(positiveAmountColor));
    EXPECT_TRUE(ui::exists(body, "Spent"));
    EXPECT_EQ(textWithId(body, "spentAmount").content, "$30.00");
    const auto& ring = ui::find(body, ui::byId("indicator"));
    ASSERT_TRUE(ring.is<ui::ProgressRing>());
    EXPECT_NEAR(ring.as<ui::ProgressRing>()->value, 0.7, 1e-6);
}

TEST_F(DailyLimitViewsTest, CardWithTheLimitSpentExactlyShowsZeroInTheSecondaryColour) {
    const auto body = DailyLimitCardView(make(100, {tx("a", 100)})).body();
    const auto& remaining = textWithId(body, "remainingAmount");
    EXPECT_EQ(remaining.content, "$0.00");
    EXPECT_TRUE(remaining.style.secondary);
    EXPECT_FALSE(remaining.style.color.has_value());
    EXPECT_TRUE(ui::find(body, ui::byId("indicator")).is<ui::ProgressRing>());
}

TEST_F(DailyLimitViewsTest, OverspentCardReplacesTheRingWithAWarning) {
    const auto body = DailyLimitCardView(make(100, {tx("a", 130)})).body();
    EXPECT_TRUE(ui::exists(body, "Overspent"));
    EXPECT_FALSE(ui::exists(body, "Remaining"));
    EXPECT_EQ(textWithId(body, "overspentAmount").content, "$30.00");
    EXPECT_EQ(textWithId(body, "overspentAmount").style.color, ui::Color(negativeAmountColor));
    const auto& indicator = ui::find(body, ui::byId("indicator"));
    ASSERT_TRUE(indicator.is<ui::Image>());
    EXPECT_EQ(indicator.as<ui::Image>()->symbol, "exclamationmark.triangle.fill");
    EXPECT_EQ(textWithId(body, "periodText").content, "No money left to spend");
}

// The screen.

TEST_F(DailyLimitViewsTest, ScreenListsCountedExpensesAndTransfersInTheirSections) {
    const auto vm = make(100, {tx("lunch", 13.5, false, "Corner Deli"), tx("to-savings", 200, true)});
    const auto body = DailyLimitView(vm).body();
    EXPECT_EQ(ui::find(body, "Daily Limit").kind(), "navigationTitle");
    const auto& today = *ui::find(body, "Today").as<ui::Section>();
    EXPECT_EQ(today.footer, "Showing transactions for filtered accounts in the Overview screen.");
    EXPECT_TRUE(ui::exists(ui::find(body, "Today"), "Corner Deli"));
    EXPECT_TRUE(ui::exists(ui::find(body, "Today"), "$13.50"));
    EXPECT_FALSE(ui::exists(ui::find(body, "Today"), ui::byId("to-savings")));
    EXPECT_TRUE(ui::exists(ui::find(body, "Not included in calculations"), ui::byId("to-savings")));
    EXPECT_FALSE(ui::exists(body, "No transactions"));
    // The figures row shows what the card shows.
    EXPECT_TRUE(ui::exists(ui::find(body, ui::byId("figures")), "Limit: $100.00"));
    EXPECT_EQ(ui::findAs<ui::Button>(body, "Change Daily Limit").symbol, "switch.2");
}

TEST_F(DailyLimitViewsTest, EmptySectionsSayNoTransactions) {
    const auto body = DailyLimitView(make(100, {})).body();
    EXPECT_EQ(ui::findAll(body, "No transactions").size(), 2u);
}

TEST_F(DailyLimitViewsTest, EditReportsAtOnceDeleteOnlyAfterConfirmation) {
    const auto vm = make(100, {tx("lunch", 13.5), tx("coffee", 3.8)});
    std::vector<std::string> events;
    vm->onEditDidPress = [&](const std::string& id) { events.push_back("edit " + id); };
    vm->onDeleteDidPress = [&](const std::string& id) { events.push_back("delete " + id); };
    const DailyLimitView screen(vm);

    ui::press(ui::find(screen.body(), ui::byId("coffee")), "Edit");
    EXPECT_THAT(events, ElementsAre("edit coffee"));

    ui::press(ui::find(screen.body(), ui::byId("lunch")), "Delete");
    EXPECT_THAT(events, ElementsAre("edit coffee")); // only asked
    auto body = screen.body();
    EXPECT_TRUE(ui::find(body, ui::byId("deleteConfirmation")).as<ui::ConfirmationDialog>()->presented);
    ui::press(body, "Cancel");
    EXPECT_FALSE(ui::exists(screen.body(), "Cancel"));
    EXPECT_THAT(events, ElementsAre("edit coffee"));

    ui::press(ui::find(screen.body(), ui::byId("lunch")), "Delete");
    body = screen.body();
    const auto& dialog2 = ui::find(body, ui::byId("deleteConfirmation"));
    EXPECT_EQ(ui::findAs<ui::Button>(dialog2, "Delete").role, ui::ButtonRole::destructive);
    ui::press(dialog2, "Delete");
    EXPECT_FALSE(ui::exists(screen.body(), "Cancel")); // dismissed
    EXPECT_THAT(events, ElementsAre("edit coffee", "delete lunch"));
}

TEST_F(DailyLimitViewsTest, HelpButtonOpensTheInformationSheet) {
    const DailyLimitView screen(make(100, {}));
    EXPECT_FALSE(ui::exists(screen.body(), "How We Calculate Your Daily Limit"));
    ui::press(screen.body(), ui::byAccessibilityLabel("Learn More"));
    const auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, "Daily Limit Help"));
    EXPECT_TRUE(ui::exists(body, "How We Calculate Your Daily Limit"));
    EXPECT_TRUE(ui::exists(body, "Uses Accounts In Overview"));
    EXPECT_TRUE(ui::exists(body, "Zero Balance = No Automatic Limit"));
    EXPECT_TRUE(ui::exists(body, "Custom Limit Overrides"));
    EXPECT_TRUE(ui::exists(
        body, "Tap “Change Daily Limit” to enter your own amount whenever you want a manual target."));
    ui::dismiss(body, "Daily Limit Help");
    EXPECT_FALSE(ui::exists(screen.body(), "How We Calculate Your Daily Limit"));
}

TEST_F(DailyLimitViewsTest, ChangingToACustomLimitSavesThroughTheViewModelAndCloses) {
    const auto vm = make(100, {tx("a", 30)});
    const DailyLimitView screen(vm);
    ui::press(screen.body(), "Change Daily Limit");
    auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, "Daily Limit Settings"));
    EXPECT_EQ(ui::findAs<ui::TextField>(body, ui::byId("amount")).text, "100");
    EXPECT_TRUE(ui::exists(body, "Your Daily Budget"));

    ui::typeText(body, ui::byId("amount"), "55.5");
    ui::press(screen.body(), "Save");

    EXPECT_TRUE(defaults->boolean("hasSetDailyLimitAmount"));
    EXPECT_THAT(storage->calls, ElementsAre("type custom", "amount " + std::to_string(55.5)));
    EXPECT_DOUBLE_EQ(vm->dailyLimit(), 55.5);
    EXPECT_FALSE(ui::exists(screen.body(), "Your Daily Budget")); // closed
    EXPECT_TRUE(ui::exists(screen.body(), "Limit: $55.50"));
}

TEST_F(DailyLimitViewsTest, ChoosingAutomaticSavesNoValueAndTakesTheRecommendedLimit) {
    const auto vm = make(100, {tx("a", 21)});
    const DailyLimitView screen(vm);
    ui::press(screen.body(), "Change Daily Limit");
    ui::choose(screen.body(), ui::byId("calculationType"), "Automatic");
    const auto body = screen.body();
    EXPECT_FALSE(ui::exists(body, "Your Daily Budget"));
    EXPECT_TRUE(ui::exists(body,
                           "Zentavo will automatically calculate your daily limit based on your remaining "
                           "balance for this period divided by the number of days in this period."));
    EXPECT_TRUE(
        ui::exists(body, "This limit is calculated only once every day and is not affected by past or future "
                         "transactions."));
    EXPECT_EQ(textWithId(body, "recommendedLimit").content, "$42.00");
    ui::press(body, "Save");
    EXPECT_THAT(storage->calls, ElementsAre("type automatic", "amount " + std::to_string(42.0)));
    EXPECT_EQ(vm->calculationType(), DailyLimitCalculationType::automatic);
    EXPECT_FLOAT_EQ(vm->progressValue(), 0.5f);
}

// The settings screen on its own.

TEST_F(DailyLimitViewsTest, SettingsRememberTheChoiceBeforeHandingItOverThenClose) {
    std::vector<std::string> events;
    const DailyLimitSettingsView settings(
        NumberFormatter::currency("en_US"), 42, 1234.5, DailyLimitCalculationType::custom,
        [&](std::optional<double> value) {
            events.push_back(
                std::string("save ") + (value ? std::to_string(*value) : "none") +
                (defaults->boolean("hasSetDailyLimitAmount") ? " remembered" : " not remembered"));
        },
        [&] { events.push_back("close"); });
    auto body = settings.body();
    EXPECT_EQ(ui::find(body, "Daily Limit Settings").kind(), "navigationTitle");
    EXPECT_EQ(ui::findAs<ui::TextField>(body, ui::byId("amount")).text,
              "1234.5"); // no grouping while editing
    EXPECT_EQ(ui::findAs<ui::TextField>(body, ui::byId("amount")).placeholder, "Amount");
    EXPECT_TRUE(ui::exists(body,
                           "While you can set the limit to whatever you want, please stay within reason so "
                           "you don't overspend."));
    EXPECT_EQ(
        ui::find(body, "Your Daily Budget").as<ui::Section>()->footer,
        "Note: The amount you enter here will be the same every day and it will not change based on your "
        "remaining balance for the period.");

    ui::typeText(body, ui::byId("amount"), "$1,250.00"); // the currency form is understood too
    ui::press(settings.body(), "Save");
    EXPECT_THAT(events, ElementsAre("save " + std::to_string(1250.0) + " remembered", "close"));
    EXPECT_EQ(defaults->object("hasSetDailyLimitAmount"), UserDefaults::Value{true});
}

TEST_F(DailyLimitViewsTest, SettingsCannotSaveAnAmountThatIsNotANumberAndCancelSavesNothing) {
    int saves = 0, closes = 0;
    const DailyLimitSettingsView settings(
        NumberFormatter::currency("en_US"), 42, 10, DailyLimitCalculationType::custom,
        [&](std::optional<double>) { ++saves; }, [&] { ++closes; });
    ui::typeText(settings.body(), ui::byId("amount"), "ten");
    EXPECT_FALSE(ui::findAs<ui::Button>(settings.body(), "Save").enabled);
    EXPECT_THROW(ui::press(settings.body(), "Save"), ui::ViewQueryError);

    // Switching to automatic needs no amount.
    ui::choose(settings.body(), ui::byId("calculationType"), "Automatic");
    EXPECT_TRUE(ui::findAs<ui::Button>(settings.body(), "Save").enabled);
    ui::press(settings.body(), "Cancel");
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(defaults->contains("hasSetDailyLimitAmount"));
}

// Translations.

TEST_F(DailyLimitViewsTest, ScreensAreTranslatedToGerman) {
    Environment::Override german({.locale = "de_DE"});
    const auto vm = std::make_shared<DailyLimitViewModel>(
        ReportTransactionList{tx("a", 130)}, "de_DE", 100.0, DailyLimitCalculationType::custom,
        std::make_shared<FixedCalculator>(), storage, [] { return Date{0}; });
    const auto card = DailyLimitCardView(vm).body();
    EXPECT_TRUE(ui::exists(card, "Tageslimit"));
    EXPECT_TRUE(ui::exists(card, "Limit: 100,00\u00a0€"));
    EXPECT_TRUE(ui::exists(card, "Überschritten"));
    EXPECT_TRUE(ui::exists(card, "Ausgegeben"));
    EXPECT_EQ(vm->periodText(), "Kein Geld mehr übrig");

    const DailyLimitView screen(vm);
    const auto body = screen.body();
    EXPECT_TRUE(ui::exists(body, "Heute"));
    EXPECT_TRUE(ui::exists(body, "Nicht in Berechnungen enthalten"));
    EXPECT_TRUE(ui::exists(body, "Keine Transaktionen"));
    EXPECT_TRUE(ui::exists(body, ui::byAccessibilityLabel("Mehr erfahren")));
    ui::press(body, "Tageslimit ändern");
    EXPECT_TRUE(ui::exists(screen.body(), "Berechnungsoptionen"));
    EXPECT_TRUE(ui::exists(screen.body(), "Dein Tagesbudget"));

    const auto help = DailyLimitInformationView().body();
    EXPECT_TRUE(ui::exists(help, "So berechnen wir dein Tageslimit"));
    EXPECT_TRUE(ui::exists(help, "Eigenes Limit hat Vorrang"));
}
