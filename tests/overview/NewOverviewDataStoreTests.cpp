#include "ZTSwiftUIComponents/overview/NewOverviewDataStore.h"
#include "mocks/MockDailyLimitCalculator.h"
#include "mocks/MockDailyLimitStorage.h"
#include "platform/Calendar.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

/// A database whose answers are labelled with the load they belong to. A test names the label and
/// the delays of the next reload before starting it; the later steps of a reload learn their label
/// from the completion that triggers them, since the store asks for them from inside it.
class ScriptedDatabase final : public OverviewDatabase {
public:
    struct Script {
        std::string tag;
        double firstGroupDelay = 0; // the four first fetches arrive in a scrambled order after this
        double overviewDelay = 0;
        double todayDelay = 0;
        bool emptyOverview = false;
    };

    std::vector<std::string> calls;
    std::vector<std::string> delivered; // "<tag>:<step>" in delivery order
    std::map<std::string, std::set<std::string>> todayIds, dailyLimitIds;
    std::map<std::string, std::vector<std::string>> dailyLimitTransactionIds;
    int netWorthCalculations = 0;

    void script(Script s) {
        next_ = s.tag;
        scripts_[s.tag] = std::move(s);
    }

    double netWorth() const override { return 0; }
    std::set<std::string> syncingAccountIds() const override { return {}; }
    std::vector<Shortcut> shortcuts() const override { return shortcuts_; }
    std::vector<UpcomingBill> bills() const override { return {}; }
    int visibleAccountsInAccountCard() const override { return 5; }
    void setVisibleAccountsInAccountCard(int) override {}
    int visibleShortcutsInShortcutCard() const override { return 4; }
    void setVisibleShortcutsInShortcutCard(int) override {}
    int transactionsNeedingReviewCount() const override { return 0; }
    void calculateNetWorth() override {
        calls.push_back("calculateNetWorth:" + current_);
        ++netWorthCalculations;
    }
    void fetchGoals(Completion<std::vector<WidgetGoal>> c) override {
        const auto& s = first("fetchGoals");
        WidgetGoal goal;
        goal.id = s.tag;
        later(s.tag, "goals", s.firstGroupDelay + 0.3, [c, goal] { c({goal}); });
    }
    void fetchAccounts(Completion<std::vector<WidgetAccount>> c) override {
        const auto& s = first("fetchAccounts");
        std::vector<WidgetAccount> accounts{WidgetAccount(s.tag + "-1", "One", 1, AccountType::checking),
                                            WidgetAccount(s.tag + "-2", "Two", 2, AccountType::savings)};
        later(s.tag, "accounts", s.firstGroupDelay + 0.1, [c, accounts] { c(accounts); });
    }
    void reloadSummaryCardItems(Completion<SummaryCardItems> c) override {
        const auto& s = first("reloadSummaryCardItems");
        SummaryCardItem item;
        item.title = s.tag;
        SummaryCardItems items{{SummaryCardItemType::month, item}};
        later(s.tag, "summaries", s.firstGroupDelay + 0.2, [c, items] { c(items); });
    }
    void fetchTopCategories(Completion<std::vector<TopCategory>> c) override {
        const auto& s = first("fetchTopCategories");
        later(s.tag, "topCategories", s.firstGroupDelay, [c, tag = s.tag] { c({TopCategory{tag, 1, {}}}); });
    }
    void fetchAccountsInOverview(Completion<std::vector<WidgetAccount>> c) override {
        const auto& s = scripts_.at(current_);
        calls.push_back("fetchAccountsInOverview:" + s.tag);
        std::vector<WidgetAccount> accounts;
        if (!s.emptyOverview)
            accounts.push_back(WidgetAccount(s.tag + "-1", "One", 1, AccountType::checking));
        later(s.tag, "overview", s.overviewDelay, [c, accounts] { c(accounts); });
    }
    ReportTransactionList fetchTransactions() override { return {}; }
    void fetchTodayTransactions(const std::set<std::string>& ids,
                                Completion<ReportTransactionList> c) override {
        const auto& s = scripts_.at(current_);
        calls.push_back("fetchTodayTransactions:" + s.tag);
        todayIds[s.tag] = ids;
        auto t = std::make_shared<ReportTransaction>(
            s.tag + "-tx", 10, std::nullopt, std::nullopt, "Food", "fork", "cat", std::nullopt, std::nullopt,
            true, false, Date{0}, "acc", "One", std::nullopt, std::nullopt, false, false, false);
        later(s.tag, "today", s.todayDelay, [c, t] { c({t}); });
    }
    std::shared_ptr<DailyLimitViewModel>
    makeDailyLimitViewModel(const std::set<std::string>& ids, const ReportTransactionList& today) override {
        calls.push_back("makeDailyLimitViewModel:" + current_);
        dailyLimitIds[current_] = ids;
        for (const auto& t : today)
            dailyLimitTransactionIds[current_].push_back(t->identifier());
        return std::make_shared<DailyLimitViewModel>(
            today, "en_US", std::nullopt, DailyLimitCalculationType::automatic,
            std::make_shared<MockDailyLimitCalculator>(), std::make_shared<MockDailyLimitStorage>(),
            [] { return Date{}; });
    }
    void deleteShortcut(const Shortcut&) override {}
    void toggle(bool, const Shortcut&) override {}

    std::vector<Shortcut> shortcuts_;

private:
    const Script& first(const std::string& name) {
        const auto& s = scripts_.at(next_);
        calls.push_back(name + ":" + s.tag);
        return s;
    }
    // Delivers on the main queue; calls the store makes from inside belong to the same load.
    void later(const std::string& tag, const std::string& step, double delay, std::function<void()> deliver) {
        MainQueue::main().asyncAfter(delay, [this, tag, step, deliver] {
            delivered.push_back(tag + ":" + step);
            const auto outer = std::exchange(current_, tag);
            deliver();
            current_ = outer;
        });
    }

    std::map<std::string, Script> scripts_;
    std::string next_;
    std::string current_;
};

/// The load a published value came from ("" before any load).
struct LoadTags {
    std::string goals, accounts, accountsInOverview, topCategories, summaries, dailyLimit;

    static LoadTags of(const NewOverviewDataStore& s) {
        LoadTags t;
        t.goals = s.goals().empty() ? "" : s.goals()[0].id;
        t.accounts = s.accounts().empty() ? "" : s.accounts()[0].id.substr(0, 1);
        t.accountsInOverview =
            s.accountsInOverview().empty() ? "" : s.accountsInOverview()[0].id.substr(0, 1);
        t.topCategories = s.topCategories().empty() ? "" : s.topCategories()[0].name;
        t.summaries = s.summaryCardItems().empty() ? "" : s.summaryCardItems().begin()->second.title;
        const auto& vm = s.dailyLimitViewModel();
        t.dailyLimit = vm && !vm->items().empty() ? vm->items()[0]->identifier().substr(0, 1) : "";
        return t;
    }
    /// In publishing order.
    std::vector<std::string> inOrder() const {
        return {goals, accounts, accountsInOverview, topCategories, summaries, dailyLimit};
    }
};

class NewOverviewDataStoreTest : public ::testing::Test {
protected:
    std::shared_ptr<ManualMainQueue> queue = std::make_shared<ManualMainQueue>();
    Environment::Override environment{{.locale = "en_US",
                                       .timeZone = "Europe/Berlin",
                                       .now = Date::fromUnixSeconds(1736942400), // 2025-01-15 12:00 UTC
                                       .mainQueue = queue,
                                       .userDefaults = std::make_shared<InMemoryUserDefaults>()}};
    Calendar calendar{"Europe/Berlin"};
    ConsoleCapture console;
    std::shared_ptr<ScriptedDatabase> db = std::make_shared<ScriptedDatabase>();

    Date at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) const {
        return *calendar.date(y, mo, d, h, mi, s);
    }
    DateInterval january() const { return {at(2025, 1, 1), at(2025, 1, 31, 23, 59, 59)}; }

    std::shared_ptr<NewOverviewDataStore> makeStore(const std::string& firstTag = "F") {
        db->script({firstTag});
        return NewOverviewDataStore::create(db, {OverviewItemType::dailyLimit, OverviewItemType::accounts},
                                            at(2025, 1, 15, 12), january(), 18,
                                            NumberFormatter::currency("en_US"));
    }
};

} // namespace

// Creation, the period values and the month values.

TEST_F(NewOverviewDataStoreTest, CreationStoresInputsDerivesTextsAndOnlySchedulesTheFirstLoad) {
    const auto store = makeStore();
    EXPECT_TRUE(store->isLoading());
    EXPECT_THAT(store->goals(), IsEmpty());
    EXPECT_THAT(store->summaryCardItems(), IsEmpty());
    EXPECT_EQ(store->dailyLimitViewModel(), nullptr);
    EXPECT_FALSE(store->selection().has_value());
    EXPECT_FALSE(store->highlightCardOnSelection());
    EXPECT_EQ(store->totalNrOverviewCards(), 18);
    EXPECT_EQ(store->currentDate(), at(2025, 1, 15, 12));
    EXPECT_EQ(store->currentPeriod(), january());
    EXPECT_EQ(store->formattedPeriod(), "January 2025");
    EXPECT_EQ(store->currentMonth(), january());
    EXPECT_EQ(store->formattedCurrentMonth(), "January 2025");
    EXPECT_EQ(store->database(), db);
    EXPECT_THAT(store->visibleCards(), ElementsAre(OverviewItemType::dailyLimit, OverviewItemType::accounts));
    // The first load is a task: nothing is asked before the main queue runs.
    EXPECT_THAT(db->calls, IsEmpty());
    EXPECT_TRUE(db->onDataChanged);
    EXPECT_TRUE(db->onSettingsChanged);
}

TEST_F(NewOverviewDataStoreTest, PayDateIsTheDayAfterThePeriodAcrossMonthAndYearEnds) {
    const auto store = makeStore();
    EXPECT_EQ(store->payDate(), at(2025, 2, 1, 23, 59, 59));

    store->setCurrentPeriod({at(2024, 12, 1), at(2024, 12, 31, 23, 59, 59)});
    EXPECT_EQ(store->payDate(), at(2025, 1, 1, 23, 59, 59));
    EXPECT_EQ(store->formattedPeriod(), "December 2024");

    // A leap February.
    store->setCurrentPeriod({at(2024, 2, 1), at(2024, 2, 29, 23, 59, 59)});
    EXPECT_EQ(store->payDate(), at(2024, 3, 1, 23, 59, 59));
}

TEST_F(NewOverviewDataStoreTest, PayDateKeepsTheWallClockTimeAcrossDaylightSavingChanges) {
    const auto store = makeStore();
    // Clocks go forward on 30 March 2025 in Berlin: that day has 23 hours.
    const Date springEnd = at(2025, 3, 29, 23, 59, 59);
    store->setCurrentPeriod({at(2025, 3, 1), springEnd});
    EXPECT_EQ(store->payDate(), at(2025, 3, 30, 23, 59, 59));
    EXPECT_DOUBLE_EQ(store->payDate() - springEnd, 23 * 3600.0);

    // And back on 26 October: 25 hours.
    const Date autumnEnd = at(2025, 10, 25, 23, 59, 59);
    store->setCurrentPeriod({at(2025, 10, 1), autumnEnd});
    EXPECT_EQ(store->payDate(), at(2025, 10, 26, 23, 59, 59));
    EXPECT_DOUBLE_EQ(store->payDate() - autumnEnd, 25 * 3600.0);

    // A period ending at 12:00 on the spring-forward day keeps its hour too.
    store->setCurrentPeriod({at(2025, 3, 1), at(2025, 3, 30, 12)});
    EXPECT_EQ(store->payDate(), at(2025, 3, 31, 12));
}

TEST_F(NewOverviewDataStoreTest, PayDateFallsBackToTheEndOfThePresentMonthWhenNoDayCanBeAdded) {
    const auto store = makeStore();
    store->setCurrentPeriod({at(2025, 3, 1), Date{std::numeric_limits<double>::infinity()}});
    // The environment's now is 15 January 2025.
    EXPECT_EQ(store->payDate(), at(2025, 1, 31, 23, 59, 59));
    EXPECT_EQ(store->formattedPeriod(), "--");
}

TEST_F(NewOverviewDataStoreTest, AssigningTheSamePeriodRecomputesAndRepublishes) {
    const auto store = makeStore();
    std::vector<std::string> events;
    auto s1 = store->currentPeriod.observe([&](const DateInterval&) { events.push_back("period"); });
    auto s2 = store->payDate.observe([&](const Date&) { events.push_back("payDate"); });
    auto s3 = store->formattedPeriod.observe([&](const std::string& t) { events.push_back("text " + t); });

    store->setCurrentPeriod(january());
    EXPECT_THAT(events, ElementsAre("period", "payDate", "text January 2025"));
    EXPECT_EQ(store->payDate(), at(2025, 2, 1, 23, 59, 59));

    events.clear();
    store->setCurrentPeriod({at(2025, 1, 10), at(2025, 2, 9, 23, 59, 59)});
    EXPECT_THAT(events, ElementsAre("period", "payDate", "text Jan 10\u2009–\u2009Feb 9, 2025"));
    EXPECT_EQ(store->payDate(), at(2025, 2, 10, 23, 59, 59));
}

TEST_F(NewOverviewDataStoreTest, UpdateReferenceDateMovesTheMonthNotThePeriodThenReloads) {
    const auto store = makeStore();
    queue->drain();
    db->calls.clear();

    db->script({"M"});
    store->updateReferenceDate(at(2025, 3, 17, 8, 30));
    EXPECT_EQ(store->currentDate(), at(2025, 3, 17, 8, 30));
    EXPECT_EQ(store->currentMonth(), (DateInterval{at(2025, 3, 1), at(2025, 3, 31, 23, 59, 59)}));
    EXPECT_EQ(store->formattedCurrentMonth(), "March 2025");
    EXPECT_EQ(store->currentPeriod(), january());
    EXPECT_EQ(store->payDate(), at(2025, 2, 1, 23, 59, 59));
    EXPECT_EQ(store->formattedPeriod(), "January 2025");

    EXPECT_THAT(db->calls, IsEmpty()); // the reload is a task of its own
    queue->drain();
    EXPECT_EQ(LoadTags::of(*store).goals, "M");
}

// Loading.

TEST_F(NewOverviewDataStoreTest, ReloadJoinsTheFirstFetchesThenRunsTheStepsInOrder) {
    const auto store = makeStore("F");
    db->script({.tag = "F", .firstGroupDelay = 1, .overviewDelay = 1, .todayDelay = 1});
    std::vector<std::string> published;
    std::vector<std::size_t> consoleLinesSeen;
    const auto note = [&](const std::string& name) {
        published.push_back(name);
        consoleLinesSeen.push_back(console.lines().size());
        // Everything this load fetched had arrived before the first value was published.
        EXPECT_EQ(db->delivered.size(), 6u) << name;
    };
    auto s1 = store->goals.observe([&](const auto&) { note("goals"); });
    auto s2 = store->accounts.observe([&](const auto&) { note("accounts"); });
    auto s3 = store->accountsInOverview.observe([&](const auto&) { note("accountsInOverview"); });
    auto s4 = store->topCategories.observe([&](const auto&) { note("topCategories"); });
    auto s5 = store->summaryCardItems.observe([&](const auto&) { note("summaryCardItems"); });
    auto s6 = store->dailyLimitViewModel.observe([&](const auto&) { note("dailyLimitViewModel"); });

    queue->runUntilIdle();
    // All four first fetches are asked for at once.
    EXPECT_THAT(db->calls, UnorderedElementsAre("fetchGoals:F", "fetchAccounts:F", "reloadSummaryCardItems:F",
                                                "fetchTopCategories:F"));
    queue->advance(1.25); // three of the four have arrived
    EXPECT_EQ(db->calls.size(), 4u);
    EXPECT_THAT(published, IsEmpty());
    queue->drain();

    EXPECT_THAT(std::vector(db->calls.begin() + 4, db->calls.end()),
                ElementsAre("fetchAccountsInOverview:F", "calculateNetWorth:F", "fetchTodayTransactions:F",
                            "makeDailyLimitViewModel:F"));
    EXPECT_THAT(published, ElementsAre("goals", "accounts", "accountsInOverview", "topCategories",
                                       "summaryCardItems", "dailyLimitViewModel"));
    // The diagnostic line comes between goals and accounts and counts all fetched accounts.
    EXPECT_THAT(consoleLinesSeen, ElementsAre(0u, 1u, 1u, 1u, 1u, 1u));
    EXPECT_THAT(console.lines(), ElementsAre("Accounts inside NewOverviewDataStore reload(database:) = 2"));

    EXPECT_THAT(db->todayIds["F"], ElementsAre("F-1"));
    EXPECT_THAT(db->dailyLimitIds["F"], ElementsAre("F-1"));
    EXPECT_THAT(db->dailyLimitTransactionIds["F"], ElementsAre("F-tx"));
    EXPECT_EQ(store->accounts().size(), 2u);
    EXPECT_EQ(store->dailyLimitViewModel()->items()[0]->identifier(), "F-tx");
}

TEST_F(NewOverviewDataStoreTest, NoOverviewAccountsStillAsksWithAnEmptyIdSet) {
    const auto store = makeStore();
    db->script({.tag = "E", .emptyOverview = true});
    queue->drain();
    EXPECT_TRUE(db->todayIds.count("E"));
    EXPECT_THAT(db->todayIds["E"], IsEmpty());
    EXPECT_TRUE(db->dailyLimitIds.count("E"));
    EXPECT_THAT(db->dailyLimitIds["E"], IsEmpty());
    EXPECT_THAT(store->accountsInOverview(), IsEmpty());
    EXPECT_NE(store->dailyLimitViewModel(), nullptr);
}

TEST_F(NewOverviewDataStoreTest, OnlyTheFirstLoadClearsIsLoading) {
    const auto store = makeStore();
    std::vector<bool> values;
    auto sub = store->isLoading.observe([&](bool v) { values.push_back(v); });
    queue->drain();
    EXPECT_FALSE(store->isLoading());
    EXPECT_THAT(values, ElementsAre(false));

    db->script({"R"});
    db->onDataChanged();
    store->reload(db);
    queue->drain();
    EXPECT_EQ(LoadTags::of(*store).goals, "R");
    EXPECT_THAT(values, ElementsAre(false)); // never touched again
}

TEST_F(NewOverviewDataStoreTest, ReloadCompletionRunsAfterPublishing) {
    const auto store = makeStore();
    queue->drain();
    db->script({"C"});
    std::string seen;
    int completions = 0;
    store->reload(db, [&] {
        ++completions;
        seen = LoadTags::of(*store).dailyLimit;
    });
    EXPECT_EQ(completions, 0);
    queue->drain();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(seen, "C");
}

TEST_F(NewOverviewDataStoreTest, OnDataChangedReloadsFromTheDatabaseGivenAtCreationEvenAfterReplacingIt) {
    const auto store = makeStore();
    queue->drain();
    auto replacement = std::make_shared<ScriptedDatabase>();
    store->database.set(replacement);
    EXPECT_FALSE(replacement->onDataChanged); // the callbacks are not moved

    db->script({"D"});
    db->onDataChanged();
    EXPECT_EQ(LoadTags::of(*store).goals, "F"); // a task, not a synchronous reload
    queue->drain();
    EXPECT_EQ(LoadTags::of(*store).goals, "D");
    EXPECT_THAT(replacement->calls, IsEmpty());

    // A new formatter reloads from the database held at that moment.
    replacement->script({"N"});
    store->update(NumberFormatter::currency("de_DE"));
    EXPECT_EQ(store->formatter().localeIdentifier(), "de_DE");
    queue->drain();
    EXPECT_EQ(LoadTags::of(*store).goals, "N");
    EXPECT_EQ(replacement->netWorthCalculations, 1);
}

TEST_F(NewOverviewDataStoreTest, OnSettingsChangedSetsThePeriodBeforeTheFollowingReloadPublishes) {
    const auto store = makeStore();
    queue->drain();
    const DateInterval february{at(2025, 2, 1), at(2025, 2, 28, 23, 59, 59)};
    std::vector<std::string> seenAtPublish;
    auto sub = store->goals.observe([&](const auto&) {
        seenAtPublish.push_back(store->formattedPeriod());
        EXPECT_EQ(store->currentPeriod(), february);
        EXPECT_EQ(store->payDate(), at(2025, 3, 1, 23, 59, 59));
    });

    db->script({"S", 1, 1, 1});
    db->onSettingsChanged(february);
    EXPECT_EQ(store->currentPeriod(), january()); // not before the task runs
    queue->runUntilIdle();
    EXPECT_EQ(store->currentPeriod(), february);
    EXPECT_EQ(store->formattedPeriod(), "February 2025");
    EXPECT_THAT(seenAtPublish, IsEmpty());
    queue->drain();
    EXPECT_THAT(seenAtPublish, ElementsAre("February 2025"));
    // The month follows the reference date only.
    EXPECT_EQ(store->currentMonth(), january());
}

TEST_F(NewOverviewDataStoreTest, OverlappingReloadsTheLastToFinishWinsAndNoObserverSeesAMixture) {
    const auto store = makeStore();
    queue->drain();
    db->delivered.clear();

    std::vector<LoadTags> snapshots;
    std::vector<std::string> notified;
    const auto check = [&](std::size_t position, const std::string& name) {
        const auto tags = LoadTags::of(*store);
        snapshots.push_back(tags);
        notified.push_back(name);
        // The values published so far in this round share one load, those still to come share the
        // previous one: two loads never interleave.
        const auto order = tags.inOrder();
        for (std::size_t i = 1; i <= position; ++i)
            EXPECT_EQ(order[i], order[0]) << name;
        for (std::size_t i = position + 2; i < order.size(); ++i)
            EXPECT_EQ(order[i], order[position + 1]) << name;
    };
    auto s1 = store->goals.observe([&](const auto&) { check(0, "goals"); });
    auto s2 = store->accounts.observe([&](const auto&) { check(1, "accounts"); });
    auto s3 = store->accountsInOverview.observe([&](const auto&) { check(2, "accountsInOverview"); });
    auto s4 = store->topCategories.observe([&](const auto&) { check(3, "topCategories"); });
    auto s5 = store->summaryCardItems.observe([&](const auto&) { check(4, "summaryCardItems"); });
    auto s6 = store->dailyLimitViewModel.observe([&](const auto&) { check(5, "dailyLimitViewModel"); });

    // A starts first and finishes last; their steps interleave in time.
    db->script({"A", 0.5, 4, 4});
    store->reload(db);
    db->script({"B", 1, 1, 1});
    store->reload(db);
    queue->drain();

    EXPECT_THAT(db->delivered, ElementsAre("A:topCategories", "A:accounts", "A:summaries", "A:goals",
                                           "B:topCategories", "B:accounts", "B:summaries", "B:goals",
                                           "B:overview", "B:today", "A:overview", "A:today"));
    ASSERT_EQ(snapshots.size(), 12u);
    EXPECT_EQ(snapshots[5].inOrder(), std::vector<std::string>(6, "B"));
    EXPECT_EQ(snapshots[11].inOrder(), std::vector<std::string>(6, "A"));
    EXPECT_EQ(LoadTags::of(*store).inOrder(), std::vector<std::string>(6, "A"));
    // Each load used its own intermediate results.
    EXPECT_THAT(db->todayIds["A"], ElementsAre("A-1"));
    EXPECT_THAT(db->dailyLimitIds["B"], ElementsAre("B-1"));
    EXPECT_THAT(db->dailyLimitTransactionIds["A"], ElementsAre("A-tx"));
}

TEST_F(NewOverviewDataStoreTest, ADestroyedStoreIsNotKeptAliveAndItsPendingReloadFinishesHarmlessly) {
    auto store = makeStore();
    queue->drain();
    db->script({"P", 1, 1, 1});
    int completions = 0;
    store->reload(db, [&] { ++completions; });
    queue->advance(1.5); // the first group has arrived; the overview accounts are on their way
    EXPECT_EQ(db->calls.back(), "fetchAccountsInOverview:P");

    std::weak_ptr<NewOverviewDataStore> weak = store;
    store.reset();
    EXPECT_TRUE(weak.expired()); // neither the database, its callbacks nor the pending load hold it

    const auto callsBefore = db->calls.size();
    queue->drain();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(db->calls.size(), callsBefore); // no further step ran
    EXPECT_THAT(console.lines(), ElementsAre("Accounts inside NewOverviewDataStore reload(database:) = 2"));

    // Callbacks after that do nothing and schedule nothing.
    db->onDataChanged();
    db->onSettingsChanged(january());
    EXPECT_TRUE(queue->isIdle());
    EXPECT_EQ(db->calls.size(), callsBefore);
}

TEST_F(NewOverviewDataStoreTest, AStoreDestroyedBeforeItsFirstLoadStartsAsksNothing) {
    auto store = makeStore();
    store.reset();
    queue->drain();
    EXPECT_THAT(db->calls, IsEmpty());
}

// Derived values and the remaining operations.

TEST_F(NewOverviewDataStoreTest, OnlineAccountsKeepTheOrderOfAccounts) {
    const auto store = makeStore();
    EXPECT_THAT(store->onlineAccounts(), IsEmpty());
    std::vector<WidgetAccount> accounts{WidgetAccount("a", "A", 1, AccountType::checking),
                                        WidgetAccount("b", "B", 1, AccountType::checking),
                                        WidgetAccount("c", "C", 1, AccountType::checking)};
    store->accounts.set(accounts);
    EXPECT_THAT(store->onlineAccounts(), IsEmpty());
    accounts[2].isOnlineBanking = true;
    accounts[0].isOnlineBanking = true;
    store->accounts.set(accounts);
    const auto online = store->onlineAccounts();
    ASSERT_EQ(online.size(), 2u);
    EXPECT_EQ(online[0].id, "a");
    EXPECT_EQ(online[1].id, "c");
}

TEST_F(NewOverviewDataStoreTest, VisibleCardsAndShortcutsDoNotReload) {
    const auto store = makeStore();
    queue->drain();
    db->calls.clear();
    store->update(std::vector<OverviewItemType>{OverviewItemType::goals});
    EXPECT_THAT(store->visibleCards(), ElementsAre(OverviewItemType::goals));

    EXPECT_THAT(store->shortcuts(), IsEmpty());
    Shortcut coffee;
    coffee.id = "coffee";
    db->shortcuts_.push_back(coffee);
    ASSERT_EQ(store->shortcuts().size(), 1u); // read from the database on every access
    EXPECT_EQ(store->shortcuts()[0].id, "coffee");

    queue->drain();
    EXPECT_THAT(db->calls, IsEmpty());
}
