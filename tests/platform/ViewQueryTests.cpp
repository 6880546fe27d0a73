#include "platform/ui/ViewQuery.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

/// A small screen over plain state, built the way library screens are.
struct BudgetScreen {
    bool remind = false;
    std::string name;
    std::string budgetType = "category";
    Date start{0};
    bool canSave = false;
    bool deleteAsked = false;
    bool dueDatesShown = false;
    std::vector<std::string> events;

    ui::View body() {
        return ui::vstack(
                   {
                       ui::toolbarItem("incognito", ui::toggle("Incognito Mode", false,
                                                               [this](bool on) {
                                                                   events.push_back(on ? "incognito on"
                                                                                       : "incognito off");
                                                               })),
                       ui::section(
                           "Budget",
                           {
                               ui::textField("Name", name, [this](const std::string& s) { name = s; }),
                               ui::picker("Budget Type",
                                          {{"category", "Category Based"}, {"custom", "Custom"}}, budgetType,
                                          [this](const std::string& id) { budgetType = id; }),
                               ui::toggle("Remind", remind, [this](bool on) { remind = on; }),
                               ui::datePicker(
                                   "Start", start, [this](Date d) { start = d; }, Date{0}, Date{86400 * 30}),
                           }),
                       ui::card({ui::button([this] { events.push_back("card"); },
                                            {ui::text("Net Worth"), ui::text("€ 1,200.00").id("netWorth")})}),
                       ui::row({ui::button("Edit", [this] { events.push_back("edit"); }),
                                ui::button("Delete Budget", [this] { deleteAsked = true; })
                                    .role(ui::ButtonRole::destructive)})
                           .id("actions"),
                       ui::button("Save", [this] { events.push_back("save " + name); }).disabled(!canSave),
                       ui::button("View upcoming due dates", [this] { dueDatesShown = true; }),
                       ui::sheet(
                           "Upcoming Due Dates", dueDatesShown,
                           [this](bool shown) {
                               events.push_back(shown ? "sheet shown" : "sheet hidden");
                               dueDatesShown = shown;
                           },
                           {ui::text("9 June"), ui::text("9 July")},
                           [this] { events.push_back("sheet dismissed"); })
                           .id("dueDates"),
                       ui::confirmationDialog(
                           "Are you sure?", "Are you sure you want to delete this budget?", deleteAsked,
                           [this](bool shown) {
                               events.push_back(shown ? "dialog shown" : "dialog hidden");
                               deleteAsked = shown;
                           },
                           {ui::button("Confirm", [this] { events.push_back("deleted"); })
                                .role(ui::ButtonRole::destructive),
                            ui::button("Cancel", {}).role(ui::ButtonRole::cancel)}),
                   })
            .navigationTitle("Budgets");
    }
};

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ui::ViewQueryError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(ViewQuery, FindsByTextAccessibilityLabelAndIdentifierDepthFirst) {
    const auto tree = ui::list({
        ui::section("Accounts", {ui::label("Wallet", "wallet.pass"),
                                 ui::text("Cash").accessibilityLabel("Cash account")}),
        ui::section("Cards", {ui::text("Wallet").id("second"), ui::text("Wallet Plus")}),
    });
    EXPECT_TRUE(ui::find(tree, "Accounts").is<ui::Section>()); // headers are texts too
    EXPECT_TRUE(ui::find(tree, "Wallet").is<ui::Label>());     // the first one, depth-first
    const auto all = ui::findAll(tree, "Wallet");
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1]->identifier(), "second");
    EXPECT_EQ(ui::findAll(tree, ui::byTextContaining("Wallet")).size(), 3u);
    EXPECT_EQ(ui::find(tree, ui::byAccessibilityLabel("Cash account")).as<ui::Text>()->content, "Cash");
    EXPECT_EQ(ui::find(tree, ui::byId("second")).as<ui::Text>()->content, "Wallet");
    EXPECT_FALSE(ui::exists(tree, "wallet")); // exact and case-sensitive
    EXPECT_FALSE(ui::exists(tree, ui::byAccessibilityLabel("Cash")));
}

TEST(ViewQuery, MissingNodesFailNamingTheSearchAndShowingTheTree) {
    BudgetScreen screen;
    const auto message = errorOf([&] { ui::find(screen.body(), ui::byId("total")); });
    EXPECT_THAT(message, HasSubstr(R"(no view with identifier "total")"));
    EXPECT_THAT(message, HasSubstr(R"(navigationTitle "Budgets")"));
    EXPECT_THROW(ui::press(screen.body(), "Nowhere"), std::runtime_error);
}

TEST(ViewQuery, ContentOfDismissedModalsIsInvisible) {
    BudgetScreen screen;
    auto body = screen.body();
    EXPECT_FALSE(ui::exists(body, "9 June"));
    EXPECT_FALSE(ui::exists(body, "Are you sure?"));
    EXPECT_FALSE(ui::exists(body, "Confirm"));
    EXPECT_TRUE(ui::exists(body, ui::byId("dueDates"))); // the sheet itself can be named

    ui::press(body, "View upcoming due dates");
    body = screen.body();
    EXPECT_TRUE(ui::exists(body, "9 June"));
    EXPECT_TRUE(ui::exists(body, "Upcoming Due Dates"));
}

TEST(ViewQuery, VisibleTextsInReadingOrder) {
    BudgetScreen screen;
    screen.name = "Food";
    EXPECT_THAT(ui::visibleTexts(screen.body()),
                ElementsAre("Budgets", "Incognito Mode", "Budget", "Food", "Budget Type", "Category Based",
                            "Remind", "Start", "Net Worth", "€ 1,200.00", "Edit", "Delete Budget", "Save",
                            "View upcoming due dates"));
    screen.name.clear();
    EXPECT_EQ(ui::visibleTexts(screen.body())[3], "Name"); // an empty field shows its placeholder
}

TEST(ViewQuery, PressRunsTheActionAndTheNextBodyShowsTheResult) {
    BudgetScreen screen;
    screen.canSave = true;
    ui::typeText(screen.body(), "Name", "Food");
    ui::press(screen.body(), "Save");
    EXPECT_THAT(screen.events, ElementsAre("save Food"));
    // The field is still found by its placeholder once it has text.
    EXPECT_EQ(ui::findAs<ui::TextField>(screen.body(), "Name").text, "Food");
}

TEST(ViewQuery, PressingADisabledButtonFailsClearly) {
    BudgetScreen screen;
    const auto message = errorOf([&] { ui::press(screen.body(), "Save"); });
    EXPECT_THAT(message, HasSubstr(R"(button "Save" [disabled] is disabled)"));
    EXPECT_TRUE(screen.events.empty());
}

TEST(ViewQuery, PressFindsTheButtonAroundOrInsideWhatWasNamed) {
    BudgetScreen screen;
    ui::press(screen.body(), ui::byId("netWorth")); // a text inside a tappable card
    EXPECT_THAT(screen.events, ElementsAre("card"));

    // A row with two buttons is ambiguous; its buttons are named by their titles instead.
    EXPECT_THAT(errorOf([&] { ui::press(screen.body(), ui::byId("actions")); }),
                HasSubstr(R"(identifier "actions" holds 2 views of kind button)"));
    EXPECT_THAT(errorOf([&] { ui::flip(screen.body(), "Budget"); }),
                HasSubstr(R"(no toggle at text "Budget" (found section "Budget"))"));
    EXPECT_THAT(errorOf([&] { ui::press(screen.body(), "Category Based"); }),
                HasSubstr(R"(no button at text "Category Based")"));

    // The toggle of a toolbar item, named by the item's id.
    ui::flip(screen.body(), ui::byId("incognito"));
    EXPECT_THAT(screen.events, ElementsAre("card", "incognito on"));
}

TEST(ViewQuery, ControlsReportTheUsersChange) {
    BudgetScreen screen;
    ui::flip(screen.body(), "Remind");
    EXPECT_TRUE(screen.remind);
    EXPECT_TRUE(ui::findAs<ui::Toggle>(screen.body(), "Remind").isOn);
    ui::flip(screen.body(), "Remind");
    EXPECT_FALSE(screen.remind);

    ui::choose(screen.body(), "Budget Type", "Custom");
    EXPECT_EQ(screen.budgetType, "custom");
    ui::choose(screen.body(), "Custom", "category"); // by the selected option's text, choosing by id
    EXPECT_EQ(screen.budgetType, "category");
    EXPECT_THAT(errorOf([&] { ui::choose(screen.body(), "Budget Type", "Weekly"); }),
                HasSubstr(R"(options ["Category Based", "Custom"] has no option "Weekly")"));
}

TEST(ViewQuery, DatePickerAcceptsOnlyItsClosedRange) {
    BudgetScreen screen;
    ui::pickDate(screen.body(), "Start", Date{86400 * 30});
    EXPECT_EQ(screen.start, Date{86400 * 30});
    EXPECT_THAT(errorOf([&] { ui::pickDate(screen.body(), "Start", Date{86400 * 30 + 1}); }),
                HasSubstr("2001-01-31T00:00:01Z is outside the range of datePicker \"Start\""));
    EXPECT_THROW(ui::pickDate(screen.body(), "Start", Date{-1}), ui::ViewQueryError);
    EXPECT_EQ(screen.start, Date{86400 * 30});
}

TEST(ViewQuery, DisabledControlsRefuseInput) {
    int calls = 0;
    const auto tree = ui::vstack({
        ui::toggle("T", false, [&](bool) { ++calls; }).disabled(),
        ui::textField("F", "", [&](const std::string&) { ++calls; }).disabled(),
        ui::picker("P", {"a"}, 0, [&](std::size_t) { ++calls; }).disabled(),
        ui::datePicker("D", Date{}, [&](Date) { ++calls; }).disabled(),
    });
    EXPECT_THROW(ui::flip(tree, "T"), ui::ViewQueryError);
    EXPECT_THROW(ui::typeText(tree, "F", "x"), ui::ViewQueryError);
    EXPECT_THROW(ui::choose(tree, "P", "a"), ui::ViewQueryError);
    EXPECT_THROW(ui::pickDate(tree, "D", Date{}), ui::ViewQueryError);
    EXPECT_EQ(calls, 0);
}

TEST(ViewQuery, SheetsPresentAndDismissThroughTheirBinding) {
    BudgetScreen screen;
    EXPECT_THAT(errorOf([&] { ui::dismiss(screen.body(), "Upcoming Due Dates"); }),
                HasSubstr("is not presented"));
    ui::present(screen.body(), "Upcoming Due Dates"); // named by its title while dismissed
    EXPECT_TRUE(screen.dueDatesShown);
    EXPECT_THAT(errorOf([&] { ui::present(screen.body(), ui::byId("dueDates")); }),
                HasSubstr("is already presented"));
    ui::dismiss(screen.body(), "9 July"); // or by anything shown on it
    EXPECT_FALSE(screen.dueDatesShown);
    EXPECT_THAT(screen.events, ElementsAre("sheet shown", "sheet hidden", "sheet dismissed"));

    const auto inert = ui::sheet("Static", false, {}, {});
    EXPECT_THAT(errorOf([&] { ui::present(inert, "Static"); }), HasSubstr("has no presented binding"));
}

TEST(ViewQuery, ADialogButtonDismissesTheDialogThenActs) {
    BudgetScreen screen;
    ui::press(screen.body(), "Delete Budget");
    auto body = screen.body();
    EXPECT_EQ(ui::find(body, "Are you sure?").as<ui::ConfirmationDialog>()->message,
              "Are you sure you want to delete this budget?");
    ui::press(body, "Confirm");
    EXPECT_THAT(screen.events, ElementsAre("dialog hidden", "deleted"));
    EXPECT_FALSE(ui::exists(screen.body(), "Confirm"));

    screen.events.clear();
    ui::press(screen.body(), "Delete Budget");
    ui::press(screen.body(), "Cancel"); // a button without action still closes the dialog
    EXPECT_THAT(screen.events, ElementsAre("dialog hidden"));
    EXPECT_FALSE(screen.deleteAsked);
}
