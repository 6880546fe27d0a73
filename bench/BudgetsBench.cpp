// The budgets screen's work on realistic sizes: decoding the whole emoji catalogue, one search per
// keystroke, colours for many categories, and month groups of a long transaction history.
#include "ZTSwiftUIComponents/budgets/BudgetCategoryColors.h"
#include "ZTSwiftUIComponents/budgets/BudgetsStoreConforming.h"
#include "ZTSwiftUIComponents/budgets/Bundle.h"
#include "ZTSwiftUIComponents/budgets/EmojiSearch.h"
#include "platform/Calendar.h"
#include "platform/MonthIndex.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <random>
#include <sstream>

using namespace zt;

namespace {

std::string catalogueText() {
    const auto path = Bundle::main().url("emoji.json");
    std::ifstream file(path.value_or("emoji.json"), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<Emoji> catalogue() {
    const auto decoded = Bundle::decode<std::vector<Emoji>>(catalogueText(), "emoji.json");
    return decoded ? *decoded : std::vector<Emoji>{};
}

void DecodeWholeCatalogue(benchmark::State& state) {
    const std::string text = catalogueText();
    for (auto _ : state) {
        auto decoded = Bundle::decode<std::vector<Emoji>>(text, "emoji.json");
        benchmark::DoNotOptimize(decoded);
    }
    state.counters["emojis"] = static_cast<double>(catalogue().size());
}
BENCHMARK(DecodeWholeCatalogue)->Unit(benchmark::kMillisecond);

// Typing "heart" one key at a time, then a word that finds nothing.
void SearchPerKeystroke(benchmark::State& state) {
    const EmojiSearch search(catalogue());
    const std::vector<std::string> keystrokes{"h", "he", "hea", "hear", "heart", "zzzz"};
    std::size_t i = 0;
    for (auto _ : state) {
        auto found = search.matches(keystrokes[i++ % keystrokes.size()]);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(SearchPerKeystroke)->Unit(benchmark::kMicrosecond);

void ColoursFor500Categories(benchmark::State& state) {
    std::vector<BudgetCategory> categories;
    for (int i = 0; i < 500; ++i)
        categories.push_back({"id-" + std::to_string(i), "Category " + std::to_string(i), "", 0, 0, {}});
    for (auto _ : state) {
        BudgetCategoryColors colors;
        colors.assignColors(categories);
        benchmark::DoNotOptimize(colors.categoryColors().size());
    }
}
BENCHMARK(ColoursFor500Categories)->Unit(benchmark::kMicrosecond);

// 100,000 transactions over ten years, newest first as stores deliver them, or shuffled.
void MonthGroupsOf100000Transactions(benchmark::State& state) {
    const Calendar calendar("Europe/Berlin");
    const auto months = MonthIndex::forTimeZone("Europe/Berlin");
    const Date start = *calendar.date(2016, 1, 1);
    const Date end = *calendar.date(2026, 1, 1);
    ReportTransactionList transactions;
    for (int i = 0; i < 100'000; ++i) {
        const Date date = end - (end - start) * i / 100'000.0;
        transactions.push_back(std::make_shared<ReportTransaction>(
            "t" + std::to_string(i), 12.5, std::nullopt, std::nullopt, "Food", "fork.knife", "food",
            std::nullopt, std::nullopt, true, false, date, "acc", "Checking", std::nullopt, std::nullopt,
            false, false, false));
    }
    if (state.range(0) == 1)
        std::shuffle(transactions.begin(), transactions.end(), std::mt19937(7));
    for (auto _ : state) {
        auto groups = groupTransactionsByMonth(transactions, *months, calendar);
        benchmark::DoNotOptimize(groups);
    }
}
BENCHMARK(MonthGroupsOf100000Transactions)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
