// The entry screen as the host redraws it after each keystroke, and one calculator-bar key press
// with its evaluation. The screen carries a heavy user's 50 accounts; the transfer form lists them
// twice.
#include "ZTSwiftUIComponents/transactions/CalculatorBarView.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerScreen.h"
#include "mocks/DemoClock.h"
#include "mocks/MockCategoryPicker.h"
#include "mocks/MockOverviewDatabase.h"
#include "mocks/MockTransactionEntryViewModel.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

struct PinnedDemo {
    std::shared_ptr<zt::ManualMainQueue> queue = std::make_shared<zt::ManualMainQueue>();
    zt::Environment::Override environment{{.locale = "de_DE",
                                           .timeZone = "Europe/Berlin",
                                           .now = zt::mocks::demoNow(),
                                           .mainQueue = queue,
                                           .userDefaults = std::make_shared<zt::InMemoryUserDefaults>()}};
    zt::ConsoleCapture console;
};

std::vector<zt::WidgetAccount> fiftyAccounts() {
    const auto demo = zt::excludedArchived(zt::WidgetAccount::demo());
    std::vector<zt::WidgetAccount> out;
    for (int i = 0; i < 50; ++i) {
        auto a = demo[static_cast<std::size_t>(i) % demo.size()];
        a.id = "account-" + std::to_string(i);
        a.name += " " + std::to_string(i);
        out.push_back(a);
    }
    return out;
}

void entryScreen(benchmark::State& state, zt::TransactionType type) {
    PinnedDemo pinned;
    const auto accounts = fiftyAccounts();
    auto vm = std::make_shared<zt::MockTransactionEntryViewModel>(
        std::make_shared<zt::MockOverviewDatabase>(), accounts, type);
    vm->setSelectedAccount(accounts[6]); // the euro account: the rate button shows
    vm->selectedReceiverAccount.set(accounts[0]);
    vm->selectedCategoryName.set("Groceries");
    vm->amountText.set("12,5+3");
    vm->descriptionViewModel()->descriptionText.set("Weekly shop");
    const zt::TransactionEntryContainerScreen screen(
        vm, nullptr, [vm] { return zt::MockCategoryPicker(vm).body(); }, {}, {}, {});
    screen.focus(zt::isTransfer(type) ? zt::TransactionEntryField::transferSource
                                      : zt::TransactionEntryField::expenseOrIncome);
    for (auto _ : state) {
        auto tree = screen.body();
        benchmark::DoNotOptimize(tree);
    }
}

void expenseEntryScreen(benchmark::State& state) {
    entryScreen(state, zt::TransactionType::expense);
}
void transferEntryScreen(benchmark::State& state) {
    entryScreen(state, zt::TransactionType::transferSource);
}

// One key of the bar over a text: op is pressed on `start` each iteration.
void calculatorKey(benchmark::State& state, zt::CalculatorOperator op, const std::string& start,
                   const std::string& expected) {
    PinnedDemo pinned;
    std::string text;
    const zt::CalculatorBarView bar(
        zt::ui::Binding<std::string>{[&] { return text; }, [&](std::string v) { text = v; }}, true, {});
    for (auto _ : state) {
        text = start;
        bar.press(op);
        benchmark::DoNotOptimize(text);
    }
    if (text != expected)
        state.SkipWithError("unexpected result");
}

void calculatorKeyPressWithEvaluation(benchmark::State& state) {
    calculatorKey(state, zt::CalculatorOperator::equal, "1234,56+78,9\u00D73", "1471,26");
}
void calculatorOperatorKey(benchmark::State& state) {
    calculatorKey(state, zt::CalculatorOperator::plus, "1234,56", "1234,56+");
}

} // namespace

BENCHMARK(expenseEntryScreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(transferEntryScreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(calculatorKeyPressWithEvaluation)->Unit(benchmark::kMicrosecond);
BENCHMARK(calculatorOperatorKey)->Unit(benchmark::kMicrosecond);
