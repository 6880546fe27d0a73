#include "ZTSwiftUIComponents/budgets/BudgetCategoryColors.h"
#include "ZTSwiftUIComponents/budgets/BudgetsStoreConforming.h"
#include "mocks/MockBudgetsStore.h"
#include "support/PinnedEnvironment.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using ::testing::ElementsAre;

namespace {

std::shared_ptr<ReportTransaction> spent(std::string id, Date date, double amount = 10) {
    return std::make_shared<ReportTransaction>(id, amount, std::nullopt, std::nullopt, "Food", "fork.knife",
                                               "food", std::nullopt, std::nullopt, true, false, date, "acc",
                                               "Checking", std::nullopt, std::nullopt, false, false, false);
}

// A store whose transactions are given by the test.
class FixedStore : public BudgetsStoreConforming {
public:
    ReportTransactionList fetched;
    const NumberFormatter& formatter() const override { return formatter_; }
    const std::vector<WidgetBudget>& budgets() const override { return budgets_; }
    void load() override {}
    void remove(const WidgetBudget&) override {}
    ReportTransactionList transactions(const WidgetBudget&, Date, Date) override { return fetched; }
    void save(const NewBudget&) override {}
    std::vector<BudgetCategory> categories() const override { return {}; }

private:
    NumberFormatter formatter_ = NumberFormatter::currency("en_US");
    std::vector<WidgetBudget> budgets_;
};

std::vector<std::string> ids(const ReportTransactionList& transactions) {
    std::vector<std::string> out;
    for (const auto& t : transactions)
        out.push_back(t->identifier());
    return out;
}

// A name whose start hue is the wanted whole degree, from a fixed series of names.
std::string nameWithHueDegrees(int degrees, const std::string& prefix = "Category ") {
    for (int i = 0; i < 100000; ++i) {
        const std::string name = prefix + std::to_string(i);
        if (std::lround(BudgetCategoryColors::startHue(name) * 360) == degrees)
            return name;
    }
    throw std::logic_error("no name found");
}

double hueOf(const BudgetCategoryColors& colors, const std::string& id) {
    // The colours are made at saturation 0.7 and brightness 0.9, so the hue reads back exactly.
    const Color c = colors.categoryColors().at(id);
    const double maximum = std::max({c.red, c.green, c.blue}), minimum = std::min({c.red, c.green, c.blue});
    const double delta = maximum - minimum;
    double h = maximum == c.red     ? std::fmod((c.green - c.blue) / delta, 6.0)
               : maximum == c.green ? (c.blue - c.red) / delta + 2
                                    : (c.red - c.green) / delta + 4;
    h /= 6;
    return h < 0 ? h + 1 : h;
}

class BudgetsStoreTest : public test::PinnedTest {};

} // namespace

TEST_F(BudgetsStoreTest, MonthGroupsFollowTheCurrentCalendarAcrossDaylightSaving) {
    FixedStore store;
    store.fetched = {
        spent("jan-late", test::at(2025, 1, 31, 23, 59)),
        spent("feb-early", test::at(2025, 2, 1, 0, 0)),
        spent("jan-noon", test::at(2025, 1, 31, 12)),
        // Berlin moves its clocks forward on 30 March and back on 26 October.
        spent("mar-after-change", test::at(2025, 3, 31, 23, 30)),
        spent("apr-first-minute", test::at(2025, 4, 1, 0, 0)),
        spent("oct-last", test::at(2025, 10, 31, 23, 59, 59)),
    };
    const auto groups = store.transactionsByMonth({}, Date{}, Date{});
    std::vector<Date> months;
    for (const auto& [start, transactions] : groups)
        months.push_back(start);
    EXPECT_THAT(months, ElementsAre(test::at(2025, 1, 1, 0), test::at(2025, 2, 1, 0), test::at(2025, 3, 1, 0),
                                    test::at(2025, 4, 1, 0), test::at(2025, 10, 1, 0)));
    EXPECT_THAT(ids(groups.at(test::at(2025, 1, 1, 0))), ElementsAre("jan-late", "jan-noon"))
        << "fetched order";
    EXPECT_THAT(ids(groups.at(test::at(2025, 2, 1, 0))), ElementsAre("feb-early"));
    EXPECT_THAT(ids(groups.at(test::at(2025, 3, 1, 0))), ElementsAre("mar-after-change"));

    // The same instants in New York: 23:59 in Berlin is still the afternoon of the 31st there,
    // midnight on 1 February in Berlin is 31 January in New York.
    const Environment::Override newYork({.timeZone = "America/New_York"});
    const auto there = store.transactionsByMonth({}, Date{}, Date{});
    EXPECT_THAT(ids(there.at(test::at(2025, 1, 1, 0, 0, 0, "America/New_York"))),
                ElementsAre("jan-late", "feb-early", "jan-noon"));
}

TEST_F(BudgetsStoreTest, GroupingLeavesOutInstantsWithoutAMonth) {
    const auto groups =
        groupTransactionsByMonth({spent("nan", Date{std::nan("")}), spent("ok", test::at(2025, 5, 1))},
                                 *MonthIndex::forTimeZone(test::testTimeZone), Calendar::current());
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_THAT(ids(groups.begin()->second), ElementsAre("ok"));
}

TEST_F(BudgetsStoreTest, DemoStoreLoadsRemovesEveryEqualBudgetAndSaves) {
    MockBudgetsStore store;
    EXPECT_TRUE(store.budgets().empty());
    int changes = 0;
    const auto subscription = store.objectWillChange.observe([&] { ++changes; });
    store.load();
    ASSERT_EQ(store.budgets().size(), 4u);
    EXPECT_EQ(changes, 1);

    const WidgetBudget groceries = store.budgets()[0];
    NewBudget sameName;
    sameName.name = "Groceries";
    sameName.limit = 1;
    store.save(sameName);
    store.remove(groceries);
    EXPECT_EQ(store.budgets().size(), 4u) << "the other budget of that name stays";
    EXPECT_TRUE(std::none_of(store.budgets().begin(), store.budgets().end(),
                             [&](const WidgetBudget& b) { return b == groceries; }));
    EXPECT_TRUE(store.transactions(groceries, Date{}, Date{1e9}).empty());

    // Saving with an id replaces that budget and keeps what was spent.
    const WidgetBudget eatingOut = store.budgets()[0];
    NewBudget edited;
    edited.id = eatingOut.id;
    edited.name = "Dining";
    edited.emoji = "🍕";
    edited.limit = 200;
    edited.categories.category.id = "cat-restaurants";
    store.save(edited);
    EXPECT_EQ(store.budgets()[0].name, "Dining");
    EXPECT_EQ(store.budgets()[0].spent, eatingOut.spent);
    EXPECT_NEAR(store.budgets()[0].remaining, 200 - eatingOut.spent, 1e-9);
    EXPECT_EQ(store.budgets()[0].emojiAttributed, "🍕");
    EXPECT_EQ(store.budgets().size(), 4u);
}

TEST_F(BudgetsStoreTest, DemoStoreRemovesEveryEqualBudgetAtOnce) {
    const auto demo = WidgetBudget::demoBudgets();
    WidgetBudget sameIdOtherFigures = demo[0];
    sameIdOtherFigures.spent += 1;
    MockBudgetsStore store({demo[0], demo[1], demo[0], sameIdOtherFigures, demo[0]});
    int changes = 0;
    const auto subscription = store.objectWillChange.observe([&] { ++changes; });
    store.remove(demo[0]);
    ASSERT_EQ(store.budgets().size(), 2u);
    EXPECT_EQ(store.budgets()[0], demo[1]);
    EXPECT_EQ(store.budgets()[1], sameIdOtherFigures) << "only equal records go";
    EXPECT_EQ(changes, 1);
}

TEST(BudgetCategoryColorsTest, HashAndStartHueAreStable) {
    // Fixed values: colours must not change from one launch or build to the next.
    EXPECT_EQ(BudgetCategoryColors::stableHash(""), static_cast<std::int64_t>(14695981039346656037ull));
    EXPECT_EQ(BudgetCategoryColors::stableHash("a"), static_cast<std::int64_t>(0xaf63dc4c8601ec8cull));
    EXPECT_GE(BudgetCategoryColors::startHue("Groceries"), 0.0);
    EXPECT_LT(BudgetCategoryColors::startHue("Groceries"), 1.0);
    // A negative hash still gives a hue in range: "a" hashes below zero.
    EXPECT_LT(BudgetCategoryColors::stableHash("a"), 0);
    EXPECT_NEAR(BudgetCategoryColors::startHue("a"),
                std::llabs(BudgetCategoryColors::stableHash("a") % 360) / 360.0, 1e-12);
}

TEST(BudgetCategoryColorsTest, CloseHuesMoveOnInStepsAndWrapAround) {
    BudgetCategoryColors colors;
    const auto zero = nameWithHueDegrees(0), near = nameWithHueDegrees(18); // 0.00 and 0.05
    colors.assignColors({{"a", zero, "", 0, 0, {}}, {"b", near, "", 0, 0, {}}});
    EXPECT_NEAR(hueOf(colors, "a"), 0.0, 1e-9);
    EXPECT_NEAR(hueOf(colors, "b"), 0.14, 1e-9) << "0.05 -> 0.14, at least 0.07 from 0.00";
    EXPECT_EQ(colors.categoryColors().at("a"), BudgetCategoryColors::color(0, 0.7, 0.9));

    BudgetCategoryColors wrapping;
    const auto high = nameWithHueDegrees(342), higher = nameWithHueDegrees(0, "Other "); // 0.95 and 0.00
    wrapping.assignColors({{"x", high, "", 0, 0, {}}, {"y", higher, "", 0, 0, {}}});
    EXPECT_NEAR(hueOf(wrapping, "y"), 0.09, 1e-9) << "0.00 is 0.05 from 0.95 across the wrap";
    EXPECT_NEAR(BudgetCategoryColors::hueDistance(0.95, 0.04), 0.09, 1e-12);

    BudgetCategoryColors again;
    const auto low = nameWithHueDegrees(0, "Low "), wrapped = nameWithHueDegrees(342, "Wrap ");
    // 0.95 conflicts with 0.00 (0.05 apart) and moves to 0.04, which still conflicts, then 0.13.
    again.assignColors({{"l", low, "", 0, 0, {}}, {"w", wrapped, "", 0, 0, {}}});
    EXPECT_NEAR(hueOf(again, "w"), 0.13, 1e-9);
}

TEST(BudgetCategoryColorsTest, KeepsGivenColoursAndStopsAfterTwentySteps) {
    // Hues 26 degrees apart leave no point of the circle 0.07 (25.2 degrees) from all of them.
    std::vector<BudgetCategory> crowd;
    for (int degrees = 0; degrees <= 312; degrees += 26)
        crowd.push_back({"c" + std::to_string(degrees), nameWithHueDegrees(degrees), "", 0, 0, {}});
    crowd.push_back({"last", nameWithHueDegrees(100, "Late "), "", 0, 0, {}});
    BudgetCategoryColors colors;
    int announcements = 0;
    const auto subscription = colors.objectWillChange.observe([&] { ++announcements; });
    colors.assignColors(crowd);
    EXPECT_EQ(announcements, 1);
    for (int degrees = 0; degrees <= 312; degrees += 26)
        EXPECT_NEAR(hueOf(colors, "c" + std::to_string(degrees)), degrees / 360.0, 1e-9);
    double h = 100 / 360.0;
    for (int step = 0; step < 20; ++step)
        h = h + 0.09 - std::floor(h + 0.09);
    EXPECT_NEAR(hueOf(colors, "last"), h, 1e-9) << "the twentieth candidate, conflicting or not";

    // Assigning again, in another order and with a renamed category, changes nothing.
    const auto first = colors.categoryColors();
    std::reverse(crowd.begin(), crowd.end());
    crowd.back().name = "Renamed";
    colors.assignColors(crowd);
    EXPECT_EQ(colors.categoryColors(), first);
    EXPECT_EQ(announcements, 1) << "nothing new, nothing announced";
}

TEST(BudgetCategoryColorsTest, ColoursAreTheHueAtTheFixedSaturationAndBrightness) {
    const Color red = BudgetCategoryColors::color(0, 0.7, 0.9);
    EXPECT_NEAR(red.red, 0.9, 1e-12);
    EXPECT_NEAR(red.green, 0.27, 1e-12);
    EXPECT_NEAR(red.blue, 0.27, 1e-12);
    const Color green = BudgetCategoryColors::color(1.0 / 3, 0.7, 0.9);
    EXPECT_NEAR(green.green, 0.9, 1e-12);
    EXPECT_NEAR(green.red, 0.27, 1e-12);
    EXPECT_NEAR(green.blue, 0.27, 1e-12);
    const Color violet = BudgetCategoryColors::color(0.75, 0.7, 0.9);
    EXPECT_NEAR(violet.blue, 0.9, 1e-12);
    EXPECT_NEAR(violet.red, 0.585, 1e-12);
    EXPECT_EQ(violet.opacity, 1.0);
}
