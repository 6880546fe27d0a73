#include "mocks/MockSyncManager.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using ::testing::ElementsAre;

namespace {

class MockSyncManagerTest : public ::testing::Test {
protected:
    std::shared_ptr<ManualMainQueue> queue = std::make_shared<ManualMainQueue>();
    Environment::Override environment{
        {.locale = "en_US",
         .timeZone = "UTC",
         .clock = [this] { return Date::fromUnixSeconds(1747310400 + queue->now()); },
         .mainQueue = queue}};
    ConsoleCapture console;
};

} // namespace

TEST_F(MockSyncManagerTest, ShowsItsMessagesInTurnAndFinishesAfterThreeSeconds) {
    MockSyncManager sync;
    EXPECT_TRUE(sync.isSyncEnabled() && !sync.isSyncing() && sync.refreshMessage().empty());
    std::vector<std::string> messages;
    auto sub = sync.refreshMessage.observe([&](const std::string& m) { messages.push_back(m); });
    int completions = 0;
    sync.sync([&] { ++completions; });
    EXPECT_TRUE(sync.isSyncing());
    queue->advance(2.999);
    EXPECT_EQ(completions, 0);
    EXPECT_THAT(messages, ElementsAre("Syncing...", "Syncing... (1)", "Syncing... (2)"));
    queue->advance(0.001);
    EXPECT_EQ(completions, 1);
    EXPECT_FALSE(sync.isSyncing());
    EXPECT_EQ(sync.progress(), 1.0);
    EXPECT_THAT(console.lines(), ElementsAre("⏰ Sync started at: May 15, 2025, 12:00:00\u202fPM",
                                             "⏰ Sync finished at: May 15, 2025, 12:00:03\u202fPM"));
}

TEST_F(MockSyncManagerTest, AManagerGoneMidSyncLeavesItsStepsHarmlessButCompletes) {
    auto sync = std::make_unique<MockSyncManager>();
    int completions = 0;
    sync->sync([&] { ++completions; });
    queue->advance(1.5);
    sync.reset();
    queue->drain();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(console.lines().size(), 1u);
}
