#include "platform/ui/TextRenderer.h"

#include <gtest/gtest.h>
#include <limits>

using namespace zt;
using ui::TextRenderer;

namespace {

// 2024-05-12 00:00:00 UTC.
constexpr Date may12 = Date::fromUnixSeconds(1715472000);

} // namespace

TEST(TextRenderer, PrintsEveryKindIndentedOneNodeALine) {
    const auto tree =
        ui::list(
            {
                ui::section(
                    "Last Statement",
                    {
                        ui::row({ui::text("Remaining Due").font(ui::Font::headline).bold(), ui::spacer(),
                                 ui::text("€ 40.00").secondary().id("remaining")}),
                        ui::label("Reminders", "bell").foregroundColor(ui::Color{1, 0, 0}),
                        ui::image("checkmark.seal.fill"),
                        ui::button("Delete", [] {}).role(ui::ButtonRole::destructive).disabled(),
                        ui::button("View purchases", "minus.square", [] {}).accessibilityLabel("Purchases"),
                        ui::toggle("Remind", true, {}),
                        ui::picker("Budget Type", {"Category Based", "Custom"}, 1, {}),
                        ui::datePicker("Opening Date", may12, {}, std::nullopt, may12 + 86400),
                        ui::textField("Payment due", "50", {}),
                        ui::amountField("Minimum due", AmountField("5O", std::string("en_US")), {}),
                        ui::progressBar(0.25),
                        ui::divider(),
                        ui::progressRing(1.0 / 3.0),
                    },
                    "From your bank."),
                ui::card({ui::grid(2, {ui::text("a")}), ui::hstack({}), ui::vstack({})}, true),
                ui::chart({{ui::MarkKind::bar, "Jan", 120, "Value"},
                           {ui::MarkKind::rule, "", 100.5, "Limit", ui::Color{0, 0, 1, 0.5}}}),
                ui::emptyState("No goals available.", "", "flag.slash", {ui::button("Add Goal", {})}),
                ui::toolbarItem("settings", ui::button("Settings", "gearshape", {})),
            })
            .navigationTitle("Details");

    EXPECT_EQ(TextRenderer::render(tree), R"(navigationTitle "Details"
  list
    section "Last Statement" footer "From your bank."
      row
        text "Remaining Due" [headline, bold]
        spacer
        text "€ 40.00" [secondary] #remaining
      label "Reminders" symbol "bell" [color #FF0000]
      image "checkmark.seal.fill"
      button "Delete" [destructive, disabled]
      button "View purchases" symbol "minus.square" accessibility "Purchases"
      toggle "Remind" = on
      picker "Budget Type" = "Custom" options ["Category Based", "Custom"]
      datePicker "Opening Date" = 2024-05-12T00:00:00Z to 2024-05-13T00:00:00Z
      textField "Payment due" = "50"
      textField "Minimum due" = "5O" [invalid]
      progressBar 0.25
      divider
      progressRing 0.3333333333333333
    card [highlighted]
      grid columns 2
        text "a"
      hstack
      vstack
    chart
      bar "Jan" = 120 series "Value"
      rule = 100.5 series "Limit" [color #0000FF80]
    emptyState "No goals available." symbol "flag.slash"
      button "Add Goal"
    toolbarItem #settings
      button "Settings" symbol "gearshape"
)");
}

TEST(TextRenderer, ModalsPrintTheirContentOnlyWhilePresentedAndGroupsAreTransparent) {
    const auto build = [](bool presented) {
        return ui::vstack({
            ui::group({ui::text("a"), ui::group({ui::text("b")})}),
            ui::sheet("Upcoming Due Dates", presented, {}, {ui::text("9 May")}),
            ui::confirmationDialog(
                "Are you sure?", "This cannot be undone.", presented, {},
                {ui::button("Confirm", {}), ui::button("Cancel", {}).role(ui::ButtonRole::cancel)}),
        });
    };
    EXPECT_EQ(TextRenderer::render(build(false)), R"(vstack
  text "a"
  text "b"
  sheet "Upcoming Due Dates" [dismissed]
  confirmationDialog "Are you sure?" message "This cannot be undone." [dismissed]
)");
    EXPECT_EQ(TextRenderer::render(build(true)), R"(vstack
  text "a"
  text "b"
  sheet "Upcoming Due Dates" [presented]
    text "9 May"
  confirmationDialog "Are you sure?" message "This cannot be undone." [presented]
    button "Confirm"
    button "Cancel" [cancel]
)");
}

TEST(TextRenderer, PickerWithoutSelectionAndDisabledControls) {
    EXPECT_EQ(TextRenderer::describe(ui::picker("Day", {}, std::nullopt, {}).disabled()),
              R"(picker "Day" = none options [] [disabled])");
    EXPECT_EQ(TextRenderer::describe(ui::toggle("Remind", false, {}).disabled()),
              R"(toggle "Remind" = off [disabled])");
    EXPECT_EQ(TextRenderer::describe(ui::datePicker("At", may12, {}, may12 - 60, std::nullopt,
                                                    ui::DatePickerComponents::dateAndTime)),
              R"(datePicker "At" = 2024-05-12T00:00:00Z from 2024-05-11T23:59:00Z [dateAndTime])");
    EXPECT_EQ(TextRenderer::describe(ui::button([] {}, {ui::text("card content")})), "button");
}

TEST(TextRenderer, QuotingEscapesWhatWouldBreakALine) {
    EXPECT_EQ(TextRenderer::quoted(R"(say "hi")"), R"("say \"hi\"")");
    EXPECT_EQ(TextRenderer::quoted("a\\b"), R"("a\\b")");
    EXPECT_EQ(TextRenderer::quoted("two\nlines\tand\r"), R"("two\nlines\tand\r")");
    EXPECT_EQ(TextRenderer::quoted(std::string("nul\0bell\a", 9)), R"("nul\u0000bell\u0007")");
    EXPECT_EQ(TextRenderer::quoted("Ünïcødé 💶"), "\"Ünïcødé 💶\"");
}

TEST(TextRenderer, NumbersAreShortestRoundTripWithoutNegativeZero) {
    EXPECT_EQ(TextRenderer::number(-0.0), "0");
    EXPECT_EQ(TextRenderer::number(-3.5), "-3.5");
    EXPECT_EQ(TextRenderer::number(0.1 + 0.2), "0.30000000000000004");
}

TEST(TextRenderer, DatesAreUtcWhateverTheMachine) {
    EXPECT_EQ(TextRenderer::date(Date{0}), "2001-01-01T00:00:00Z");
    EXPECT_EQ(TextRenderer::date(Date{-1}), "2000-12-31T23:59:59Z");
    EXPECT_EQ(TextRenderer::date(Date::fromUnixSeconds(0)), "1970-01-01T00:00:00Z");
    EXPECT_EQ(TextRenderer::date(Date::fromUnixSeconds(-0.25)), "1969-12-31T23:59:59.750Z");
    EXPECT_EQ(TextRenderer::date(may12 + 0.5), "2024-05-12T00:00:00.500Z");
    // Leap day, and the last instant of a billing period.
    EXPECT_EQ(TextRenderer::date(Date::fromUnixSeconds(1709251199)), "2024-02-29T23:59:59Z");
    // Out of the printable years: raw seconds since the reference date.
    EXPECT_EQ(TextRenderer::date(Date{1e300}), "1e+300s");
    EXPECT_EQ(TextRenderer::date(Date{std::numeric_limits<double>::quiet_NaN()}), "invalid");
}

TEST(TextRenderer, ColoursAreHexWithAlphaOnlyWhenTranslucent) {
    EXPECT_EQ(TextRenderer::color(ui::Color{4 / 255.0, 215 / 255.0, 165 / 255.0}), "#04D7A5");
    EXPECT_EQ(TextRenderer::color(ui::Color{1, 64 / 255.0, 89 / 255.0, 0}), "#FF405900");
    EXPECT_EQ(TextRenderer::color(ui::Color{2, -1, 0.5}), "#FF0080"); // components clamp
}
