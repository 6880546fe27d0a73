#include "ZTSwiftUIComponents/overview/AccountsCardView.h"
#include "ZTSwiftUIComponents/overview/DaysUntilCardView.h"
#include "ZTSwiftUIComponents/overview/RemainingForPeriodCardView.h"
#include "ZTSwiftUIComponents/overview/ReusableSummaryCardView.h"
#include "ZTSwiftUIComponents/overview/ReviewTransactionsScreen.h"
#include "ZTSwiftUIComponents/overview/ShortcutsCardView.h"
#include "ZTSwiftUIComponents/overview/TopCategoriesCardView.h"
#include "ZTSwiftUIComponents/overview/UpcomingBillsCardView.h"
#include "ZTSwiftUIComponents/overview/UpcomingBillsScreen.h"
#include "platform/Calendar.h"
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

class OverviewCardsTest : public ::testing::Test {
protected:
    test::PinnedEnvironment pinned{{.now = at(2025, 5, 10, 14)}};
    NumberFormatter usd = NumberFormatter::currency("en_US", "USD");

    static Date at(int y, int m, int d, int h = 12) { return test::at(y, m, d, h); }
    static UpcomingBill bill(std::string id, int day, double amount) {
        return UpcomingBill{id,          "Bill " + id, amount,     at(2025, 5, day, 9),
                            "Utilities", "bolt",       "Checking", {}};
    }
    static std::vector<std::string> optionTitles(const ui::View& body, const std::string& id) {
        std::vector<std::string> out;
        for (const auto& o : ui::findAs<ui::Picker>(body, ui::byId(id)).options)
            out.push_back(o.title);
        return out;
    }
};

} // namespace

TEST_F(OverviewCardsTest, PaydayCountsCalendarDaysAndBoundsTheRing) {
    const Date now = at(2025, 5, 10, 23);
    const auto card = [&](Date payDate) { return DaysUntilCardView(payDate, now); };
    EXPECT_EQ(card(at(2025, 5, 10, 1)).days(), 0);
    EXPECT_EQ(card(at(2025, 5, 10, 1)).unit(), "TODAY");
    EXPECT_EQ(card(at(2025, 5, 10, 1)).ringValue(), 1.0);
    EXPECT_EQ(card(at(2025, 4, 2)).days(), 0); // in the past
    EXPECT_EQ(card(at(2025, 4, 2)).ringValue(), 1.0);
    EXPECT_EQ(card(at(2025, 5, 11, 0)).days(), 1); // one hour away is still tomorrow
    EXPECT_EQ(card(at(2025, 5, 11, 0)).unit(), "DAY");
    EXPECT_DOUBLE_EQ(card(at(2025, 5, 11)).ringValue(), 0.9);
    EXPECT_DOUBLE_EQ(card(at(2025, 5, 12)).ringValue(), 0.85); // cap
    EXPECT_NEAR(card(at(2025, 5, 30)).ringValue(), 1 - 20 / 30.0, 1e-12);
    EXPECT_DOUBLE_EQ(card(at(2025, 6, 19)).ringValue(), 0.05); // floor
    EXPECT_EQ(card(at(2025, 6, 19)).unit(), "DAYS");

    // The day the clocks go forward has 23 hours and still counts as one day.
    EXPECT_EQ(DaysUntilCardView(at(2025, 3, 31, 0), at(2025, 3, 29, 23)).days(), 2);
    EXPECT_EQ(DaysUntilCardView(at(2025, 10, 27, 0), at(2025, 10, 25, 23)).days(), 2);
}

TEST_F(OverviewCardsTest, PaydayMessageBandsAndTheCardTexts) {
    EXPECT_EQ(DaysUntilCardView::message(0), "Payday is today! Time to update your budget.");
    EXPECT_EQ(DaysUntilCardView::message(1),
              "Payday is tomorrow! Your next paycheck is just around the corner.");
    for (int d : {2, 3})
        EXPECT_EQ(DaysUntilCardView::message(d),
                  "Almost there! Your next paycheck is just around the corner.");
    for (int d : {4, 7})
        EXPECT_EQ(DaysUntilCardView::message(d), "Less than a week until your next paycheck arrives.");
    EXPECT_EQ(DaysUntilCardView::message(8), "Keep tracking your expenses to stay on budget until payday.");

    const auto body = DaysUntilCardView(at(2025, 6, 1)).body();
    EXPECT_EQ(ui::find(body, ui::byId("days")).as<ui::Text>()->content, "22");
    EXPECT_TRUE(ui::exists(body, "01 June"));
    EXPECT_TRUE(ui::exists(body, "Days Until Next Salary"));

    const Environment::Override german({.locale = "de_DE"});
    const auto de = DaysUntilCardView(at(2025, 6, 1)).body();
    EXPECT_TRUE(ui::exists(de, "01 Juni"));
    EXPECT_TRUE(ui::exists(de, "TAGE"));
}

TEST_F(OverviewCardsTest, TopCategoriesFoldTheRestIntoOther) {
    const Color c{0.1, 0.2, 0.3};
    const TopCategoriesCardView four({{"D", 20, c}, {"B", 40, c}, {"A", 50, c}, {"C", 30, c}}, "May 2025",
                                     usd);
    ASSERT_EQ(four.rows().size(), 3u);
    EXPECT_EQ(four.rows()[0].name, "A");
    EXPECT_EQ(four.rows()[1].name, "B");
    EXPECT_TRUE(four.rows()[2].isOther);
    EXPECT_EQ(four.rows()[2].amount, 50);
    EXPECT_EQ(four.total(), 140);
    const auto body = four.body();
    EXPECT_TRUE(ui::exists(body, "Other"));
    EXPECT_EQ(ui::findAll(body, "$50.00").size(), 2u);
    EXPECT_EQ(ui::findAll(body, "36%").size(), 2u); // 50 of 140
    EXPECT_TRUE(ui::exists(body, "29%"));
    EXPECT_EQ(ui::findAs<ui::Chart>(body, ui::byId("chart")).marks.size(), 3u);

    const TopCategoriesCardView two({{"A", 10, c}, {"B", 30, c}}, "May 2025", usd);
    EXPECT_EQ(two.rows().size(), 2u);
    EXPECT_EQ(two.rows()[0].name, "B");
    EXPECT_FALSE(ui::exists(two.body(), "Other"));

    const TopCategoriesCardView zero({{"A", 0, c}}, "May 2025", usd);
    EXPECT_EQ(zero.rows()[0].share, 0); // no division by a zero total

    EXPECT_TRUE(
        ui::exists(TopCategoriesCardView({}, "May 2025", usd).body(), "Not enough transactions yet."));
}

TEST_F(OverviewCardsTest, UpcomingBillsCardShowsThreeAndCountsTheOthers) {
    const UpcomingBillsCardView three({bill("a", 21, 10), bill("b", 3, 20), bill("c", 12, 30)}, "May 2025",
                                      usd);
    EXPECT_EQ(three.visibleBills().size(), 3u);
    EXPECT_EQ(three.visibleBills()[0].id, "b"); // due order
    EXPECT_FALSE(ui::exists(three.body(), ui::byId("otherBills")));

    const UpcomingBillsCardView five(
        {bill("a", 21, 10), bill("b", 3, 20), bill("c", 12, 30), bill("d", 1, 5), bill("e", 30, 7)},
        "May 2025", usd);
    ASSERT_EQ(five.visibleBills().size(), 3u);
    EXPECT_EQ(five.visibleBills()[0].id, "d");
    EXPECT_EQ(five.visibleBills()[2].id, "c");
    EXPECT_EQ(five.otherBillsCount(), 2u);
    EXPECT_EQ(five.ordinalDays().size(), 3u);
    EXPECT_EQ(five.ordinalDays().at("b"), "3rd");
    const auto body = five.body();
    EXPECT_EQ(ui::find(body, ui::byId("otherBills")).as<ui::Text>()->content, "Other Bills: 2");
    EXPECT_FALSE(ui::exists(body, ui::byId("e")));

    EXPECT_TRUE(ui::exists(UpcomingBillsCardView({}, "", usd).body(), "You don't have any upcoming bills."));

    // The days were worked out when the card was made, not when it is drawn.
    const Environment::Override german({.locale = "de_DE"});
    EXPECT_TRUE(ui::exists(five.body(), "1st"));
    EXPECT_EQ(UpcomingBillsCardView({bill("a", 1, 1)}, "", usd).ordinalDays().at("a"), "1.");
}

TEST_F(OverviewCardsTest, BillsScreenSplitsAgainstNowAndOpensTheGuide) {
    // Now is 10 May 14:00; a bill due at exactly that instant counts as paid.
    UpcomingBill due = bill("now", 10, 4);
    due.date = at(2025, 5, 10, 14);
    UpcomingBillsScreen screen({bill("late", 28, 100), bill("early", 2, 30), due, bill("x", 11, 50)}, usd);
    EXPECT_THAT(screen.paid(), ElementsAre(::testing::Field(&UpcomingBill::id, "early"),
                                           ::testing::Field(&UpcomingBill::id, "now")));
    EXPECT_EQ(screen.upcoming().size(), 2u);
    EXPECT_EQ(screen.upcomingTotal(), 150);
    EXPECT_EQ(screen.paidTotal(), 34);
    EXPECT_EQ(screen.grandTotal(), 184);
    const auto body = screen.body();
    EXPECT_EQ(ui::find(body, ui::byId("upcomingTotal")).as<ui::Text>()->content, "$150.00");
    EXPECT_EQ(ui::find(body, ui::byId("grandTotal")).as<ui::Text>()->content, "$184.00");
    EXPECT_TRUE(ui::exists(body, "Showing upcoming bills for all accounts"));

    std::vector<std::string> opened;
    screen.onOpenGuide = [&](const std::string& path) { opened.push_back(path); };
    ui::press(body, "Learn More");
    EXPECT_TRUE(screen.isHelpPresented());
    ui::press(screen.body(), ui::byId("openGuide"));
    EXPECT_THAT(opened, ElementsAre("/guides/how-to-add-a-repeating-transaction-transfer"));
    EXPECT_TRUE(ui::exists(UpcomingBillsScreen({}, usd).body(), "No upcoming bills"));
}

TEST_F(OverviewCardsTest, AccountsCardListsTheFirstAccountsAndBoundsItsChooser) {
    std::vector<WidgetAccount> accounts;
    for (int i = 0; i < 9; ++i)
        accounts.emplace_back("acc" + std::to_string(i), "Account " + std::to_string(i), 10.0 * i,
                              AccountType::checking);
    std::optional<std::string> selected;
    AccountsCardView card;
    card.accounts = accounts;
    card.visibleCount = 2;
    card.syncingAccountIds = {"acc1"};
    card.onSelectAccount = [&](const std::string& id) { selected = id; };
    const auto body = card.body();
    EXPECT_TRUE(ui::exists(body, "Account 1"));
    EXPECT_FALSE(ui::exists(body, "Account 2"));
    EXPECT_EQ(ui::findAll(body, ui::byAccessibilityLabel("Syncing")).size(), 1u);
    EXPECT_TRUE(ui::exists(ui::find(body, ui::byId("acc1")), ui::byAccessibilityLabel("Syncing")));
    ui::press(body, ui::byId("acc1"));
    EXPECT_EQ(selected, "acc1");
    EXPECT_TRUE(ui::exists(AccountsCardView{}.body(), "Finish Setup"));

    EXPECT_EQ(AccountsCardVisibilityPickerView::maximumCount(3), 5);
    EXPECT_EQ(AccountsCardVisibilityPickerView::maximumCount(9), 9);
    EXPECT_EQ(optionTitles(AccountsCardVisibilityPickerView{3, 4, {}}.body(), "visibleAccountsPicker").back(),
              "5");
    int chosen = 0;
    const auto picker = AccountsCardVisibilityPickerView{9, 4, [&](int n) { chosen = n; }}.body();
    EXPECT_EQ(optionTitles(picker, "visibleAccountsPicker").size(), 9u);
    ui::choose(picker, ui::byId("visibleAccountsPicker"), "9");
    EXPECT_EQ(chosen, 9);
}

TEST_F(OverviewCardsTest, ShortcutsCardShowsTheFirstAndMarksDynamicOnes) {
    const auto all = Shortcut::demo(); // coffee (dynamic), groceries, fuel, lunch (dynamic), …
    ShortcutsCardView card;
    card.shortcuts = all;
    card.visibleCount = 3;
    EXPECT_EQ(card.visibleShortcuts().size(), 3u);
    const auto body = card.body();
    EXPECT_TRUE(ui::exists(ui::find(body, ui::byId("shortcut-coffee")), "Dynamic"));
    EXPECT_FALSE(ui::exists(ui::find(body, ui::byId("shortcut-fuel")), "Dynamic"));
    EXPECT_FALSE(ui::exists(body, ui::byId("shortcut-lunch")));
    card.visibleCount = 40;
    EXPECT_EQ(card.visibleShortcuts().size(), all.size());

    int chosen = 0;
    const auto picker = ShortcutsCardVisibilityPickerView{12, [&](int n) { chosen = n; }}.body();
    EXPECT_EQ(optionTitles(picker, "visibleShortcutsPicker").size(), 8u);
    EXPECT_EQ(ui::findAs<ui::Picker>(picker, ui::byId("visibleShortcutsPicker")).selectedOption()->title,
              "8");
    ui::choose(picker, ui::byId("visibleShortcutsPicker"), "2");
    EXPECT_EQ(chosen, 2);
}

TEST_F(OverviewCardsTest, RemainingForPeriodWithoutAnEntrySaysSo) {
    EXPECT_TRUE(
        ui::exists(RemainingForPeriodCardView(std::nullopt, "May").body(), "no data for remainingForPeriod"));
    const SummaryCardItem item{"t", "p", "$1", "$2", "50%", 0.4, Color{0, 1, 0}, "$12.00"};
    const auto body = RemainingForPeriodCardView(item, "May 2025").body();
    EXPECT_TRUE(ui::exists(body, "$12.00") && ui::exists(body, "May 2025"));
    EXPECT_EQ(ui::findAs<ui::ProgressBar>(body, ui::byId("progress")).color, ui::Color(0, 1, 0));
}

TEST_F(OverviewCardsTest, SummaryColumnsArePluralBesideEachOtherInGerman) {
    const ReusableSummaryCardView card{{"Monat", "Mai", "$1", "$2", "50%", 0.4, Color{}, "$1"}};
    EXPECT_TRUE(ui::exists(card.body(), "Income") && ui::exists(card.body(), "Expenses"));
    const Environment::Override german({.locale = "de_DE"});
    const auto body = card.body();
    EXPECT_TRUE(ui::exists(body, "Ausgaben"));
    EXPECT_TRUE(ui::exists(body, "Einnahmen"));
    EXPECT_FALSE(ui::exists(body, "Einnahme")); // the transaction type's word stays apart
}

TEST_F(OverviewCardsTest, ReviewMarksFlipOneByOneOrAllAtOnce) {
    const auto tx = [](std::string id) { return test::transaction({.id = id, .amount = 5.0}); };
    ReviewTransactionsScreen screen({tx("a"), tx("b"), tx("c")}, usd, {"b"});
    std::vector<std::string> events;
    screen.onReviewedChanged = [&](const std::string& id, bool on) {
        events.push_back(id + (on ? "+" : "-"));
    };
    auto body = screen.body();
    EXPECT_EQ(ui::findAs<ui::Button>(ui::find(body, ui::byId("b")), ui::byId("mark")).symbol,
              "checkmark.circle.fill");
    EXPECT_EQ(ui::findAs<ui::Button>(ui::find(body, ui::byId("a")), ui::byId("mark")).symbol,
              "questionmark.circle.fill");
    ui::press(ui::find(body, ui::byId("b")), ui::byId("mark"));
    ui::press(screen.body(), "Mark all as reviewed");
    EXPECT_THAT(events, ElementsAre("b-", "a+", "b+", "c+"));
    EXPECT_TRUE(screen.isReviewed("a") && screen.isReviewed("b") && screen.isReviewed("c"));
}
