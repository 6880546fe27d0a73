// One keystroke in the tag and payee searches over 10,000 items, and one 10-entry quick-entry line
// read against the demo's categories and accounts.
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "ZTSwiftUIComponents/transactions/PayeeListViewModel.h"
#include "ZTSwiftUIComponents/transactions/TagListViewModel.h"
#include "mocks/MockPayee.h"
#include "mocks/MockTag.h"
#include "mocks/QuickEntryParser.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/UserDefaults.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const benchWords[] = {"trip",         "Travel", "work", "Market",
                                  "coffee beans", "Gift",   "rent", "Bakery"};

std::string benchName(int i) {
    return std::string(benchWords[i % 8]) + " " + std::to_string(i);
}

void tagSearch(benchmark::State& state) {
    std::vector<std::shared_ptr<zt::TagsConformable>> tags;
    for (int i = 0; i < 10000; ++i)
        tags.push_back(std::make_shared<zt::MockTag>(std::to_string(i), "#" + benchName(i), i));
    zt::ConsoleCapture console;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zt::tagSearchResults(tags, "Tr"));
        console.clear();
    }
}
BENCHMARK(tagSearch)->Unit(benchmark::kMicrosecond);

void payeeSearch(benchmark::State& state) {
    std::vector<std::shared_ptr<zt::PayeeConformable>> payees;
    for (int i = 0; i < 10000; ++i)
        payees.push_back(std::make_shared<zt::MockPayee>(std::to_string(i), benchName(i), i));
    for (auto _ : state)
        benchmark::DoNotOptimize(zt::payeeSearchResults(payees, "ma"));
}
BENCHMARK(payeeSearch)->Unit(benchmark::kMicrosecond);

void quickEntryLine(benchmark::State& state) {
    std::vector<std::string> categories, accounts;
    for (const auto& c : zt::WidgetCategory::demo())
        categories.push_back(c->name);
    for (const auto& a : zt::WidgetAccount::demo())
        accounts.push_back(a.name);
    const zt::QuickEntryParser parser(categories, accounts, "de_DE");
    const std::string line =
        "3,24 Coffee | 5 Transport Wallet | 12 Food | 1.234,50 Rent Checking | 8,90 Groceries "
        "| 4 Bus ticket Transport | 19,99 Entertainment Credit Card | 2,50 Bakery | 60 Health "
        "| 7,25 Restaurants lunch with Anna";
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.parse(line));
}
BENCHMARK(quickEntryLine)->Unit(benchmark::kMicrosecond);

} // namespace
