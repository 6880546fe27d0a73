#include "mocks/MockSyncManager.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

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

TEST_F(MockSyncManagerTest, StartsIdleAndEnabled) {
    const MockSyncManager sync;
    EXPECT_TRUE(sync.isSyncEnabled());
    EXPECT_FALSE(sync.isSyncing());
    EXPECT_EQ(sync.progress(), 0.0);
    EXPECT_EQ(sync.refreshMessage(), "");
}

TEST_F(MockSyncManagerTest, ShowsItsMessagesInTurnAndFinishesAfterThreeSeconds) {
    MockSyncManager sync;
    std::vector<std::string> messages;
    auto sub = sync.refreshMessage.observe([&](const std::string& m) { messages.push_back(m); });
    int completions = 0;
    sync.sync([&] { ++completions; });

    EXPECT_TRUE(sync.isSyncing());
    EXPECT_EQ(sync.refreshMessage(), "Syncing...");
    ASSERT_EQ(console.lines().size(), 1u);
    EXPECT_EQ(console.lines()[0], "⏰ Sync started at: May 15, 2025, 12:00:00\u202fPM");

    queue->advance(1);
    EXPECT_EQ(sync.refreshMessage(), "Syncing... (1)");
    queue->advance(1);
    EXPECT_EQ(sync.refreshMessage(), "Syncing... (2)");
    EXPECT_GT(sync.progress(), 0.5);
    queue->advance(0.999);
    EXPECT_TRUE(sync.isSyncing());
    EXPECT_EQ(completions, 0);

    queue->advance(0.001);
    EXPECT_FALSE(sync.isSyncing());
    EXPECT_EQ(sync.progress(), 1.0);
    EXPECT_EQ(completions, 1);
    EXPECT_THAT(messages, ElementsAre("Syncing...", "Syncing... (1)", "Syncing... (2)", ""));
    ASSERT_EQ(console.lines().size(), 2u);
    EXPECT_EQ(console.lines()[1], "⏰ Sync finished at: May 15, 2025, 12:00:03\u202fPM");
    EXPECT_TRUE(queue->isIdle());
}

TEST_F(MockSyncManagerTest, AManagerGoneMidSyncLeavesItsStepsHarmlessButCompletes) {
    auto sync = std::make_unique<MockSyncManager>();
    int completions = 0;
    sync->sync([&] { ++completions; });
    queue->advance(1.5);
    sync.reset();
    queue->drain();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(console.lines().size(), 1u); // no finish line from a manager that is gone
}
