#include "ZTSwiftUIComponents/host/IconImages.h"
#include "ZTSwiftUIComponents/host/Shortcut.h"
#include "ZTSwiftUIComponents/host/UpcomingBill.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "ZTSwiftUIComponents/host/WidgetBudget.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "ZTSwiftUIComponents/host/WidgetGoal.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"

#include <gtest/gtest.h>
#include <set>
#include <unordered_set>

using namespace zt;

namespace {

constexpr Date demoNow = Date::fromUnixSeconds(1746878400.0); // 2025-05-10 12:00:00 UTC

UpcomingBill bill(std::string id, double amount, Date date) {
    return UpcomingBill{std::move(id), "Bill", amount, date, "", "", "", std::nullopt};
}

} // namespace

TEST(WidgetCategoryDemo, KindsFavouritesAndFreshObjects) {
    const auto all = WidgetCategory::demo();
    const auto income = incomeCategories(all);
    const auto expenses = expenseCategories(all);
    EXPECT_EQ(income.size() + expenses.size(), all.size());
    EXPECT_GE(income.size(), 3u);
    EXPECT_GE(expenses.size(), 6u);
    EXPECT_NE(std::find(all.begin(), all.end(), income.front()), all.end()); // the same objects, not copies

    EXPECT_EQ(WidgetCategory::demoIncome().size(), income.size());
    EXPECT_EQ(WidgetCategory::demoExpenses().size(), expenses.size());
    for (const auto& list : {WidgetCategory::demoIncome(), WidgetCategory::demoExpenses()}) {
        // One favourite per kind, orders 0, 1, 2, … in list order.
        int favourites = 0;
        for (std::size_t i = 0; i < list.size(); ++i) {
            favourites += list[i]->isFavorite ? 1 : 0;
            EXPECT_EQ(list[i]->order, static_cast<int>(i));
        }
        EXPECT_EQ(favourites, 1);
    }
    const bool someWithout =
        std::any_of(all.begin(), all.end(), [](const auto& c) { return !c->subcategories.has_value(); });
    const bool someWith = std::any_of(all.begin(), all.end(), [](const auto& c) {
        return c->subcategories && c->subcategories->size() > 1;
    });
    EXPECT_TRUE(someWithout);
    EXPECT_TRUE(someWith);

    // Each call hands out new objects, so one screen's edits never reach another demo.
    auto again = WidgetCategory::demo();
    again.front()->name = "Changed";
    EXPECT_NE(WidgetCategory::demo().front()->name, "Changed");
    EXPECT_NE(again.front(), all.front());
}

TEST(UpcomingBills, DueOrderTotalAndEquality) {
    const std::vector<UpcomingBill> bills{bill("late", 10, Date{300}), bill("early", 2.5, Date{100}),
                                          bill("tie", 1, Date{300})};
    const auto ordered = upcomingBills(bills);
    ASSERT_EQ(ordered.size(), 3u);
    EXPECT_EQ(ordered[0].id, "early");
    EXPECT_EQ(ordered[1].id, "late"); // equal dates keep their order
    EXPECT_EQ(ordered[2].id, "tie");
    EXPECT_DOUBLE_EQ(total(bills), 13.5);
    EXPECT_DOUBLE_EQ(total(std::vector<UpcomingBill>{}), 0);

    auto copy = bills[0];
    EXPECT_EQ(copy, bills[0]);
    EXPECT_EQ(std::hash<UpcomingBill>{}(copy), std::hash<UpcomingBill>{}(bills[0]));
    copy.amount = 11;
    EXPECT_NE(copy, bills[0]);
}

TEST(UpcomingBills, DemoSpreadsOverTheReferenceMonth) {
    Environment::Override env({.timeZone = "Europe/Berlin"});
    const Calendar calendar("Europe/Berlin");
    const auto may = UpcomingBill::demoBills(demoNow);
    ASSERT_GE(may.size(), 5u);
    std::set<int> days;
    for (const auto& b : may) {
        const auto c = calendar.components(b.date);
        EXPECT_EQ(c.month, 5);
        days.insert(*c.day);
    }
    EXPECT_EQ(days.size(), may.size()); // one bill a day, spread out
    EXPECT_LT(*days.begin(), 10);
    EXPECT_GT(*days.rbegin(), 24);
    EXPECT_EQ(upcomingBills(may), may); // already in due order

    // A bill due on the 31st falls on the last day of a short month.
    const auto february = UpcomingBill::demoBills(*calendar.date(2024, 2, 10));
    EXPECT_EQ(calendar.components(february.back().date).day, 29);
    EXPECT_EQ(calendar.components(february.back().date).month, 2);
}

TEST(WidgetGoal, ProgressAndProgressText) {
    const NumberFormatter usd = NumberFormatter::currency("en_US", "USD");
    WidgetGoal goal{"g", "Trip", 2500, 1850, std::nullopt, "🏖️"};
    EXPECT_DOUBLE_EQ(goal.progress(), 0.74);
    EXPECT_FALSE(goal.isCompleted());
    {
        Environment::Override env({.locale = "en_US"});
        EXPECT_EQ(goal.progressText(usd), "$1,850.00 of $2,500.00");
    }
    {
        Environment::Override env({.locale = "de_DE"});
        EXPECT_EQ(goal.progressText(NumberFormatter::currency("de_DE", "EUR")),
                  "1.850,00\u00A0€ von 2.500,00\u00A0€");
    }
    goal.savedAmount = 3000;
    EXPECT_DOUBLE_EQ(goal.progress(), 1.0); // clamped
    EXPECT_TRUE(goal.isCompleted());
    goal.targetAmount = 0;
    EXPECT_DOUBLE_EQ(goal.progress(), 1.0);

    const auto demo = WidgetGoal::demoGoals(demoNow);
    EXPECT_TRUE(std::any_of(demo.begin(), demo.end(), [](const auto& g) { return g.isCompleted(); }));
    EXPECT_TRUE(std::any_of(demo.begin(), demo.end(), [](const auto& g) { return !g.isCompleted(); }));
}

TEST(WidgetBudget, FiguresAndRemainingDaysText) {
    WidgetBudget budget{"b", "Food", 200, 50, 150, 10, 12, "🛒", {"cat-groceries"}};
    EXPECT_DOUBLE_EQ(budget.progress(), 0.25);
    EXPECT_FALSE(budget.isOverBudget());
    {
        Environment::Override env({.locale = "en_US"});
        EXPECT_EQ(budget.remainingDaysText(), "12 days");
        budget.remainingDays = 1;
        EXPECT_EQ(budget.remainingDaysText(), "1 day");
    }
    {
        Environment::Override env({.locale = "de_DE"});
        budget.remainingDays = 12;
        EXPECT_EQ(budget.remainingDaysText(), "12 Tage"); // the host's word for days
        budget.remainingDays.reset();
        EXPECT_EQ(budget.remainingDaysText(), "");
    }
    budget.spent = 260;
    budget.remaining = -60;
    EXPECT_TRUE(budget.isOverBudget());
    EXPECT_DOUBLE_EQ(budget.progress(), 1.0);
    budget.remaining = 0;
    EXPECT_FALSE(budget.isOverBudget()); // exactly used up is still on budget
    budget.limit = 0;
    EXPECT_DOUBLE_EQ(budget.progress(), 0.0);

    const auto demo = WidgetBudget::demoBudgets();
    EXPECT_TRUE(std::any_of(demo.begin(), demo.end(), [](const auto& b) { return b.isOverBudget(); }));
    for (const auto& b : demo)
        EXPECT_NEAR(b.remaining, b.limit - b.spent, 0.005) << b.id;
    EXPECT_NE(demo[0], demo[1]);
}

TEST(ShortcutDemo, UniqueHashableAndSomeDynamic) {
    const auto demo = Shortcut::demo();
    EXPECT_EQ((std::unordered_set<Shortcut>(demo.begin(), demo.end()).size()), demo.size());
    std::set<std::string> ids;
    for (const auto& s : demo)
        ids.insert(s.id);
    EXPECT_EQ(ids.size(), demo.size());
    EXPECT_TRUE(std::any_of(demo.begin(), demo.end(), [](const auto& s) { return s.isDynamic; }));
    EXPECT_TRUE(std::any_of(demo.begin(), demo.end(), [](const auto& s) { return !s.isDynamic; }));
    auto changed = demo.front();
    changed.isDynamic = !changed.isDynamic;
    EXPECT_NE(changed, demo.front());
}

TEST(DemoImages, EveryDemoIconIsInTheBundledCatalogues) {
    for (const auto& a : WidgetAccount::demo())
        EXPECT_EQ(accountImage(a.iconName), a.iconName);
    EXPECT_EQ(accountImage(WidgetAccount::gbpDemo().iconName), WidgetAccount::gbpDemo().iconName);
    for (const auto& c : WidgetCategory::demo()) {
        EXPECT_EQ(categoryImage(c->imageName), c->imageName);
        for (const auto& s : c->subcategories.value_or(std::vector<std::shared_ptr<WidgetSubcategory>>{}))
            EXPECT_EQ(categoryImage(s->imageName), s->imageName);
    }
    for (const auto& b : UpcomingBill::demoBills(demoNow))
        EXPECT_EQ(categoryImage(b.imageName), b.imageName);
}
