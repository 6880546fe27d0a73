// The reference host on a large file: 100,000 transactions over five years, 300 categories and
// 50 accounts. Opening the overview is one complete load of every card's figures, as the home
// screen does it on start; saving is one entry stored plus that same load after its data change.
// The database's size on disk is reported as the counter "fileBytes".
#include "ZTSwiftUIComponents/budgets/BudgetsScreen2025.h"
#include "ZTSwiftUIComponents/categories/CategoriesList.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/OverviewItemType.h"
#include "ZTSwiftUIComponents/overview/NewOverviewDataStore.h"
#include "host-sqlite/HostBudgetsStore.h"
#include "host-sqlite/HostCategoriesStore.h"
#include "host-sqlite/HostOverviewDatabase.h"
#include "mocks/DemoClock.h"
#include "platform/Calendar.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"
#include "platform/ui/ViewQuery.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int benchTransactions = 100'000;
constexpr int benchCategories = 300;
constexpr int benchAccounts = 50;

struct LargeHostFile {
    std::filesystem::path folder;
    std::string file;

    LargeHostFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zt-host-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        folder = pattern;
        file = (folder / "host.sqlite").string();
        zt::HostDatabase database(file);
        auto& sql = database.connection();
        zt::SqliteTransaction write(sql);
        auto category =
            sql.prepare("INSERT INTO categories (id, name, type, sort_order) VALUES (?1, ?2, ?3, ?4)");
        for (int i = 0; i < benchCategories; ++i)
            category.bind(1, "c" + std::to_string(i))
                .bind(2, "Category " + std::to_string(i))
                .bind(3, i % 10 == 0 ? "income" : "expense")
                .bind(4, i)
                .run();
        for (int i = 0; i < benchAccounts; ++i)
            database.insertAccount(zt::WidgetAccount("a" + std::to_string(i), "Account " + std::to_string(i),
                                                     1000, zt::AccountType::checking),
                                   i);
        std::mt19937 random(42);
        const double end = zt::mocks::demoNow().secondsSinceReferenceDate;
        const double span = 5 * 365.25 * 86400;
        std::vector<zt::HostTransaction> transactions;
        transactions.reserve(benchTransactions);
        for (int i = 0; i < benchTransactions; ++i) {
            zt::HostTransaction t;
            t.id = "t" + std::to_string(i);
            t.accountId = "a" + std::to_string(random() % benchAccounts);
            const int c = static_cast<int>(random() % benchCategories);
            t.categoryId = "c" + std::to_string(c);
            t.isExpense = c % 10 != 0;
            t.amount = t.amountInAppCurrency = 1 + static_cast<double>(random() % 20000) / 100.0;
            t.date = zt::Date(end - span * static_cast<double>(random()) / static_cast<double>(random.max()));
            t.payee = "Payee " + std::to_string(random() % 500);
            t.needsReview = i % 97 == 0;
            if (i % 1000 == 0)
                t.repeatInterval = zt::RepeatingInterval::monthly;
            transactions.push_back(std::move(t));
        }
        database.importTransactions(transactions);
        write.commit();
        sql.execute("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    ~LargeHostFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

const LargeHostFile& largeHostFile() {
    static const LargeHostFile file;
    return file;
}

struct HostOverviewBench {
    std::shared_ptr<zt::ManualMainQueue> queue = std::make_shared<zt::ManualMainQueue>();
    zt::Environment::Override environment{{.locale = "en_US",
                                           .timeZone = "Europe/Berlin",
                                           .now = zt::mocks::demoNow(),
                                           .mainQueue = queue,
                                           .userDefaults = std::make_shared<zt::InMemoryUserDefaults>()}};
    zt::ConsoleCapture console;
    std::shared_ptr<zt::HostOverviewDatabase> overview =
        std::make_shared<zt::HostOverviewDatabase>(std::make_shared<zt::HostDatabase>(largeHostFile().file));

    std::shared_ptr<zt::NewOverviewDataStore> load() {
        const auto calendar = zt::Calendar::current();
        const zt::Date now = zt::Environment::current().now();
        const auto cards = zt::allCases<zt::OverviewItemType>();
        auto store = zt::NewOverviewDataStore::create(
            overview, std::vector<zt::OverviewItemType>(cards.begin(), cards.end()), now,
            zt::DateInterval{calendar.startOfMonth(now), calendar.endOfMonth(now)},
            static_cast<int>(cards.size()), zt::makeAppBasedCurrencyFormatter());
        queue->runUntilIdle();
        benchmark::DoNotOptimize(overview->bills());
        benchmark::DoNotOptimize(overview->shortcuts());
        console.clear();
        return store;
    }

    void report(benchmark::State& state) {
        state.counters["fileBytes"] = static_cast<double>(std::filesystem::file_size(largeHostFile().file));
        state.counters["transactions"] = static_cast<double>(overview->database()->transactionCount());
    }
};

void openTheOverviewOfALargeFile(benchmark::State& state) {
    HostOverviewBench bench;
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.load());
    bench.report(state);
}
BENCHMARK(openTheOverviewOfALargeFile)->Unit(benchmark::kMillisecond);

void saveOneTransactionAndReloadTheOverview(benchmark::State& state) {
    HostOverviewBench bench;
    const auto store = bench.load();
    static int next = 0; // the framework runs this function more than once on the same file
    for (auto _ : state) {
        zt::HostTransaction t;
        t.id = "bench-" + std::to_string(next++);
        t.accountId = "a1";
        t.categoryId = "c1";
        t.amount = t.amountInAppCurrency = 12.5;
        t.date = zt::Environment::current().now();
        bench.overview->database()->insertTransaction(t);
        bench.overview->dataDidChange(); // the store reloads, as after a save on the entry screen
        bench.queue->runUntilIdle();
        bench.console.clear();
    }
    bench.report(state);
}
BENCHMARK(saveOneTransactionAndReloadTheOverview)->Unit(benchmark::kMillisecond);

// The categories screen as the gallery builds it on a file: the list from the database, then
// the details of one expense category with its insights over that category's transactions.
void openTheCategoriesScreenWithInsights(benchmark::State& state) {
    HostOverviewBench bench;
    for (auto _ : state) {
        const auto host = std::make_shared<zt::HostCategoriesStore>(bench.overview->database());
        const auto model = host->makeModel();
        const auto store = std::make_shared<zt::CategoriesStore>(host);
        model->delegate = host;
        store->delegate = host;
        const zt::CategoriesList screen(store, model);
        zt::ui::press(screen.body(), zt::ui::byText("Category 1"));
        benchmark::DoNotOptimize(screen.body());
        bench.console.clear();
    }
    bench.report(state);
}
BENCHMARK(openTheCategoriesScreenWithInsights)->Unit(benchmark::kMillisecond);

// The budgets screen on the file: twelve budgets of every interval, started 400 days ago, half of
// them rolling over, every one's figures for its current period from the database, and the grid
// of their cards.
void openTheBudgetsScreen(benchmark::State& state) {
    HostOverviewBench bench;
    const auto store = std::make_shared<zt::HostBudgetsStore>(bench.overview->database());
    // The framework runs this function more than once on the same file.
    if (bench.overview->database()->connection().integer("SELECT count(*) FROM budgets") == 0) {
        const auto intervals = zt::allCases<zt::BudgetInterval>();
        for (std::size_t i = 0; i < intervals.size(); ++i) {
            zt::NewBudget budget;
            budget.name = "Budget " + std::to_string(i);
            budget.limit = 500;
            budget.interval = intervals[i];
            budget.isRollover = i % 2 == 1; // these read every earlier period's spending too
            budget.startDate = zt::Date(zt::mocks::demoNow().secondsSinceReferenceDate - 400 * 86400.0);
            budget.categories.category.id = "c" + std::to_string(1 + i);
            budget.categories.additionalCategories.push_back(
                {"c" + std::to_string(101 + i), "", "", 0, 0, {}});
            store->save(budget);
        }
    }
    for (auto _ : state) {
        const zt::BudgetsScreen2025 screen(store); // loads the store
        benchmark::DoNotOptimize(screen.body());
    }
    state.counters["budgets"] = static_cast<double>(store->budgets().size());
    bench.report(state);
}
BENCHMARK(openTheBudgetsScreen)->Unit(benchmark::kMillisecond);

} // namespace
