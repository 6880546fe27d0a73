// Year and month of many instants (grouping transactions): the MonthIndex table against an ICU
// calendar per item, plus the cost of the Calendar's own operations.
#include "platform/Calendar.h"
#include "platform/MonthIndex.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <unicode/gregocal.h>
#include <unicode/timezone.h>
#include <vector>

using namespace zt;

namespace {

constexpr std::size_t kInstants = 1'000'000;
const char* const kZone = "Europe/Berlin";

/// A million instants spread over 2000-2030, in random order like records from a store.
const std::vector<Date>& instants() {
    static const std::vector<Date> dates = [] {
        std::mt19937_64 random(20240331);
        std::uniform_real_distribution<double> seconds(
            Date::fromUnixSeconds(946684800.0).secondsSinceReferenceDate,
            Date::fromUnixSeconds(1893456000.0).secondsSinceReferenceDate);
        std::vector<Date> out(kInstants);
        for (auto& d : out)
            d = Date{seconds(random)};
        return out;
    }();
    return dates;
}

std::unique_ptr<icu::Calendar> icuPrototype() {
    UErrorCode status = U_ZERO_ERROR;
    return std::make_unique<icu::GregorianCalendar>(icu::TimeZone::createTimeZone(kZone), status);
}

void BM_YearMonth_IcuCalendarPerItem(benchmark::State& state) {
    const auto prototype = icuPrototype();
    const auto& dates = instants();
    for (auto _ : state) {
        long sum = 0;
        for (const Date d : dates) {
            std::unique_ptr<icu::Calendar> calendar(prototype->clone());
            UErrorCode status = U_ZERO_ERROR;
            calendar->setTime(d.icuMillis(), status);
            sum += calendar->get(UCAL_YEAR, status) * 12 + calendar->get(UCAL_MONTH, status);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kInstants));
}
BENCHMARK(BM_YearMonth_IcuCalendarPerItem)->Unit(benchmark::kMillisecond);

void BM_YearMonth_IcuOneCalendar(benchmark::State& state) {
    const auto calendar = icuPrototype();
    const auto& dates = instants();
    for (auto _ : state) {
        long sum = 0;
        for (const Date d : dates) {
            UErrorCode status = U_ZERO_ERROR;
            calendar->setTime(d.icuMillis(), status);
            sum += calendar->get(UCAL_YEAR, status) * 12 + calendar->get(UCAL_MONTH, status);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kInstants));
}
BENCHMARK(BM_YearMonth_IcuOneCalendar)->Unit(benchmark::kMillisecond);

void BM_YearMonth_MonthIndex(benchmark::State& state) {
    const auto index = MonthIndex::forTimeZone(kZone);
    const auto& dates = instants();
    for (auto _ : state) {
        long sum = 0;
        for (const Date d : dates) {
            const YearMonth ym = index->yearMonth(d);
            sum += ym.year * 12 + ym.month;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kInstants));
}
BENCHMARK(BM_YearMonth_MonthIndex)->Unit(benchmark::kMillisecond);

void BM_YearMonth_CalendarComponent(benchmark::State& state) {
    const Calendar calendar(kZone);
    const auto& dates = instants();
    for (auto _ : state) {
        long sum = 0;
        for (const Date d : dates)
            sum += calendar.component(CalendarComponent::year, d) * 12 +
                   calendar.component(CalendarComponent::month, d);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kInstants));
}
BENCHMARK(BM_YearMonth_CalendarComponent)->Unit(benchmark::kMillisecond);

void BM_MonthIndex_Build(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(MonthIndex(kZone));
}
BENCHMARK(BM_MonthIndex_Build)->Unit(benchmark::kMicrosecond);

void BM_Calendar_Create(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Calendar(kZone));
}
BENCHMARK(BM_Calendar_Create);

// The per-call operations, over instants that include clock-change days.
template <typename Op> void runOverInstants(benchmark::State& state, Op op) {
    const Calendar calendar(kZone);
    const auto& dates = instants();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(op(calendar, dates[i]));
        i = (i + 1) % dates.size();
    }
}

void BM_Calendar_Components(benchmark::State& state) {
    runOverInstants(state, [](const Calendar& c, Date d) { return c.components(d); });
}
BENCHMARK(BM_Calendar_Components);

void BM_Calendar_StartOfDay(benchmark::State& state) {
    runOverInstants(state, [](const Calendar& c, Date d) { return c.startOfDay(d); });
}
BENCHMARK(BM_Calendar_StartOfDay);

void BM_Calendar_AddingMonth(benchmark::State& state) {
    runOverInstants(state,
                    [](const Calendar& c, Date d) { return c.adding(CalendarComponent::month, 1, d); });
}
BENCHMARK(BM_Calendar_AddingMonth);

void BM_Calendar_DateBySetting(benchmark::State& state) {
    runOverInstants(state, [](const Calendar& c, Date d) { return c.dateBySetting(23, 59, 59, d); });
}
BENCHMARK(BM_Calendar_DateBySetting);

void BM_Calendar_NextDateDayOfMonth(benchmark::State& state) {
    DateComponents day;
    day.day = 31;
    runOverInstants(state, [&day](const Calendar& c, Date d) {
        return c.nextDate(d, day, MatchingPolicy::nextTimePreservingSmallerComponents);
    });
}
BENCHMARK(BM_Calendar_NextDateDayOfMonth);

void BM_Calendar_DifferenceInDays(benchmark::State& state) {
    runOverInstants(state, [](const Calendar& c, Date d) {
        return c.difference(CalendarComponent::day, d, d + 40 * 86400.0);
    });
}
BENCHMARK(BM_Calendar_DifferenceInDays);

} // namespace
