// Typing into the category search with 5,000 categories: one iteration is one keystroke, which
// filters the shown kind by name and sorts both lists and the rows again (goal: under 2 ms).
#include "ZTSwiftUIComponents/categories/CategoriesListModelData.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

zt::WidgetCategoryList makeCategories(int count, zt::TransactionType type) {
    static const char* words[] = {"Groceries", "Rent",  "Travel", "Café",   "Insurance", "Books",
                                  "Garden",    "Music", "Sport",  "Straße", "Utilities", "Pets"};
    zt::WidgetCategoryList out;
    for (int i = 0; i < count; ++i)
        out.push_back(std::make_shared<zt::WidgetCategory>(
            "c" + std::to_string(i), std::string(words[(i * 7) % 12]) + " " + std::to_string(i), "tag.fill",
            type, (i * 37) % count));
    return out;
}

void typing(benchmark::State& state, zt::SortType sortType) {
    const auto defaults = std::make_shared<zt::InMemoryUserDefaults>();
    zt::Environment::Override environment(
        {.locale = "en_US", .mainQueue = std::make_shared<zt::ManualMainQueue>(), .userDefaults = defaults});
    zt::SortControllerState(zt::SortEntity::categories).save(zt::Sort{sortType, true});
    zt::ConsoleCapture console;
    zt::CategoriesListModelData model(makeCategories(5000, zt::TransactionType::income),
                                      makeCategories(5000, zt::TransactionType::expense));
    const std::string typed[] = {"g", "ga", "gar", "ga", "g", ""};
    std::size_t i = 0;
    for (auto _ : state) {
        model.setSearchText(typed[i++ % 6]);
        benchmark::DoNotOptimize(model.actualDataSource().size());
        console.clear();
    }
}

void alphabetical(benchmark::State& state) {
    typing(state, zt::SortType::alphabetically);
}
void userDefined(benchmark::State& state) {
    typing(state, zt::SortType::userDefined);
}

} // namespace

BENCHMARK(alphabetical)->Unit(benchmark::kMicrosecond);
BENCHMARK(userDefined)->Unit(benchmark::kMicrosecond);
