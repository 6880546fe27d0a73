// One full reload(database:) of the overview store against the demo database: the four joined
// fetches, the sequential steps, the new daily-limit view model and the publishing of every list
// to a screen's observers. The main queue is driven inside the loop, so each iteration is one
// complete load as the home screen sees it after a data change.
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/OverviewItemType.h"
#include "ZTSwiftUIComponents/overview/NewOverviewDataStore.h"
#include "mocks/DemoClock.h"
#include "mocks/MockOverviewDatabase.h"
#include "platform/Calendar.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

void fullReloadOfTheDemoDatabase(benchmark::State& state) {
    auto queue = std::make_shared<zt::ManualMainQueue>();
    const zt::Environment::Override environment(
        {.locale = "en_US",
         .timeZone = "America/New_York",
         .now = zt::mocks::demoNow(),
         .mainQueue = queue,
         .userDefaults = std::make_shared<zt::InMemoryUserDefaults>()});
    zt::ConsoleCapture console; // the store and the demo storage write a line per load

    const auto calendar = zt::Calendar::current();
    const zt::Date now = zt::Environment::current().now();
    const auto cards = zt::allCases<zt::OverviewItemType>();
    auto db = std::make_shared<zt::MockOverviewDatabase>();
    const auto store = zt::NewOverviewDataStore::create(
        db, std::vector<zt::OverviewItemType>(cards.begin(), cards.end()), now,
        zt::DateInterval{calendar.startOfDay(now), calendar.endOfDay(now + 20 * 86400.0)},
        static_cast<int>(cards.size()), zt::makeAppBasedCurrencyFormatter());
    queue->drain();

    // A screen observes every list the reload publishes.
    std::size_t notifications = 0;
    const auto count = [&](const auto&) { ++notifications; };
    const std::vector<zt::Subscription> subscriptions = [&] {
        std::vector<zt::Subscription> s;
        s.push_back(store->goals.observe(count));
        s.push_back(store->accounts.observe(count));
        s.push_back(store->accountsInOverview.observe(count));
        s.push_back(store->topCategories.observe(count));
        s.push_back(store->summaryCardItems.observe(count));
        s.push_back(store->dailyLimitViewModel.observe(count));
        return s;
    }();

    for (auto _ : state) {
        store->reload(db);
        queue->runUntilIdle();
        console.clear();
    }
    if (notifications != 6 * static_cast<std::size_t>(state.iterations()))
        state.SkipWithError("a reload did not publish everything");
    state.counters["accounts"] = static_cast<double>(store->accounts().size());
}

} // namespace

BENCHMARK(fullReloadOfTheDemoDatabase)->Unit(benchmark::kMicrosecond);
