#include "EntryTestSupport.h"
#include "ZTSwiftUIComponents/transactions/ExchangeRateButton.h"
#include "ZTSwiftUIComponents/transactions/ExchangeRateEditView.h"
#include "platform/ui/ViewQuery.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using namespace zt::test;
using ::testing::ElementsAre;

namespace {

class ExchangeRateTest : public EntryTest {
protected:
    std::shared_ptr<std::optional<ExchangeRate>> rate =
        std::make_shared<std::optional<ExchangeRate>>(ExchangeRate::make("EUR", "USD", 1.1));
    ui::Binding<std::optional<ExchangeRate>> binding{
        [r = rate] { return *r; }, [r = rate](std::optional<ExchangeRate> v) { *r = std::move(v); }};

    ExchangeRateButton button(double amount = 10) {
        return ExchangeRateButton(binding, amount, NumberFormatter::currency("en_US", "USD"));
    }
    static std::string label(const ExchangeRateButton& b) {
        return ui::findAs<ui::Button>(b.body(), ui::byId("exchangeRateButton")).title;
    }
};

} // namespace

TEST_F(ExchangeRateTest, ButtonShowsTheConvertedAmountOrItsPlaceholders) {
    EXPECT_EQ(label(button(10)), "$11.00");
    *rate = std::nullopt;
    EXPECT_EQ(label(button(10)), "--");
    *rate = ExchangeRate::make("EUR", "USD", 1.1);
    EXPECT_EQ(ExchangeRateButton(binding, 10, NumberFormatter::currency("en_US", "XX!")).label(), "000");
}

TEST_F(ExchangeRateTest, SheetWithoutARateShowsDashesAndUpdatesNothingYetCloses) {
    *rate = std::nullopt;
    const auto b = button();
    ui::press(b.body(), ui::byId("exchangeRateButton"));
    ASSERT_TRUE(b.isEditing());
    auto body = b.body();
    EXPECT_EQ(ui::findAs<ui::Text>(body, ui::byId("currentRate")).content, "--");
    ui::typeText(body, ui::byId("newRate"), "1.5");
    ui::press(b.body(), ui::byId("update"));
    EXPECT_FALSE(*rate);
    queue().advance(1.0);
    EXPECT_FALSE(b.isEditing());
}

TEST_F(ExchangeRateTest, NewRateIsReadInTheLocaleAndLettersOrGarbageKeepUpdateDisabled) {
    const Environment::Override german({.locale = "de_DE"});
    const ExchangeRateEditView sheet(binding, ui::Binding<bool>{[] { return true; }, [](const bool&) {}},
                                     NumberFormatter::decimal("de_DE"));
    // Update is enabled exactly while the field is not marked as a mistake, except when empty.
    const auto isEnabled = [&](const std::string& typed) {
        ui::typeText(sheet.body(), ui::byId("newRate"), typed);
        const bool enabled = ui::findAs<ui::Button>(sheet.body(), ui::byId("update")).enabled;
        const bool marked = ui::findAs<ui::TextField>(sheet.body(), ui::byId("newRate")).invalid;
        EXPECT_EQ(marked, !enabled && !typed.empty()) << typed;
        return enabled;
    };
    EXPECT_TRUE(isEnabled("1,25"));
    EXPECT_FALSE(isEnabled("abc"));
    EXPECT_FALSE(isEnabled("1,25x"));
    EXPECT_FALSE(isEnabled("1.25")); // the German grouping mark in the wrong place
    EXPECT_FALSE(isEnabled(""));
    EXPECT_FALSE(isEnabled("0"));
    EXPECT_FALSE(isEnabled("-1,2"));
    EXPECT_TRUE(isEnabled(" 0,9 "));
    EXPECT_EQ(ui::findAs<ui::Text>(sheet.body(), ui::byId("currencies")).content, "EUR \u2192 USD");
}

TEST_F(ExchangeRateTest, FocusAfterHalfASecondThenUpdateWritesOnlyTheRateAndClosesOneSecondLater) {
    const ui::ScreenState<ExchangeRateButton::State> state;
    const ExchangeRateButton b(binding, 10, NumberFormatter::currency("en_US", "USD"), state);
    const auto before = **rate;
    b.open();
    queue().advance(0.49);
    EXPECT_FALSE(state->editView->isNewRateFocused());
    queue().advance(0.01);
    EXPECT_TRUE(state->editView->isNewRateFocused());

    ui::typeText(b.body(), ui::byId("newRate"), "1.2");
    ui::press(b.body(), ui::byId("update"));
    ASSERT_TRUE(*rate);
    EXPECT_DOUBLE_EQ((*rate)->rate, 1.2);
    EXPECT_EQ((*rate)->formattedString, before.formattedString);
    EXPECT_EQ((*rate)->fromCurrencyCode, "EUR");
    EXPECT_EQ((*rate)->date, before.date);
    EXPECT_THAT(pinned.feedback->events(), ElementsAre("impact medium"));
    EXPECT_EQ(label(b), "$12.00");
    // A second press while closing would schedule a second close.
    EXPECT_FALSE(state->editView->isUpdateEnabled());
    queue().advance(0.99);
    EXPECT_TRUE(b.isEditing());
    queue().advance(0.01);
    EXPECT_FALSE(b.isEditing());
}

TEST_F(ExchangeRateTest, ASheetClosedByHandStaysClosedWhenTheDelayedCloseRuns) {
    const auto b = button();
    b.open();
    ui::typeText(b.body(), ui::byId("newRate"), "2");
    ui::press(b.body(), ui::byId("update"));
    ui::press(b.body(), ui::byAccessibilityLabel("Close"));
    EXPECT_FALSE(b.isEditing());
    queue().advance(1.0);
    EXPECT_FALSE(b.isEditing());
    EXPECT_DOUBLE_EQ((*rate)->rate, 2.0);
}
