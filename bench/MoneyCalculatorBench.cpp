// The calculator bar creates a calculator for the current locale on every equals or save key, so
// each iteration measures construction plus one evaluation of a typical expression.
#include "ZTSwiftUIComponents/host/ZTMoneyCalculator.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void evaluateTypical(benchmark::State& state, const char* locale, const char* expression) {
    for (auto _ : state) {
        const zt::ZTMoneyCalculator calculator(locale);
        auto result = calculator.evaluate(expression);
        benchmark::DoNotOptimize(result);
    }
}

void evaluateReused(benchmark::State& state, const char* locale, const char* expression) {
    const zt::ZTMoneyCalculator calculator(locale);
    for (auto _ : state) {
        auto result = calculator.evaluate(expression);
        benchmark::DoNotOptimize(result);
    }
}

void rejectTrailingOperator(benchmark::State& state) {
    for (auto _ : state) {
        const zt::ZTMoneyCalculator calculator("en_US");
        auto result = calculator.evaluate("12.50+3×4.2-1÷3×");
        benchmark::DoNotOptimize(result);
    }
}

void longestSum(benchmark::State& state) {
    std::string sum = "1";
    while (sum.size() + 5 <= zt::ZTMoneyCalculator::maxInputBytes)
        sum += "+1.25";
    for (auto _ : state) {
        const zt::ZTMoneyCalculator calculator("en_US");
        auto result = calculator.evaluate(sum);
        benchmark::DoNotOptimize(result);
    }
}

// What the cache saves: once it is full, a new identifier builds ICU's symbols and formatter each
// time. Registered last because it fills the process-wide cache.
void constructionWithoutCache(benchmark::State& state) {
    for (int i = 0; i < 64; ++i)
        zt::ZTMoneyCalculator("de_DE_filler" + std::to_string(i));
    for (auto _ : state) {
        const zt::ZTMoneyCalculator calculator("fr_FR");
        auto result = calculator.evaluate("12,50+3×4,2-1÷3");
        benchmark::DoNotOptimize(result);
    }
}

} // namespace

BENCHMARK_CAPTURE(evaluateTypical, de_DE, "de_DE", "12,50+3×4,2-1÷3");
BENCHMARK_CAPTURE(evaluateTypical, en_US, "en_US", "12.50+3×4.2-1÷3");
BENCHMARK_CAPTURE(evaluateReused, de_DE, "de_DE", "12,50+3×4,2-1÷3");
BENCHMARK(rejectTrailingOperator);
BENCHMARK(longestSum);
BENCHMARK(constructionWithoutCache);
