#include "ZTSwiftUIComponents/overview/DailyLimitCardView.h"
#include "ZTSwiftUIComponents/overview/DailyLimitInformationView.h"
#include "ZTSwiftUIComponents/overview/DailyLimitSettingsView.h"
#include "ZTSwiftUIComponents/overview/DailyLimitView.h"
#include "mocks/MockDailyLimitCalculator.h"
#include "mocks/MockDailyLimitStorage.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"
#include "support/TransactionBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using ::testing::ElementsAre;

namespace {

std::shared_ptr<ReportTransaction> limitViewTx(std::string id, double amount, bool transfer = false) {
    return test::transaction({.id = id,
                              .amount = amount,
                              .categoryName = "Restaurants",
                              .isTransfer = transfer,
                              .accountName = "Checking",
                              .payee = "Deli " + id});
}

const ui::Text& text(const ui::View& root, const std::string& id) {
    return *ui::find(root, ui::byId(id)).as<ui::Text>();
}

class DailyLimitViewsTest : public ::testing::Test {
protected:
    test::PinnedEnvironment pinned{{.timeZone = "UTC"}};
    std::shared_ptr<InMemoryUserDefaults> defaults = pinned.defaults;
    ConsoleCapture console; // the demo storage names each call

    // The demo calculator recommends 100.
    std::shared_ptr<DailyLimitViewModel> make(double limit, const ReportTransactionList& items,
                                              const std::string& locale = "en_US") {
        auto vm = std::make_shared<DailyLimitViewModel>(
            items, locale, limit, DailyLimitCalculationType::custom,
            std::make_shared<MockDailyLimitCalculator>(), std::make_shared<MockDailyLimitStorage>(),
            [] { return Date{0}; });
        console.clear();
        return vm;
    }
};

} // namespace

TEST_F(DailyLimitViewsTest, CardShowsTheRingWhileMoneyIsLeftAndAWarningOnceOverspent) {
    auto body = DailyLimitCardView(make(100, {limitViewTx("a", 30)})).body();
    EXPECT_TRUE(ui::exists(body, "Daily Limit") && ui::exists(body, "Limit: $100.00") &&
                ui::exists(body, "Spent"));
    EXPECT_EQ(text(body, "remainingAmount").content, "$70.00");
    EXPECT_EQ(text(body, "remainingAmount").style.color, ui::Color(positiveAmountColor));
    EXPECT_EQ(text(body, "spentAmount").content, "$30.00");
    EXPECT_NEAR(ui::findAs<ui::ProgressRing>(body, ui::byId("indicator")).value, 0.7, 1e-6);

    body = DailyLimitCardView(make(100, {limitViewTx("a", 100)})).body();
    EXPECT_EQ(text(body, "remainingAmount").content, "$0.00");
    EXPECT_TRUE(text(body, "remainingAmount").style.secondary);

    body = DailyLimitCardView(make(100, {limitViewTx("a", 130)})).body();
    EXPECT_FALSE(ui::exists(body, "Remaining"));
    EXPECT_TRUE(ui::exists(body, "Overspent"));
    EXPECT_EQ(text(body, "overspentAmount").content, "$30.00");
    EXPECT_EQ(text(body, "overspentAmount").style.color, ui::Color(negativeAmountColor));
    EXPECT_EQ(ui::findAs<ui::Image>(body, ui::byId("indicator")).symbol, "exclamationmark.triangle.fill");
}

TEST_F(DailyLimitViewsTest, AnIncognitoCardShowsNoAmount) {
    for (const double spent : {30.0, 130.0}) {
        const auto body = DailyLimitCardView(make(100, {limitViewTx("a", spent)}), true).body();
        EXPECT_TRUE(ui::exists(body, "Limit: ••••"));
        for (const char* id : {"spentAmount", spent > 100 ? "overspentAmount" : "remainingAmount"})
            EXPECT_EQ(text(body, id).content, "••••") << id;
        for (const auto& shown : ui::visibleTexts(body))
            EXPECT_EQ(shown.find('$'), std::string::npos) << shown;
    }
}

TEST_F(DailyLimitViewsTest, ScreenSectionsAndTheConfirmedDelete) {
    const auto vm = make(100, {limitViewTx("lunch", 13.5), limitViewTx("savings", 200, true)});
    std::vector<std::string> events;
    vm->onEditDidPress = [&](const std::string& id) { events.push_back("edit " + id); };
    vm->onDeleteDidPress = [&](const std::string& id) { events.push_back("delete " + id); };
    const DailyLimitView screen(vm);
    auto body = screen.body();
    EXPECT_EQ(ui::find(body, "Today").as<ui::Section>()->footer,
              "Showing transactions for filtered accounts in the Overview screen.");
    EXPECT_TRUE(ui::exists(ui::find(body, "Today"), "$13.50"));
    EXPECT_FALSE(ui::exists(ui::find(body, "Today"), ui::byId("savings")));
    EXPECT_TRUE(ui::exists(ui::find(body, "Not included in calculations"), ui::byId("savings")));
    EXPECT_EQ(ui::findAs<ui::Button>(body, "Change Daily Limit").symbol, "switch.2");
    EXPECT_EQ(ui::findAll(DailyLimitView(make(1, {})).body(), "No transactions").size(), 2u);

    ui::press(ui::find(body, ui::byId("savings")), "Edit");
    ui::press(ui::find(body, ui::byId("lunch")), "Delete");
    ui::press(screen.body(), "Cancel");
    ui::press(ui::find(body, ui::byId("lunch")), "Delete");
    body = screen.body();
    ui::press(ui::find(body, ui::byId("deleteConfirmation")), "Delete");
    EXPECT_THAT(events, ElementsAre("edit savings", "delete lunch"));
    EXPECT_FALSE(ui::exists(screen.body(), "Cancel"));
}

TEST_F(DailyLimitViewsTest, SavingACustomAmountRemembersTheChoiceUpdatesTheLimitAndCloses) {
    const auto vm = make(100, {limitViewTx("a", 30)});
    const DailyLimitView screen(vm);
    ui::press(screen.body(), "Change Daily Limit");
    auto body = screen.body();
    EXPECT_EQ(ui::findAs<ui::TextField>(body, ui::byId("amount")).text, "100");
    for (const char* typed : {"ten", "$1,250.50", "1.250,50", ""}) {
        ui::typeText(body, ui::byId("amount"), typed);
        EXPECT_THROW(ui::press(screen.body(), "Save"), ui::ViewQueryError) << typed; // no number: disabled
        EXPECT_EQ(ui::findAs<ui::TextField>(screen.body(), ui::byId("amount")).invalid, *typed != 0) << typed;
    }
    ui::typeText(body, ui::byId("amount"), " 1,250.50 ");
    ui::press(screen.body(), "Save");
    EXPECT_EQ(defaults->object("hasSetDailyLimitAmount"), UserDefaults::Value{true});
    EXPECT_THAT(console.lines(), ElementsAre("updateDailyLimitCalculationType(_:)", "updateAmount(_:)"));
    EXPECT_EQ(vm->calculationType(), DailyLimitCalculationType::custom);
    EXPECT_FALSE(ui::exists(screen.body(), "Your Daily Budget"));
    EXPECT_TRUE(ui::exists(screen.body(), "Limit: $1,250.50"));
}

TEST_F(DailyLimitViewsTest, SettingsHandOverNothingForAutomaticAfterRememberingAndThenClose) {
    std::vector<std::string> events;
    const DailyLimitSettingsView settings(
        NumberFormatter::currency("en_US"), 42, 10, DailyLimitCalculationType::custom,
        [&](std::optional<double> v) {
            events.push_back(std::string(v ? "custom" : "automatic") +
                             (defaults->boolean("hasSetDailyLimitAmount") ? " remembered" : ""));
        },
        [&] { events.push_back("close"); });
    ui::choose(settings.body(), ui::byId("calculationType"), "Automatic");
    const auto body = settings.body();
    EXPECT_FALSE(ui::exists(body, "Your Daily Budget"));
    EXPECT_EQ(text(body, "recommendedLimit").content, "$42.00");
    ui::press(body, "Save");
    EXPECT_THAT(events, ElementsAre("automatic remembered", "close"));

    defaults->removeObject("hasSetDailyLimitAmount");
    ui::press(settings.body(), "Cancel");
    EXPECT_THAT(events, ElementsAre("automatic remembered", "close", "close"));
    EXPECT_FALSE(defaults->contains("hasSetDailyLimitAmount"));
}

TEST_F(DailyLimitViewsTest, AmountsAreTypedInTheUsersLocaleWhateverFormatsTheCurrency) {
    const Environment::Override german({.locale = "de_DE"});
    std::optional<double> saved;
    const DailyLimitSettingsView settings(NumberFormatter::currency("en_US"), 42, 10.5,
                                          DailyLimitCalculationType::custom,
                                          [&](std::optional<double> v) { saved = v; });
    EXPECT_EQ(ui::findAs<ui::TextField>(settings.body(), ui::byId("amount")).text, "10,5");
    ui::typeText(settings.body(), ui::byId("amount"), "1.250,50");
    ui::press(settings.body(), "Speichern");
    EXPECT_EQ(saved, 1250.5);
}

TEST_F(DailyLimitViewsTest, ScreensAreTranslatedToGerman) {
    Environment::Override german({.locale = "de_DE"});
    const auto vm = make(100, {limitViewTx("a", 130)}, "de_DE");
    const auto card = DailyLimitCardView(vm).body();
    for (const char* shown : {"Tageslimit", "Limit: 100,00\u00a0€", "Überschritten", "Ausgegeben"})
        EXPECT_TRUE(ui::exists(card, shown)) << shown;
    EXPECT_EQ(vm->periodText(), "Kein Geld mehr übrig");
    const DailyLimitView screen(vm);
    ui::press(screen.body(), "Tageslimit ändern");
    const auto body = screen.body();
    for (const char* shown :
         {"Heute", "Nicht in Berechnungen enthalten", "Keine Buchungen", "Dein Tagesbudget"})
        EXPECT_TRUE(ui::exists(body, shown)) << shown;
    EXPECT_TRUE(ui::exists(DailyLimitInformationView().body(), "So berechnen wir dein Tageslimit"));
}
