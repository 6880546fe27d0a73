// A drag in the group editor with 1,000 rows (20 groups of 49 accounts): one iteration is one
// accepted move, which regroups the accounts, rewrites the store's groups and posts the save
// (goal: under 1 ms).
#include "ZTSwiftUIComponents/accounts/EditAccountGroupsScreen.h"
#include "mocks/MockAccountListStore.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

void groupEditorDrag(benchmark::State& state) {
    const auto queue = std::make_shared<zt::ManualMainQueue>();
    zt::Environment::Override environment({.locale = "en_US",
                                           .mainQueue = queue,
                                           .userDefaults = std::make_shared<zt::InMemoryUserDefaults>()});
    zt::ConsoleCapture console;
    std::vector<zt::AccountGroupItem> groups;
    for (int g = 0; g < 20; ++g) {
        zt::AccountGroupItem group{g == 0 ? "nogroup" : "group-" + std::to_string(g),
                                   "Group " + std::to_string(g),
                                   false,
                                   "$0.00",
                                   {}};
        for (int i = 0; i < 49; ++i)
            group.add(zt::WidgetAccount("account-" + std::to_string(g * 49 + i),
                                        "Account " + std::to_string(i), 100.0 * i, zt::AccountType::checking,
                                        "USD", "banknote.fill"));
        groups.push_back(std::move(group));
    }
    const auto store =
        std::make_shared<zt::MockAccountListStore>(std::move(groups), std::vector<zt::WidgetAccount>{});
    const zt::EditAccountGroupsScreen screen(store);
    bool down = true;
    for (auto _ : state) {
        // An account near the top travels to the bottom group and back.
        if (down)
            screen.onMove({1}, 1000);
        else
            screen.onMove({999}, 1);
        down = !down;
        queue->runUntilIdle();
        console.clear();
    }
    state.counters["rows"] = static_cast<double>(screen.sortedIdentifiers().size());
}

} // namespace

BENCHMARK(groupEditorDrag)->Unit(benchmark::kMicrosecond);
