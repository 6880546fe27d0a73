// The overview's figure screens on 100,000 transactions spread over five years. Each building
// benchmark times only the calculator's creation (the input list is copied, and the calculator
// destroyed, outside the timed region) and reports `x_plain_sum`: its time divided by that of a
// plain loop summing the same amounts. The goal: under 8 ms (one 120 Hz frame) and at most 10x.
// Times are the thread's CPU time, so that other processes on a shared machine do not count;
// `wall_us` gives the wall-clock time alongside.
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/overview/RemainingForPeriodCalculator.h"
#include "ZTSwiftUIComponents/overview/SubscriptionInsightsCalculator.h"
#include "ZTSwiftUIComponents/overview/YearlyProjectionsCalculator.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/UserDefaults.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <memory>
#include <random>
#include <string>

namespace {

using namespace zt;

constexpr std::size_t transactionCount = 100'000;
constexpr const char* zone = "Europe/Berlin";

struct Data {
    Environment::Override environment{{.locale = "en_US",
                                       .timeZone = zone,
                                       .now = *Calendar(zone).date(2025, 7, 15, 12),
                                       .userDefaults = std::make_shared<InMemoryUserDefaults>()}};
    ReportTransactionList reports;
    TransactionConformableList conformable;

    Data() {
        static const char* const categories[] = {
            "Groceries", "Housing", "Utilities", "Transport", "Restaurants", "Entertainment", "Shopping",
            "Health",    "Travel",  "Education", "Insurance", "Pets",        "Gifts",         "Fees",
            "Taxes",     "Salary",  "Freelance", "Interest",  "Dividends",   "Refunds",       "",
        };
        std::mt19937_64 random(20250715);
        std::uniform_real_distribution<double> amount(1.0, 900.0);
        std::uniform_int_distribution<std::size_t> category(0, std::size(categories) - 1);
        std::bernoulli_distribution expense(0.7);
        const Date start = *Calendar(zone).date(2021, 1, 1);
        const Date end = *Calendar(zone).date(2025, 12, 31, 23, 59, 59);
        std::uniform_real_distribution<double> when(start.secondsSinceReferenceDate,
                                                    end.secondsSinceReferenceDate);
        // Hosts hand their lists over newest first, allocating records as they read them.
        std::vector<double> dates(transactionCount);
        for (auto& d : dates)
            d = when(random);
        std::ranges::sort(dates, std::ranges::greater{});
        reports.reserve(transactionCount);
        for (std::size_t i = 0; i < transactionCount; ++i) {
            const std::string name = categories[category(random)];
            reports.push_back(std::make_shared<ReportTransaction>(
                "t" + std::to_string(i), amount(random), std::nullopt, std::nullopt, name, name + ".icon",
                "c-" + name, std::nullopt, std::nullopt, expense(random), false, Date{dates[i]}, "acc",
                "Wallet", std::nullopt, std::nullopt, false, false, false));
        }
        conformable.assign(reports.begin(), reports.end());
    }
};

const Data& data() {
    static const Data instance;
    return instance;
}

template <class List> double plainSum(const List& list) {
    double sum = 0;
    for (const auto& t : list)
        sum += t->amount();
    return sum;
}

/// Seconds per plain summing loop over list, averaged over repeated runs.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <class List> double plainSumSeconds(const List& list) {
    constexpr int runs = 30;
    benchmark::DoNotOptimize(plainSum(list)); // warm up
    const double begin = threadSeconds();
    for (int i = 0; i < runs; ++i)
        benchmark::DoNotOptimize(plainSum(list));
    return (threadSeconds() - begin) / runs;
}

/// Times build(copy of list) only; reports the ratio to the plain sum.
template <class List, class Build> void timeBuilding(benchmark::State& state, const List& list, Build build) {
    double total = 0, wall = 0;
    for (auto _ : state) {
        List copy = list;
        const auto wallBegin = std::chrono::steady_clock::now();
        const double begin = threadSeconds();
        auto built = build(std::move(copy));
        const double seconds = threadSeconds() - begin;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBegin).count();
        benchmark::DoNotOptimize(built);
        state.SetIterationTime(seconds);
        total += seconds;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["x_plain_sum"] = total / iterations / plainSumSeconds(list);
    state.counters["wall_us"] = wall / iterations * 1e6;
}

void plainSumOfReports(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(plainSum(data().reports));
}

void plainSumOfConformable(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(plainSum(data().conformable));
}

void buildRemainingForPeriod(benchmark::State& state) {
    timeBuilding(state, data().reports, [](ReportTransactionList items) {
        return std::make_unique<RemainingForPeriodCalculator>(std::move(items), 2025, 2024);
    });
}

void buildYearlyProjections(benchmark::State& state) {
    ConsoleCapture quiet; // the calculator's diagnostic lines
    timeBuilding(state, data().conformable, [&quiet](TransactionConformableList items) {
        quiet.clear();
        return std::make_unique<YearlyProjectionsCalculator>(std::move(items), 2025);
    });
}

void buildSubscriptionInsights(benchmark::State& state) {
    timeBuilding(state, data().conformable, [](TransactionConformableList items) {
        return std::make_unique<SubscriptionInsightsCalculator>(std::move(items), "en_US");
    });
}

} // namespace

BENCHMARK(plainSumOfReports)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainSumOfConformable)->Unit(benchmark::kMicrosecond);
BENCHMARK(buildRemainingForPeriod)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(buildYearlyProjections)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(buildSubscriptionInsights)->UseManualTime()->Unit(benchmark::kMicrosecond);
