// Building the whole overview screen's view tree from a loaded store: every card visible, 50
// accounts, 30 bills, 20 shortcuts and 10 goals. One iteration is one body() as the host calls it
// after a change, so it includes the per-card work done on each draw (sorting the bills and top
// categories, the ordinal days, the payday count, every formatted amount).
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/OverviewItemType.h"
#include "ZTSwiftUIComponents/overview/NewOverviewScreen2024.h"
#include "mocks/DemoClock.h"
#include "mocks/LoadedOverview.h"
#include "mocks/MockOverviewDatabase.h"
#include "mocks/MockSyncManager.h"
#include "platform/Calendar.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The demo database with a heavy user's amount of records.
class LargeOverviewDatabase : public zt::MockOverviewDatabase {
public:
    explicit LargeOverviewDatabase(zt::Date now) {
        const auto demoAccounts = zt::WidgetAccount::demo();
        for (int i = 0; i < 50; ++i) {
            auto a = demoAccounts[static_cast<std::size_t>(i) % demoAccounts.size()];
            a.id = "account-" + std::to_string(i);
            a.name += " " + std::to_string(i);
            accounts_.push_back(a);
        }
        const auto demoBills = zt::UpcomingBill::demoBills(now);
        for (int i = 0; i < 30; ++i) {
            auto b = demoBills[static_cast<std::size_t>(i) % demoBills.size()];
            b.id = "bill-" + std::to_string(i);
            b.date = now + (i - 10) * 86400.0;
            bills_.push_back(b);
        }
        const auto demoShortcuts = zt::Shortcut::demo();
        for (int i = 0; i < 20; ++i) {
            auto s = demoShortcuts[static_cast<std::size_t>(i) % demoShortcuts.size()];
            s.id = "shortcut-" + std::to_string(i);
            shortcuts_.push_back(s);
        }
        const auto demoGoals = zt::WidgetGoal::demoGoals(now);
        for (int i = 0; i < 10; ++i) {
            auto g = demoGoals[static_cast<std::size_t>(i) % demoGoals.size()];
            g.id = "goal-" + std::to_string(i);
            goals_.push_back(g);
        }
        syncing_ = {"account-3", "account-7"};
    }

    std::set<std::string> syncingAccountIds() const override { return syncing_; }
    std::vector<zt::Shortcut> shortcuts() const override { return shortcuts_; }
    std::vector<zt::UpcomingBill> bills() const override { return bills_; }
    void fetchAccounts(Completion<std::vector<zt::WidgetAccount>> completion) override {
        zt::MainQueue::main().async([completion, a = accounts_] { completion(a); });
    }
    void fetchGoals(Completion<std::vector<zt::WidgetGoal>> completion) override {
        zt::MainQueue::main().async([completion, g = goals_] { completion(g); });
    }

private:
    std::vector<zt::WidgetAccount> accounts_;
    std::vector<zt::UpcomingBill> bills_;
    std::vector<zt::Shortcut> shortcuts_;
    std::vector<zt::WidgetGoal> goals_;
    std::set<std::string> syncing_;
};

void buildWholeOverviewTree(benchmark::State& state, bool incognito) {
    auto queue = std::make_shared<zt::ManualMainQueue>();
    const zt::Environment::Override environment(
        {.locale = "en_US",
         .timeZone = "America/New_York",
         .now = zt::mocks::demoNow(),
         .mainQueue = queue,
         .userDefaults = std::make_shared<zt::InMemoryUserDefaults>()});
    zt::ConsoleCapture console; // the store writes a line per load

    auto db = std::make_shared<LargeOverviewDatabase>(zt::Environment::current().now());
    db->setVisibleAccountsInAccountCard(50);
    db->setVisibleShortcutsInShortcutCard(8);
    zt::NavigationRouter router;
    router.incognitomodeActive.set(incognito);
    const auto screen =
        zt::makeLoadedOverviewScreen(db, std::make_shared<zt::MockSyncManager>(), *queue, router);
    if (screen.store()->accounts().size() != 50)
        state.SkipWithError("the store did not load");

    for (auto _ : state) {
        auto tree = screen.body();
        benchmark::DoNotOptimize(tree);
    }
}

void wholeOverviewScreen(benchmark::State& state) {
    buildWholeOverviewTree(state, false);
}
void wholeOverviewScreenIncognito(benchmark::State& state) {
    buildWholeOverviewTree(state, true);
}

} // namespace

BENCHMARK(wholeOverviewScreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(wholeOverviewScreenIncognito)->Unit(benchmark::kMicrosecond);
