// The accounts screen with 1,000 accounts in 50 groups: one iteration is one body() as the host
// calls it after a change, every group expanded, with the summary header (goal: under 3 ms).
#include "ZTSwiftUIComponents/accounts/AccountList.h"
#include "mocks/MockAccountListStore.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

std::vector<zt::AccountGroupItem> makeGroups(int groups, int perGroup) {
    const auto demo = zt::WidgetAccount::demo();
    std::vector<zt::AccountGroupItem> out;
    for (int g = 0; g < groups; ++g) {
        zt::AccountGroupItem group{g == 0 ? "nogroup" : "group-" + std::to_string(g),
                                   "Group " + std::to_string(g),
                                   false,
                                   "$1,234.56",
                                   {}};
        for (int i = 0; i < perGroup; ++i) {
            auto account = demo[static_cast<std::size_t>(g * perGroup + i) % demo.size()];
            account.id = "account-" + std::to_string(g * perGroup + i);
            account.name += " " + std::to_string(i);
            account.isArchived = false;
            group.add(std::move(account));
        }
        out.push_back(std::move(group));
    }
    return out;
}

void accountListBody(benchmark::State& state) {
    zt::Environment::Override environment({.locale = "en_US",
                                           .mainQueue = std::make_shared<zt::ManualMainQueue>(),
                                           .userDefaults = std::make_shared<zt::InMemoryUserDefaults>()});
    const auto store =
        std::make_shared<zt::MockAccountListStore>(makeGroups(50, 20), std::vector<zt::WidgetAccount>{});
    store->setSyncingBankAccountIds({"account-3", "account-500"});
    zt::AccountList::Config config(true, true, false, false);
    config.isHeaderVisible = true;
    const zt::AccountList screen(store, config, {}, {}, {});
    for (auto _ : state) {
        auto body = screen.body();
        benchmark::DoNotOptimize(body.children().size());
    }
}

} // namespace

BENCHMARK(accountListBody)->Unit(benchmark::kMicrosecond);
