#include "MockSyncManager.h"

#include "platform/Console.h"
#include "platform/DateFormatter.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

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

    auto& queue = MainQueue::main();
    for (int step = 1; step < messageCount; ++step)
        queue.asyncAfter(step * secondsPerMessage, weakCallback(self_, [step](MockSyncManager* self) {
                             self->refreshMessage.set(message(step));
                             self->progress.set(static_cast<double>(step) / messageCount);
                         }));
    const auto finish = weakCallback(self_, [](MockSyncManager* self) {
        self->progress.set(1);
        self->isSyncing.set(false);
        self->refreshMessage.set(std::string{});
        console("⏰ Sync finished at: " + nowText());
    });
    queue.asyncAfter(messageCount * secondsPerMessage, [finish, completion = std::move(completion)] {
        finish();
        if (completion)
            completion();
    });
}

} // namespace zt
