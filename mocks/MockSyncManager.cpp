#include "MockSyncManager.h"

#include "platform/Console.h"
#include "platform/DateFormatter.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/StringTable.h"

namespace zt {

namespace {

constexpr int messageCount = 3;
constexpr double secondsPerMessage = 1.0;

std::string nowText() {
    const auto formatter =
        DateFormatter::withStyles(DateFormatter::Style::medium, DateFormatter::Style::medium);
    return formatter.string(Environment::current().now()).value_or("--");
}

std::string message(int step) {
    const std::string syncing = L("Syncing...", "Shown while the accounts are being synchronised");
    return step == 0 ? syncing : syncing + " (" + std::to_string(step) + ")";
}

} // namespace

MockSyncManager::MockSyncManager() {
    isSyncEnabled.set(true);
}

void MockSyncManager::sync(std::function<void()> completion) {
    console("⏰ Sync started at: " + nowText());
    isSyncing.set(true);
    progress.set(0);
    refreshMessage.set(message(0));

    std::weak_ptr<bool> alive = alive_;
    auto& queue = MainQueue::main();
    for (int step = 1; step < messageCount; ++step)
        queue.asyncAfter(step * secondsPerMessage, [this, alive, step] {
            if (alive.expired())
                return;
            refreshMessage.set(message(step));
            progress.set(static_cast<double>(step) / messageCount);
        });
    queue.asyncAfter(messageCount * secondsPerMessage, [this, alive, completion = std::move(completion)] {
        if (!alive.expired()) {
            progress.set(1);
            isSyncing.set(false);
            refreshMessage.set(std::string{});
            console("⏰ Sync finished at: " + nowText());
        }
        if (completion)
            completion();
    });
}

} // namespace zt
