#include "platform/ui/View.h"

#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>
#include <string>

using namespace zt;

namespace {

/// A colour record of another layer, with the same components.
struct HostColor {
    double red = 0, green = 0, blue = 0, opacity = 1;
};

} // namespace

TEST(View, ModifiersChainOnTemporariesAndChangeNamedViewsInPlace) {
    const auto total = ui::text("€ 12.00")
                           .font(ui::Font::headline)
                           .bold()
                           .secondary()
                           .id("total")
                           .accessibilityLabel("Total amount");
    const auto& t = *total.as<ui::Text>();
    EXPECT_EQ(t.content, "€ 12.00");
    EXPECT_EQ(t.style.font, ui::Font::headline);
    EXPECT_TRUE(t.style.bold);
    EXPECT_TRUE(t.style.secondary);
    EXPECT_EQ(total.identifier(), "total");
    EXPECT_EQ(total.accessibilityLabel(), "Total amount");

    auto save = ui::button("Save", [] {});
    save.disabled().role(ui::ButtonRole::destructive);
    EXPECT_FALSE(save.as<ui::Button>()->enabled);
    EXPECT_EQ(save.as<ui::Button>()->role, ui::ButtonRole::destructive);
    save.disabled(false);
    EXPECT_TRUE(save.as<ui::Button>()->enabled);
}

TEST(View, ModifiersThatDoNotFitTheKindThrow) {
    EXPECT_THROW(ui::list({}).bold(), std::logic_error);
    EXPECT_THROW(ui::text("x").disabled(), std::logic_error);
    EXPECT_THROW(ui::button("x", {}).invalid(), std::logic_error);
    EXPECT_THROW(ui::toggle("x", true, {}).role(ui::ButtonRole::cancel), std::logic_error);
    EXPECT_THROW(ui::spacer().foregroundColor(ui::Color{}), std::logic_error);
    try {
        ui::card({}).font(ui::Font::title);
        FAIL() << "expected a logic_error";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "font() does not apply to a card view");
    }
}

TEST(View, ForegroundColorReachesTextsLabelsImagesAndProgress) {
    const ui::Color green{4 / 255.0, 215 / 255.0, 165 / 255.0};
    EXPECT_EQ(ui::text("a").foregroundColor(green).as<ui::Text>()->style.color, green);
    EXPECT_EQ(ui::label("a", "star").foregroundColor(green).as<ui::Label>()->style.color, green);
    EXPECT_EQ(ui::image("star").foregroundColor(green).as<ui::Image>()->color, green);
    EXPECT_EQ(ui::progressRing(0.5).foregroundColor(green).as<ui::ProgressRing>()->color, green);
    // A colour of another layer converts without glue.
    const HostColor red{1.0, 64 / 255.0, 89 / 255.0, 0.5};
    EXPECT_EQ(ui::progressBar(0.5).foregroundColor(red).as<ui::ProgressBar>()->color,
              (ui::Color{1.0, 64 / 255.0, 89 / 255.0, 0.5}));
}

TEST(View, ProgressIsClampedToZeroToOne) {
    EXPECT_EQ(ui::progressBar(-0.2).as<ui::ProgressBar>()->value, 0.0);
    EXPECT_EQ(ui::progressBar(1.7).as<ui::ProgressBar>()->value, 1.0);
    EXPECT_EQ(ui::progressBar(0.333).as<ui::ProgressBar>()->value, 0.333);
    EXPECT_EQ(ui::progressRing(std::numeric_limits<double>::quiet_NaN()).as<ui::ProgressRing>()->value, 0.0);
    EXPECT_EQ(ui::progressRing(std::numeric_limits<double>::infinity()).as<ui::ProgressRing>()->value, 1.0);
}

TEST(View, PickerSelection) {
    // By index: out of range means nothing selected.
    EXPECT_EQ(ui::picker("Type", {"A", "B"}, 1, {}).as<ui::Picker>()->selectedOption()->title, "B");
    EXPECT_EQ(ui::picker("Type", {"A", "B"}, 2, {}).as<ui::Picker>()->selectedOption(), nullptr);
    EXPECT_EQ(ui::picker("Type", {"A", "B"}, std::nullopt, {}).as<ui::Picker>()->selectedOption(), nullptr);

    // By id: the callback receives ids, even if the caller's options change afterwards.
    std::vector<ui::PickerOption> options{{"0", "Category Based", "chart.pie"},
                                          {"1", "Custom", "rectangle.grid.1x2"}};
    std::string chosen;
    const auto byId = ui::picker("Budget Type", options, "1", [&](const std::string& id) { chosen = id; });
    options.clear();
    const auto& p = *byId.as<ui::Picker>();
    EXPECT_EQ(p.selection, 1u);
    p.onChange(0);
    EXPECT_EQ(chosen, "0");
    p.onChange(7); // not an option: ignored
    EXPECT_EQ(chosen, "0");
    EXPECT_FALSE(ui::picker("T", {"A"}, std::string("missing"), {}).as<ui::Picker>()->selection);
}

TEST(View, ContainersKeepChildrenInOrderAndCopiesKeepCallbacks) {
    int presses = 0;
    const auto section =
        ui::section("Header", {ui::text("one"), ui::button("two", [&] { ++presses; })}, "Footer");
    const auto copy = section; // a value: the copy is independent but calls the same action
    ASSERT_EQ(copy.children().size(), 2u);
    EXPECT_EQ(copy.children()[0].as<ui::Text>()->content, "one");
    copy.children()[1].as<ui::Button>()->action();
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(section.as<ui::Section>()->footer, "Footer");

    EXPECT_EQ(ui::grid(0, {}).as<ui::Grid>()->columns, 1u);
    EXPECT_EQ(ui::hstack({}).kind(), "hstack");
    EXPECT_EQ(ui::vstack({}).kind(), "vstack");
    EXPECT_EQ(ui::toolbarItem("settings", ui::button("Settings", {})).identifier(), "settings");
}

TEST(View, NavigationTitleWrapsTheView) {
    const auto screen = ui::list({ui::text("row")}).id("list").navigationTitle("Budgets");
    ASSERT_TRUE(screen.is<ui::NavigationTitle>());
    EXPECT_EQ(screen.as<ui::NavigationTitle>()->title, "Budgets");
    ASSERT_EQ(screen.children().size(), 1u);
    EXPECT_EQ(screen.children()[0].identifier(), "list");

    const auto named = ui::text("x");
    const auto wrapped = named.navigationTitle("T"); // from a named view: a copy is wrapped
    EXPECT_EQ(named.kind(), "text");
    EXPECT_EQ(wrapped.children()[0].kind(), "text");
}
