#include "ZTSwiftUIComponents/overview/NewOverviewDataStore.h"
#include "mocks/MockOverviewDatabase.h"
#include "platform/Calendar.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"
#include "support/Observation.h"
#include "support/PinnedEnvironment.h"
#include "support/TransactionBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <set>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

/// Answers labelled with the load they belong to, after scripted delays. Steps that the store asks
/// for from inside a completion belong to that completion's load.
class ScriptedDatabase final : public MockOverviewDatabase {
public:
    struct Script {
        std::string tag;
        double first = 0, overview = 0, today = 0; // the first four arrive scrambled after `first`
        bool noOverviewAccounts = false;
    };
    std::vector<std::string> calls, delivered;
    std::map<std::string, std::set<std::string>> todayIds, dailyLimitIds;

    void script(Script s) { next_ = s.tag, scripts_[s.tag] = std::move(s); }

    void calculateNetWorth() override { calls.push_back("calculateNetWorth:" + current_); }
    void fetchGoals(Completion<std::vector<WidgetGoal>> c) override {
        WidgetGoal goal;
        goal.id = begin("fetchGoals");
        later(goal.id, "goals", scripts_[goal.id].first + 0.3, [c, goal] { c({goal}); });
    }
    void fetchAccounts(Completion<std::vector<WidgetAccount>> c) override {
        const auto tag = begin("fetchAccounts");
        later(tag, "accounts", scripts_[tag].first + 0.1, [c, a = accounts(tag, 2)] { c(a); });
    }
    void reloadSummaryCardItems(Completion<SummaryCardItems> c) override {
        const auto tag = begin("reloadSummaryCardItems");
        SummaryCardItem item;
        item.title = tag;
        later(tag, "summaries", scripts_[tag].first + 0.2, [c, item] {
            c({{SummaryCardItemType::month, item}});
        });
    }
    void fetchTopCategories(Completion<std::vector<TopCategory>> c) override {
        const auto tag = begin("fetchTopCategories");
        later(tag, "topCategories", scripts_[tag].first, [c, tag] { c({TopCategory{tag, 1, {}}}); });
    }
    void fetchAccountsInOverview(Completion<std::vector<WidgetAccount>> c) override {
        const auto& s = scripts_[current_];
        calls.push_back("fetchAccountsInOverview:" + s.tag);
        later(s.tag, "overview", s.overview,
              [c, a = accounts(s.tag, s.noOverviewAccounts ? 0 : 1)] { c(a); });
    }
    void fetchTodayTransactions(const std::set<std::string>& ids,
                                Completion<ReportTransactionList> c) override {
        const auto tag = current_;
        calls.push_back("fetchTodayTransactions:" + tag);
        todayIds[tag] = ids;
        auto t = test::transaction(
            {.id = tag + "-tx", .amount = 10, .categoryImageName = "fork", .accountName = "One"});
        later(tag, "today", scripts_[tag].today, [c, t] { c({t}); });
    }
    std::shared_ptr<DailyLimitViewModel>
    makeDailyLimitViewModel(const std::set<std::string>& ids, const ReportTransactionList& today) override {
        calls.push_back("makeDailyLimitViewModel:" + current_);
        dailyLimitIds[current_] = ids;
        return MockOverviewDatabase::makeDailyLimitViewModel(ids, today);
    }

private:
    static std::vector<WidgetAccount> accounts(const std::string& tag, int n) {
        std::vector<WidgetAccount> out;
        for (int i = 1; i <= n; ++i)
            out.emplace_back(tag + "-" + std::to_string(i), "Account", i, AccountType::checking);
        return out;
    }
    std::string begin(const std::string& call) {
        calls.push_back(call + ":" + next_);
        return next_;
    }
    void later(const std::string& tag, const std::string& step, double delay, std::function<void()> deliver) {
        MainQueue::main().asyncAfter(delay, [this, tag, step, deliver] {
            delivered.push_back(tag + ":" + step);
            const auto outer = std::exchange(current_, tag);
            deliver();
            current_ = outer;
        });
    }
    std::map<std::string, Script> scripts_;
    std::string next_, current_;
};

/// The load each published value came from, in publishing order ("" before any load).
std::vector<std::string> loadTags(const NewOverviewDataStore& s) {
    const auto first = [](const auto& list, auto key) { return list.empty() ? "" : key(list.front()); };
    const auto& vm = s.dailyLimitViewModel();
    return {first(s.goals(), [](auto& g) { return g.id; }),
            first(s.accounts(), [](auto& a) { return a.id.substr(0, 1); }),
            first(s.accountsInOverview(), [](auto& a) { return a.id.substr(0, 1); }),
            first(s.topCategories(), [](auto& c) { return c.name; }),
            s.summaryCardItems().empty() ? "" : s.summaryCardItems().begin()->second.title,
            vm && !vm->items().empty() ? vm->items()[0]->identifier().substr(0, 1) : ""};
}

class NewOverviewDataStoreTest : public ::testing::Test {
protected:
    test::PinnedEnvironment pinned{{.now = Date::fromUnixSeconds(1736942400)}}; // 15 January 2025
    std::shared_ptr<ManualMainQueue> queue = pinned.queue;
    Calendar calendar{"Europe/Berlin"};
    ConsoleCapture console;
    std::shared_ptr<ScriptedDatabase> db = std::make_shared<ScriptedDatabase>();

    Date at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) const {
        return *calendar.date(y, mo, d, h, mi, s);
    }
    DateInterval january() const { return {at(2025, 1, 1), at(2025, 1, 31, 23, 59, 59)}; }
    std::shared_ptr<NewOverviewDataStore> makeStore() {
        db->script({"F"});
        return NewOverviewDataStore::create(db, {OverviewItemType::dailyLimit}, at(2025, 1, 15, 12),
                                            january(), 18, NumberFormatter::currency("en_US"));
    }
    /// Records, at each notification of a published list, which loads the lists came from.
    std::vector<Subscription> observeLists(NewOverviewDataStore& s, std::function<void(std::size_t)> seen) {
        std::vector<Subscription> subs;
        const auto on = [&](auto& published, std::size_t i) {
            subs.push_back(published.observe([seen, i](const auto&) { seen(i); }));
        };
        on(s.goals, 0), on(s.accounts, 1), on(s.accountsInOverview, 2), on(s.topCategories, 3);
        on(s.summaryCardItems, 4), on(s.dailyLimitViewModel, 5);
        return subs;
    }
};

} // namespace

TEST_F(NewOverviewDataStoreTest, CreationDerivesPeriodAndMonthAndDefersTheFirstLoad) {
    const auto store = makeStore();
    EXPECT_TRUE(store->isLoading());
    EXPECT_EQ(store->currentPeriod(), january());
    EXPECT_EQ(store->formattedPeriod(), "January 2025");
    EXPECT_EQ(store->currentMonth(), january());
    EXPECT_EQ(store->formattedCurrentMonth(), "January 2025");
    EXPECT_EQ(store->dailyLimitViewModel(), nullptr);
    EXPECT_THAT(db->calls, IsEmpty()); // the load is a task of its own
    EXPECT_TRUE(db->onDataChanged && db->onSettingsChanged);
}

TEST_F(NewOverviewDataStoreTest, PayDateIsTheDayAfterThePeriodEndsAcrossMonthYearAndClockChanges) {
    const auto store = makeStore();
    EXPECT_EQ(store->payDate(), at(2025, 2, 1, 23, 59, 59));
    store->setCurrentPeriod({at(2024, 12, 1), at(2024, 12, 31, 23, 59, 59)});
    EXPECT_EQ(store->payDate(), at(2025, 1, 1, 23, 59, 59));
    // Berlin's clocks go forward on 30 March and back on 26 October 2025: the wall-clock time stays.
    store->setCurrentPeriod({at(2025, 3, 1), at(2025, 3, 29, 23, 59, 59)});
    EXPECT_DOUBLE_EQ(store->payDate() - at(2025, 3, 29, 23, 59, 59), 23 * 3600.0);
    store->setCurrentPeriod({at(2025, 10, 1), at(2025, 10, 25, 23, 59, 59)});
    EXPECT_EQ(store->payDate(), at(2025, 10, 26, 23, 59, 59));
    EXPECT_DOUBLE_EQ(store->payDate() - at(2025, 10, 25, 23, 59, 59), 25 * 3600.0);
    // No day can be added to an infinite end: the end of the present month instead.
    store->setCurrentPeriod({at(2025, 3, 1), Date{std::numeric_limits<double>::infinity()}});
    EXPECT_EQ(store->payDate(), at(2025, 1, 31, 23, 59, 59));
    EXPECT_EQ(store->formattedPeriod(), "--");
}

TEST_F(NewOverviewDataStoreTest, AssigningTheSamePeriodRecomputesAndRepublishes) {
    const auto store = makeStore();
    std::vector<std::string> events;
    auto s1 = store->payDate.observe([&](const Date&) { events.push_back("payDate"); });
    auto s2 = store->formattedPeriod.observe([&](const std::string& t) { events.push_back(t); });
    store->setCurrentPeriod(january());
    store->setCurrentPeriod({at(2025, 1, 10), at(2025, 2, 9, 23, 59, 59)});
    EXPECT_THAT(events, ElementsAre("payDate", "January 2025", "payDate", "Jan 10\u2009–\u2009Feb 9, 2025"));
    EXPECT_EQ(store->payDate(), at(2025, 2, 10, 23, 59, 59));
}

TEST_F(NewOverviewDataStoreTest, ValuesWithARuleAreReadOnlyAndOneSignalAnnouncesEveryChange) {
    using Store = NewOverviewDataStore;
    // The period, its texts and pay date, the day and month and the formatter follow their rules only
    // through the store's operations; the screen's selections stay assignable.
    EXPECT_FALSE((test::assignableFromOutside<decltype(Store::currentPeriod), DateInterval>));
    EXPECT_FALSE((test::assignableFromOutside<decltype(Store::payDate), Date>));
    EXPECT_FALSE((test::assignableFromOutside<decltype(Store::formattedPeriod), std::string>));
    EXPECT_FALSE((test::assignableFromOutside<decltype(Store::currentDate), Date>));
    EXPECT_FALSE((test::assignableFromOutside<decltype(Store::currentMonth), DateInterval>));
    EXPECT_FALSE((test::assignableFromOutside<decltype(Store::formattedCurrentMonth), std::string>));
    EXPECT_FALSE((test::assignableFromOutside<decltype(Store::formatter), NumberFormatter>));
    EXPECT_FALSE((test::assignableFromOutside<decltype(Store::isLoading), bool>));
    EXPECT_TRUE((test::assignableFromOutside<decltype(Store::selection), std::optional<OverviewItemType>>));
    EXPECT_TRUE((test::assignableFromOutside<decltype(Store::highlightCardOnSelection), bool>));

    const auto store = makeStore();
    std::vector<std::string> events;
    auto will =
        store->objectWillChange.observe([&] { events.push_back("will:" + store->formattedPeriod()); });
    auto did = store->formattedPeriod.observe([&](const std::string& t) { events.push_back("did:" + t); });
    store->setCurrentPeriod({at(2025, 2, 1), at(2025, 2, 28, 23, 59, 59)});
    // Announced before each of the three values changes, with the old text still in place first.
    EXPECT_THAT(events, ElementsAre("will:January 2025", "will:January 2025", "will:January 2025",
                                    "did:February 2025"));
    events.clear();
    store->selection.set(OverviewItemType::netWorth);
    EXPECT_THAT(events, ElementsAre("will:February 2025"));
}

TEST_F(NewOverviewDataStoreTest, UpdateReferenceDateMovesTheMonthNotThePeriodThenReloads) {
    const auto store = makeStore();
    queue->drain();
    db->script({"M"});
    store->updateReferenceDate(at(2025, 3, 17, 8, 30));
    EXPECT_EQ(store->currentDate(), at(2025, 3, 17, 8, 30));
    EXPECT_EQ(store->currentMonth(), (DateInterval{at(2025, 3, 1), at(2025, 3, 31, 23, 59, 59)}));
    EXPECT_EQ(store->formattedCurrentMonth(), "March 2025");
    EXPECT_EQ(store->currentPeriod(), january());
    EXPECT_EQ(store->payDate(), at(2025, 2, 1, 23, 59, 59));
    EXPECT_EQ(loadTags(*store)[0], "F");
    queue->drain();
    EXPECT_EQ(loadTags(*store)[0], "M");
}

TEST_F(NewOverviewDataStoreTest, ReloadJoinsTheFirstFetchesRunsTheStepsThenPublishesInOrder) {
    const auto store = makeStore();
    db->script({"F", 1, 1, 1});
    std::vector<std::size_t> published, consoleLines;
    auto subs = observeLists(*store, [&](std::size_t i) {
        published.push_back(i);
        consoleLines.push_back(console.lines().size());
        EXPECT_EQ(db->delivered.size() % 6, 0u); // a load publishes only once all six answers are in
    });
    std::vector<bool> loading;
    auto s = store->isLoading.observe([&](bool v) { loading.push_back(v); });
    queue->advance(1.25); // three of the four first fetches are in
    EXPECT_THAT(db->calls, UnorderedElementsAre("fetchGoals:F", "fetchAccounts:F", "reloadSummaryCardItems:F",
                                                "fetchTopCategories:F"));
    queue->drain();
    EXPECT_THAT(std::vector(db->calls.begin() + 4, db->calls.end()),
                ElementsAre("fetchAccountsInOverview:F", "calculateNetWorth:F", "fetchTodayTransactions:F",
                            "makeDailyLimitViewModel:F"));
    EXPECT_THAT(published, ElementsAre(0, 1, 2, 3, 4, 5));
    // The view model is made (the demo storage writes a line) before anything is announced; the
    // store's own line comes between goals and accounts.
    EXPECT_THAT(consoleLines, ElementsAre(1, 2, 2, 2, 2, 2));
    EXPECT_EQ(console.lines()[1], "Accounts inside NewOverviewDataStore reload(database:) = 2");
    EXPECT_THAT(db->todayIds["F"], ElementsAre("F-1"));
    EXPECT_THAT(db->dailyLimitIds["F"], ElementsAre("F-1"));
    EXPECT_THAT(loading, ElementsAre(false));

    // Later reloads leave isLoading alone, and report when they have published.
    db->script({"R"});
    std::string seenAtCompletion;
    store->reload(db, [&] { seenAtCompletion = loadTags(*store)[5]; });
    queue->drain();
    EXPECT_EQ(seenAtCompletion, "R");
    EXPECT_THAT(loading, ElementsAre(false));
}

TEST_F(NewOverviewDataStoreTest, NoOverviewAccountsStillPassAnEmptyIdSet) {
    const auto store = makeStore();
    db->script({.tag = "E", .noOverviewAccounts = true});
    queue->drain();
    ASSERT_TRUE(db->todayIds.count("E") && db->dailyLimitIds.count("E"));
    EXPECT_THAT(db->todayIds["E"], IsEmpty());
    EXPECT_THAT(db->dailyLimitIds["E"], IsEmpty());
}

TEST_F(NewOverviewDataStoreTest, CallbacksStayOnTheCreationDatabaseOthersUseTheCurrentOne) {
    const auto store = makeStore();
    queue->drain();
    auto replacement = std::make_shared<ScriptedDatabase>();
    store->database.set(replacement);
    EXPECT_FALSE(replacement->onDataChanged);

    db->script({"D"});
    db->onDataChanged();
    EXPECT_EQ(loadTags(*store)[0], "F"); // a task, not a synchronous reload
    queue->drain();
    EXPECT_EQ(loadTags(*store)[0], "D");

    replacement->script({"N"});
    store->update(NumberFormatter::currency("de_DE"));
    queue->drain();
    EXPECT_EQ(loadTags(*store)[0], "N");
    EXPECT_EQ(replacement->calls.size(), 8u);

    store->update(std::vector<OverviewItemType>{OverviewItemType::goals}); // no reload
    queue->drain();
    EXPECT_EQ(replacement->calls.size(), 8u);
}

TEST_F(NewOverviewDataStoreTest, OnSettingsChangedSetsThePeriodBeforeTheFollowingReloadPublishes) {
    const auto store = makeStore();
    queue->drain();
    const DateInterval february{at(2025, 2, 1), at(2025, 2, 28, 23, 59, 59)};
    std::vector<std::string> atPublish;
    auto sub = store->goals.observe([&](const auto&) {
        atPublish.push_back(store->formattedPeriod());
        EXPECT_EQ(store->payDate(), at(2025, 3, 1, 23, 59, 59));
    });
    db->script({"S", 1, 1, 1});
    db->onSettingsChanged(february);
    EXPECT_EQ(store->currentPeriod(), january()); // in a task
    queue->runUntilIdle();
    EXPECT_EQ(store->currentPeriod(), february);
    EXPECT_THAT(atPublish, IsEmpty());
    queue->drain();
    EXPECT_THAT(atPublish, ElementsAre("February 2025"));
    EXPECT_EQ(store->currentMonth(), january());
}

TEST_F(NewOverviewDataStoreTest, OverlappingReloadsTheLastToFinishWinsAndNoObserverSeesAMixture) {
    const auto store = makeStore();
    queue->drain();
    db->delivered.clear();
    std::vector<std::vector<std::string>> snapshots;
    auto subs = observeLists(*store, [&](std::size_t position) {
        const auto tags = loadTags(*store);
        snapshots.push_back(tags);
        // Whatever an observer reads during a round comes from one load, announced or not.
        for (std::size_t i = 1; i < tags.size(); ++i)
            EXPECT_EQ(tags[i], tags[0]) << position;
    });
    db->script({"A", 0.5, 4, 4}); // starts first, finishes last, its steps interleave with B's
    store->reload(db);
    db->script({"B", 1, 1, 1});
    store->reload(db);
    queue->drain();

    EXPECT_THAT(db->delivered, ElementsAre("A:topCategories", "A:accounts", "A:summaries", "A:goals",
                                           "B:topCategories", "B:accounts", "B:summaries", "B:goals",
                                           "B:overview", "B:today", "A:overview", "A:today"));
    ASSERT_EQ(snapshots.size(), 12u);
    EXPECT_EQ(snapshots[5], std::vector<std::string>(6, "B"));
    EXPECT_EQ(loadTags(*store), std::vector<std::string>(6, "A"));
    EXPECT_THAT(db->dailyLimitIds["A"], ElementsAre("A-1"));
}

TEST_F(NewOverviewDataStoreTest, ADestroyedStoreIsNotKeptAliveAndItsPendingReloadFinishesHarmlessly) {
    auto store = makeStore();
    queue->drain();
    db->script({"P", 1, 1, 1});
    int completions = 0;
    store->reload(db, [&] { ++completions; });
    queue->advance(1.5); // the overview accounts are on their way
    const std::weak_ptr<NewOverviewDataStore> weak = store;
    store.reset();
    EXPECT_TRUE(weak.expired()); // neither the database, its callbacks nor the pending load hold it

    const auto calls = db->calls.size();
    queue->drain();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(db->calls.size(), calls);    // no later step ran
    EXPECT_EQ(console.lines().size(), 2u); // the first load's two lines only
    db->onDataChanged();
    db->onSettingsChanged(january());
    EXPECT_TRUE(queue->isIdle());
}

TEST_F(NewOverviewDataStoreTest, OnlineAccountsKeepTheOrderOfAccounts) {
    const auto store = makeStore();
    std::vector<WidgetAccount> accounts(3);
    accounts[0].id = "a", accounts[1].id = "b", accounts[2].id = "c";
    store->accounts.set(accounts);
    EXPECT_THAT(store->onlineAccounts(), IsEmpty());
    accounts[2].isOnlineBanking = accounts[0].isOnlineBanking = true;
    store->accounts.set(accounts);
    const auto online = store->onlineAccounts();
    ASSERT_EQ(online.size(), 2u);
    EXPECT_EQ(online[0].id + online[1].id, "ac");
}
