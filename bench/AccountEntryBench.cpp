// Building the account form's view tree for a checking account, a credit card and a loan, as each
// redraw does: sections, amount fields, the hidden icon sheet over the 38 catalogue icons and the
// controller's validation (goal: under 0.3 ms).
#include "ZTSwiftUIComponents/accountentry/AccountEntryScreen.h"
#include "mocks/MockAccountEntryController.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

void accountFormTree(benchmark::State& state, zt::AccountType type) {
    const auto queue = std::make_shared<zt::ManualMainQueue>();
    zt::Environment::Override environment({.locale = "en_US",
                                           .timeZone = "Europe/Berlin",
                                           .now = zt::Date::fromUnixSeconds(1746878400.0),
                                           .mainQueue = queue,
                                           .userDefaults = std::make_shared<zt::InMemoryUserDefaults>()});
    zt::WidgetAccount account("acc-bench", "Everyday", 1250.5, type, "USD", "banknote.fill");
    const auto controller = zt::MockAccountEntryController::editing(account);
    const zt::AccountEntryScreen screen(controller);
    queue->runUntilIdle();
    benchmark::DoNotOptimize(screen.body()); // the catalogue and the card sections are made once
    for (auto _ : state)
        benchmark::DoNotOptimize(screen.body());
}

} // namespace

BENCHMARK_CAPTURE(accountFormTree, checking, zt::AccountType::checking)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(accountFormTree, creditCard, zt::AccountType::creditCard)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(accountFormTree, loan, zt::AccountType::loan)->Unit(benchmark::kMicrosecond);
