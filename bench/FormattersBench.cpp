// Formatting runs per row and per card on every screen update: a formatted amount or date must
// cost about a microsecond, which holds only while the ICU formatter objects stay cached.
#include "platform/DateFormatter.h"
#include "platform/DateIntervalFormatter.h"
#include "platform/Environment.h"
#include "platform/ListFormatter.h"
#include "platform/NumberFormatter.h"
#include "platform/StringTable.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zt;

const Environment::Override pinned({.locale = "de_DE", .timeZone = "Europe/Berlin"});

void currencyString(benchmark::State& state) {
    const NumberFormatter formatter = NumberFormatter::currency("de_DE", "USD");
    double value = 1234.56;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatter.string(value));
        value += 0.01;
    }
}
BENCHMARK(currencyString);

void decimalParse(benchmark::State& state) {
    const NumberFormatter formatter = NumberFormatter::decimal("de_DE");
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.number("1.234,56"));
}
BENCHMARK(decimalParse);

void ordinalString(benchmark::State& state) {
    const NumberFormatter formatter = NumberFormatter::ordinal("en_US");
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.string(++n % 31));
}
BENCHMARK(ordinalString);

void numberFormatterConstruction(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(NumberFormatter::currency("de_DE"));
}
BENCHMARK(numberFormatterConstruction);

void dateTemplateString(benchmark::State& state) {
    const DateFormatter formatter = DateFormatter::withTemplate("d MM yyyy");
    Date date = Date::fromUnixSeconds(1747054800);
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatter.string(date));
        date = date + 86400;
    }
}
BENCHMARK(dateTemplateString);

void dateParse(benchmark::State& state) {
    const DateFormatter formatter = DateFormatter::withFormat("yyyy-MM-dd");
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.date("2025-05-12"));
}
BENCHMARK(dateParse);

void dateIntervalString(benchmark::State& state) {
    const DateIntervalFormatter formatter;
    const DateInterval interval{Date::fromUnixSeconds(1747008000), Date::fromUnixSeconds(1749600000)};
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.string(interval));
}
BENCHMARK(dateIntervalString);

void listString(benchmark::State& state) {
    const ListFormatter formatter;
    const std::vector<std::string> names{"7 days before", "3 days before", "On the due date"};
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.string(names));
}
BENCHMARK(listString);

void stringTableLookup(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(L("Payment due in %@, by %@"));
}
BENCHMARK(stringTableLookup);

void formatWithArguments(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(format("Zahlung fällig in %@, bis %@ (%lld)", "3 Tage", "12.05.2025", 42));
}
BENCHMARK(formatWithArguments);

} // namespace
