// The statement history of a card ten years back, and the current-cycle search, with the number
// of ICU calendars each call creates (counted through ICU's own allocation hooks: allocations of
// exactly the size of a GregorianCalendar).
#include "ZTSwiftUIComponents/creditcards/CreditCardLastStatement.h"
#include "ZTSwiftUIComponents/creditcards/CurrentBillingCycleFinder.h"
#include "platform/Environment.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <unicode/gregocal.h>
#include <unicode/uclean.h>

using namespace zt;

namespace {

std::atomic<long> calendarsCreated{0};

void* countingAlloc(const void*, size_t size) {
    if (size == sizeof(icu::GregorianCalendar))
        calendarsCreated.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size);
}
void* countingRealloc(const void*, void* memory, size_t size) {
    return std::realloc(memory, size);
}
void countingFree(const void*, void* memory) {
    std::free(memory);
}

// Installed before anything in the program uses ICU.
const bool countingInstalled = [] {
    UErrorCode status = U_ZERO_ERROR;
    u_setMemoryFunctions(nullptr, countingAlloc, countingRealloc, countingFree, &status);
    return U_SUCCESS(status);
}();

const char* const kZone = "Europe/Berlin";

struct Fixture {
    Environment::Override env{{.locale = "en_US", .timeZone = kZone, .now = Date(0)}};
    Calendar calendar{kZone};
    DateInterval known{calendar.date(2025, 3, 15).value(), calendar.date(2025, 4, 14, 23, 59, 59).value()};
    Date due = calendar.date(2025, 5, 9).value();
    Date tenYearsBack = calendar.date(2015, 3, 20).value();
};

void reportCalendars(benchmark::State& state, long before) {
    if (!countingInstalled)
        state.SkipWithError("ICU was in use before the allocation hooks could be installed");
    state.counters["icuCalendarsPerCall"] = benchmark::Counter(
        static_cast<double>(calendarsCreated.load() - before) / static_cast<double>(state.iterations()));
}

void BM_GenerateBillingCycles_TenYears_EnvironmentCalendar(benchmark::State& state) {
    const Fixture f;
    std::size_t statements = 0;
    const long before = calendarsCreated.load();
    for (auto _ : state) {
        const auto history = CreditCardLastStatement::generateBillingCycles(f.known, f.due, f.tenYearsBack);
        statements = history.size();
        benchmark::DoNotOptimize(history.data());
    }
    reportCalendars(state, before);
    state.counters["statements"] = static_cast<double>(statements);
}
BENCHMARK(BM_GenerateBillingCycles_TenYears_EnvironmentCalendar)->Unit(benchmark::kMicrosecond);

void BM_GenerateBillingCycles_TenYears_SharedCalendar(benchmark::State& state) {
    const Fixture f;
    const auto calendar = std::make_shared<const Calendar>(f.calendar);
    const long before = calendarsCreated.load();
    for (auto _ : state) {
        const auto history =
            CreditCardLastStatement::generateBillingCycles(f.known, f.due, f.tenYearsBack, calendar);
        benchmark::DoNotOptimize(history.data());
    }
    reportCalendars(state, before);
}
BENCHMARK(BM_GenerateBillingCycles_TenYears_SharedCalendar)->Unit(benchmark::kMicrosecond);

void BM_CurrentCycle_EnvironmentCalendar(benchmark::State& state) {
    const Fixture f;
    const CurrentBillingCycleFinder finder;
    const Date reference = f.calendar.date(2026, 2, 5).value();
    const long before = calendarsCreated.load();
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.currentCycle(f.known, reference));
    reportCalendars(state, before);
}
BENCHMARK(BM_CurrentCycle_EnvironmentCalendar)->Unit(benchmark::kMicrosecond);

void BM_CurrentCycle_GivenCalendar(benchmark::State& state) {
    const Fixture f;
    const CurrentBillingCycleFinder finder;
    const Date reference = f.calendar.date(2026, 2, 5).value();
    const long before = calendarsCreated.load();
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.currentCycle(f.known, reference, f.calendar));
    reportCalendars(state, before);
}
BENCHMARK(BM_CurrentCycle_GivenCalendar)->Unit(benchmark::kMicrosecond);

} // namespace
