#include "platform/ui/HtmlRenderer.h"
#include "platform/ui/ViewQuery.h"
#include "support/PinnedEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <regex>

using namespace zt;
using ::testing::HasSubstr;
using ::testing::Not;
using ui::HtmlRenderer;

namespace {

std::string render(const ui::View& view, HtmlRenderer::Options options = {}) {
    return HtmlRenderer(std::move(options)).render(view);
}

/// The stroke-dasharray of the ring's filled arc, "50 100" for half.
std::string ringDash(double value) {
    ui::View ring = ui::progressRing(0);
    ring.as<ui::ProgressRing>()->value = value; // past the factory's clamp, as a hand-built node may be
    const std::string out = render(ring);
    std::smatch match;
    return std::regex_search(out, match, std::regex("stroke-dasharray=\"([^\"]*)\"")) ? match[1].str()
                                                                                      : std::string{};
}

std::size_t count(const std::string& s, const std::string& part) {
    std::size_t n = 0;
    for (auto at = s.find(part); at != std::string::npos; at = s.find(part, at + 1))
        ++n;
    return n;
}

class HtmlRendererTest : public test::PinnedTest {};

} // namespace

TEST_F(HtmlRendererTest, EscapesEveryTextAndAttribute) {
    const std::string evil = "<script>alert(\"x\" & 'y')</script>";
    const auto tree = ui::navigationTitle(
        evil, {ui::section(evil,
                           {ui::text(evil), ui::label(evil, evil), ui::button(evil, [] {}).id(evil),
                            ui::toggle(evil, false, {}).accessibilityLabel(evil),
                            ui::picker(evil, {evil}, std::optional<std::size_t>(0), {}),
                            ui::textField(evil, evil, {}), ui::chart({{ui::MarkKind::bar, evil, 1, evil}})},
                           evil),
               ui::emptyState(evil, evil, "star.fill")});
    const std::string html = render(tree);
    EXPECT_THAT(html, Not(HasSubstr("<script")));
    EXPECT_THAT(html, Not(HasSubstr("'y'")));
    EXPECT_GE(count(html, "&lt;script&gt;alert(&quot;x&quot; &amp; &#39;y&#39;)&lt;/script&gt;"), 14u);
    EXPECT_EQ(HtmlRenderer::escape("a<b>&\"'"), "a&lt;b&gt;&amp;&quot;&#39;");
}

TEST_F(HtmlRendererTest, DrawsEachKindAsItsElement) {
    const auto tree = ui::navigationTitle(
        "Card",
        {ui::toolbarItem("incognito", ui::toggle("Hide", true, {})),
         ui::list(
             {ui::section("Limits",
                          {ui::row({ui::text("Balance").font(ui::Font::headline).bold(), ui::spacer(),
                                    ui::text("€ 40.00").secondary().id("balance")}),
                           ui::button("Delete", [] {}).role(ui::ButtonRole::destructive).disabled(),
                           ui::picker("Type", {"A", "B"}, 1, {}), ui::textField("Amount", "12", {}),
                           ui::textField("Rate", "1,2x", {}).invalid(), ui::divider(), ui::progressBar(0.25)},
                          "From your bank.")}),
         ui::card({ui::grid(3, {ui::image("star.fill").accessibilityLabel("Favourite")}), ui::hstack({})},
                  true),
         ui::emptyState("Nothing yet", "Add one.", "plus", {ui::button("Add", [] {})})});
    const std::string html = render(tree);
    EXPECT_THAT(html, HasSubstr("<h1 class=\"zt-navigation-title\">Card</h1>"));
    // The toolbar item sits in the bar, before the content.
    EXPECT_LT(html.find("id=\"incognito\""), html.find("zt-navigation-content"));
    EXPECT_THAT(html, HasSubstr("<input type=\"checkbox\" role=\"switch\" checked data-node=\"0.0.0\" "
                                "data-act=\"flip\">"));
    EXPECT_THAT(html, HasSubstr("<h2 class=\"zt-section-header\">Limits</h2>"));
    // A text that is no number is drawn as a mistake, and said to be one.
    EXPECT_THAT(html,
                HasSubstr("<input type=\"text\" class=\"zt-text-field zt-invalid\" aria-invalid=\"true\" "
                          "aria-label=\"Rate\""));
    EXPECT_THAT(html, HasSubstr("<input type=\"text\" class=\"zt-text-field\" aria-label=\"Amount\""));
    EXPECT_THAT(html, HasSubstr("<p class=\"zt-section-footer\">From your bank.</p>"));
    EXPECT_THAT(html, HasSubstr("<span class=\"zt-text zt-headline zt-bold\">Balance</span>"));
    EXPECT_THAT(html,
                HasSubstr("<span class=\"zt-text zt-body zt-secondary\" id=\"balance\">€ 40.00</span>"));
    EXPECT_THAT(html, HasSubstr("class=\"zt-button zt-destructive\" data-node=\"0.1.0.1\" data-act=\"press\" "
                                "disabled><span class=\"zt-button-title\">Delete</span></button>"));
    EXPECT_THAT(html, HasSubstr("<option value=\"1\" selected>B</option>"));
    EXPECT_THAT(html,
                HasSubstr("aria-label=\"Amount\" placeholder=\"Amount\" value=\"12\" data-node=\"0.1.0.3\" "
                          "data-act=\"type\""));
    EXPECT_THAT(html, HasSubstr("<hr class=\"zt-divider\">"));
    EXPECT_THAT(html, HasSubstr("aria-valuenow=\"25\""));
    EXPECT_THAT(html, HasSubstr("class=\"zt-card zt-highlighted\""));
    EXPECT_THAT(html, HasSubstr("grid-template-columns:repeat(3,minmax(0,1fr))"));
    EXPECT_THAT(html, HasSubstr("role=\"img\" aria-label=\"Favourite\""));
    EXPECT_THAT(html, HasSubstr("<h3 class=\"zt-empty-title\">Nothing yet</h3>"));
}

TEST_F(HtmlRendererTest, ControlAddressesFindTheSameNodeInTheTree) {
    bool pressed = false;
    std::string typed;
    const auto tree = ui::vstack(
        {ui::text("Title"), ui::card({ui::button("Go", [&] { pressed = true; }),
                                      ui::textField("Name", "", [&](const std::string& t) { typed = t; })})});
    const std::string html = render(tree);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(html, m, std::regex("data-node=\"([0-9.]+)\" data-act=\"press\"")));
    ui::press(tree, ui::byAddress(m[1]));
    EXPECT_TRUE(pressed);
    ASSERT_TRUE(std::regex_search(html, m, std::regex("data-node=\"([0-9.]+)\" data-act=\"type\"")));
    ui::typeText(tree, ui::byAddress(m[1]), "Ada");
    EXPECT_EQ(typed, "Ada");
    // A node alone has no address, and an address beyond the tree names nothing.
    EXPECT_FALSE(ui::byAddress("0").matches(tree));
    EXPECT_TRUE(ui::exists(tree, ui::byAddress("0")));
    EXPECT_FALSE(ui::exists(tree, ui::byAddress("0.1.7")));
    EXPECT_THROW(ui::press(tree, ui::byAddress("0.0")), ui::ViewQueryError);
}

TEST_F(HtmlRendererTest, SheetsAndDialogsDrawOnlyWhilePresented) {
    const auto closed = ui::sheet("Settings", false, [](bool) {}, {ui::text("Inside")});
    EXPECT_THAT(render(closed), Not(HasSubstr("Inside")));
    const auto open = ui::sheet("Settings", true, [](bool) {}, {ui::text("Inside")});
    const std::string sheet = render(open);
    EXPECT_THAT(sheet, HasSubstr("role=\"dialog\" aria-modal=\"true\" aria-label=\"Settings\""));
    EXPECT_THAT(sheet, HasSubstr("Inside"));
    EXPECT_THAT(sheet, HasSubstr("aria-label=\"Close\" data-node=\"0\" data-act=\"dismiss\""));
    const auto dialog =
        ui::confirmationDialog("Delete?", "It is gone for good.", true, [](bool) {},
                               {ui::button("Delete", [] {}).role(ui::ButtonRole::destructive)});
    const std::string html = render(dialog);
    EXPECT_THAT(html, HasSubstr("role=\"alertdialog\""));
    EXPECT_THAT(html, HasSubstr("<p class=\"zt-dialog-message\">It is gone for good.</p>"));
    EXPECT_THAT(html, HasSubstr("data-node=\"0.0\" data-act=\"press\""));
}

TEST_F(HtmlRendererTest, CloseButtonSpeaksTheEnvironmentsLanguage) {
    const Environment::Override german({.locale = "de_DE"});
    EXPECT_THAT(render(ui::sheet("S", true, [](bool) {}, {})), HasSubstr("aria-label=\"Schließen\""));
}

TEST_F(HtmlRendererTest, ColoursAreCssAndClamped) {
    EXPECT_EQ(HtmlRenderer::cssColor({4.0 / 255, 215.0 / 255, 165.0 / 255}), "rgb(4 215 165)");
    EXPECT_EQ(HtmlRenderer::cssColor({1, 64.0 / 255, 89.0 / 255, 0.5}), "rgb(255 64 89 / 0.5)");
    EXPECT_EQ(HtmlRenderer::cssColor({2, -1, 0.5, 3}), "rgb(255 0 128)");
    const std::string html =
        render(ui::text("-€ 5.00").foregroundColor(ui::Color{1, 64.0 / 255, 89.0 / 255}));
    EXPECT_THAT(html, HasSubstr("style=\"color:rgb(255 64 89)\""));
    EXPECT_THAT(render(ui::progressBar(0.5).foregroundColor(ui::Color{0, 0, 1})),
                HasSubstr("fill:rgb(0 0 255)"));
}

TEST_F(HtmlRendererTest, RingAndBarFollowTheirValueClamped) {
    EXPECT_EQ(ringDash(0), "0 100");
    EXPECT_EQ(ringDash(0.5), "50 100");
    EXPECT_EQ(ringDash(1), "100 100");
    EXPECT_EQ(ringDash(1.7), "100 100");
    EXPECT_EQ(ringDash(-0.3), "0 100");
    EXPECT_EQ(ringDash(std::numeric_limits<double>::quiet_NaN()), "0 100");
    ui::View bar = ui::progressBar(0);
    bar.as<ui::ProgressBar>()->value = 2;
    EXPECT_THAT(render(bar), HasSubstr("class=\"zt-fill\" x=\"0\" y=\"0\" width=\"100\""));
    EXPECT_THAT(render(ui::progressBar(0.25)), HasSubstr("class=\"zt-fill\" x=\"0\" y=\"0\" width=\"25\""));
}

TEST_F(HtmlRendererTest, ChartShapesComeFromTheValues) {
    // Bars over 0…200 in a plot from y 136 (zero) to 8 (top): 100 is half way.
    const std::string bars = render(ui::chart({{ui::MarkKind::bar, "Jan", 100, "Spent"},
                                               {ui::MarkKind::bar, "Feb", 200, "Spent"},
                                               {ui::MarkKind::rule, "", 150, "Limit", ui::Color{1, 0, 0}}}));
    EXPECT_EQ(count(bars, "<rect class=\"zt-bar\""), 2u);
    EXPECT_THAT(bars, HasSubstr("y=\"72\" width=\"102.2\" height=\"64\""));
    EXPECT_THAT(bars, HasSubstr("y=\"8\" width=\"102.2\" height=\"128\""));
    EXPECT_THAT(bars,
                HasSubstr("<line class=\"zt-rule\" stroke=\"rgb(255 0 0)\" x1=\"4\" x2=\"296\" y1=\"40\""));
    EXPECT_THAT(bars, HasSubstr("<title>Jan (Spent): 100</title>"));
    EXPECT_THAT(bars, HasSubstr(">Feb</text>"));

    // A negative value hangs below the zero line.
    const std::string below =
        render(ui::chart({{ui::MarkKind::bar, "A", 100}, {ui::MarkKind::bar, "B", -100}}));
    EXPECT_THAT(below, HasSubstr("y1=\"72\" y2=\"72\""));

    const std::string line = render(ui::chart({{ui::MarkKind::line, "1", 0, "Balance"},
                                               {ui::MarkKind::line, "2", 10, "Balance"},
                                               {ui::MarkKind::line, "1", 5, "Other"}}));
    EXPECT_EQ(count(line, "<polyline"), 2u);
    EXPECT_THAT(line, HasSubstr("points=\"77,136 223,8\""));

    // Sectors share the ring in proportion; a lone sector is the whole ring, a negative one none.
    const std::string halves = render(ui::chart({{ui::MarkKind::sector, "", 1, "Food"},
                                                 {ui::MarkKind::sector, "", 1, "Rent"},
                                                 {ui::MarkKind::sector, "", -4, "Refund"}}));
    EXPECT_EQ(count(halves, "<path class=\"zt-sector\""), 2u);
    EXPECT_THAT(halves, HasSubstr("d=\"M150 8A72 72 0 0 1 150 152L150 124A44 44 0 0 0 150 36Z\""));
    EXPECT_THAT(halves, Not(HasSubstr("Refund")));
    const std::string whole = render(ui::chart({{ui::MarkKind::sector, "", 3, "All"}}));
    EXPECT_EQ(count(whole, "<path class=\"zt-sector\""), 1u);
    EXPECT_THAT(whole, HasSubstr("a72 72 0 1 1 0 144"));
    // Nothing to plot draws an empty chart rather than dividing by zero.
    EXPECT_THAT(render(ui::chart({})), HasSubstr("<svg viewBox=\"0 0 300 160\" role=\"img\"></svg>"));
}

TEST_F(HtmlRendererTest, AppearanceIsMarkedOnTheScreenAndStyledForDark) {
    EXPECT_THAT(render(ui::text("x")), HasSubstr("<div class=\"zt-screen\" data-appearance=\"auto\">"));
    EXPECT_THAT(render(ui::text("x"), {.appearance = ui::Appearance::dark}),
                HasSubstr("data-appearance=\"dark\""));
    EXPECT_THAT(render(ui::text("x"), {.appearance = ui::Appearance::light}),
                HasSubstr("data-appearance=\"light\""));
    const std::string css(HtmlRenderer::stylesheet());
    EXPECT_THAT(css, HasSubstr(".zt-screen[data-appearance=\"dark\"]"));
    EXPECT_THAT(css, HasSubstr("@media (prefers-color-scheme: dark)"));
}

TEST_F(HtmlRendererTest, SymbolsWithoutAnIconGetANeutralGlyphNamedAfterThem) {
    const HtmlRenderer::Options icons{.icon = [](std::string_view symbol) {
        return symbol == "star.fill" ? std::string("<svg><path d=\"M0 0\"/></svg>") : std::string{};
    }};
    const std::string html =
        render(ui::hstack({ui::label("Fav", "star.fill"), ui::label("New", "sparkles.x")}), icons);
    EXPECT_THAT(
        html, HasSubstr("<span class=\"zt-icon\" aria-hidden=\"true\"><svg><path d=\"M0 0\"/></svg></span>"));
    EXPECT_THAT(html, HasSubstr("<span class=\"zt-icon zt-icon-missing\" title=\"sparkles.x\""));
    // An emoji needs no icon: it is drawn as it is.
    EXPECT_THAT(render(ui::label("Beach", "🏖️"), icons),
                HasSubstr("<span class=\"zt-icon zt-emoji\" aria-hidden=\"true\">🏖️</span>"));
}

TEST_F(HtmlRendererTest, DateInputsShowTheWallClockOfTheTimeZone) {
    const auto berlin = Calendar("Europe/Berlin");
    // 2025-03-30 00:30 UTC is 01:30 in Berlin, half an hour before the clocks go forward.
    const Date date = test::at(2025, 3, 30, 1, 30);
    EXPECT_EQ(HtmlRenderer::dateInputValue(date, ui::DatePickerComponents::date, berlin), "2025-03-30");
    EXPECT_EQ(HtmlRenderer::dateInputValue(date, ui::DatePickerComponents::dateAndTime, berlin),
              "2025-03-30T01:30");
    EXPECT_EQ(HtmlRenderer::dateInputValue(date, ui::DatePickerComponents::hourAndMinute, berlin), "01:30");
    EXPECT_EQ(
        HtmlRenderer::dateInputValue(date, ui::DatePickerComponents::date, Calendar("America/New_York")),
        "2025-03-29");

    // A new day keeps the time of day; a new time keeps the day.
    EXPECT_EQ(HtmlRenderer::parseDateInput("2025-04-02", ui::DatePickerComponents::date, date, berlin),
              test::at(2025, 4, 2, 1, 30));
    EXPECT_EQ(HtmlRenderer::parseDateInput("18:05", ui::DatePickerComponents::hourAndMinute, date, berlin),
              test::at(2025, 3, 30, 18, 5));
    EXPECT_EQ(HtmlRenderer::parseDateInput("2025-10-26T02:30:00", ui::DatePickerComponents::dateAndTime, date,
                                           berlin),
              test::at(2025, 10, 26, 2, 30));
    // 02:30 does not exist on the day the clocks go forward; malformed values are refused.
    EXPECT_EQ(
        HtmlRenderer::parseDateInput("2025-03-30T02:30", ui::DatePickerComponents::dateAndTime, date, berlin),
        std::nullopt);
    for (const char* bad :
         {"", "2025-3-30", "2025-13-01", "2025-02-30", "2025-03-30T", "x025-03-30", "2025-03-30 "})
        EXPECT_EQ(HtmlRenderer::parseDateInput(bad, ui::DatePickerComponents::date, date, berlin),
                  std::nullopt)
            << bad;
    EXPECT_EQ(HtmlRenderer::parseDateInput("25:00", ui::DatePickerComponents::hourAndMinute, date, berlin),
              std::nullopt);
}

TEST_F(HtmlRendererTest, DatePickerCarriesItsRange) {
    const Date start = test::at(2025, 5, 1, 0, 0);
    const auto tree = ui::datePicker("Opening Date", start, {}, start, test::at(2025, 5, 31, 0, 0));
    const std::string html = render(tree);
    EXPECT_THAT(html, HasSubstr("type=\"date\" value=\"2025-05-01\" min=\"2025-05-01\" max=\"2025-05-31\""));
    EXPECT_THAT(html, HasSubstr("data-act=\"pick\""));
}
