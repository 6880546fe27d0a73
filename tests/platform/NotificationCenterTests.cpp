#include "platform/Environment.h"
#include "platform/InMemoryNotificationCenter.h"
#include "platform/MainQueue.h"
#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace zt;
using Status = NotificationAuthorizationStatus;
using Outcome = InMemoryNotificationCenter::RequestOutcome;

namespace {

class InMemoryNotificationCenterTest : public ::testing::Test {
protected:
    std::shared_ptr<ManualMainQueue> queue = std::make_shared<ManualMainQueue>();
    Environment::Override environment{{.mainQueue = queue}};

    struct Answer {
        bool granted;
        std::optional<NotificationError> error;
    };
    static std::optional<Answer> request(InMemoryNotificationCenter& center, ManualMainQueue& q) {
        std::optional<Answer> answer;
        center.requestAuthorization({.badge = true, .sound = true, .alert = true},
                                    [&](bool granted, const std::optional<NotificationError>& error) {
                                        answer = Answer{granted, error};
                                    });
        q.runUntilIdle();
        return answer;
    }
    static Status readStatus(InMemoryNotificationCenter& center, ManualMainQueue& q) {
        std::optional<Status> status;
        center.getNotificationSettings(
            [&](const NotificationSettings& s) { status = s.authorizationStatus; });
        q.runUntilIdle();
        return status.value();
    }
};

} // namespace

TEST_F(InMemoryNotificationCenterTest, CompletionsWaitForTheMainQueueAndKeepTheirOrder) {
    InMemoryNotificationCenter center(Status::denied);
    std::vector<std::string> order;
    center.getNotificationSettings([&](const NotificationSettings& s) {
        order.push_back(s.authorizationStatus == Status::denied ? "settings denied" : "settings other");
    });
    center.openNotificationSettings([&](bool opened) { order.push_back(opened ? "opened" : "not opened"); });
    // The settings answer as they were when asked, not as they are when the queue runs.
    center.setAuthorizationStatus(Status::authorized);
    EXPECT_TRUE(order.empty());
    EXPECT_EQ(queue->pendingCount(), 2u);
    queue->runUntilIdle();
    EXPECT_EQ(order, (std::vector<std::string>{"settings denied", "opened"}));
    EXPECT_EQ(center.settingsReadCount(), 1u);
    EXPECT_EQ(center.settingsPageOpenCount(), 1u);
}

TEST_F(InMemoryNotificationCenterTest, TheFirstRequestAsksTheUserLaterOnesAnswerFromTheStatus) {
    InMemoryNotificationCenter granting;
    const auto granted = request(granting, *queue);
    ASSERT_TRUE(granted);
    EXPECT_TRUE(granted->granted);
    EXPECT_FALSE(granted->error);
    EXPECT_EQ(readStatus(granting, *queue), Status::authorized);
    // Asked once only; a second request answers without a prompt, even if the user would now refuse.
    granting.setRequestOutcome(Outcome::refuse);
    EXPECT_TRUE(request(granting, *queue)->granted);
    EXPECT_EQ(granting.promptCount(), 1u);
    ASSERT_EQ(granting.requestedOptions().size(), 2u);
    EXPECT_EQ(granting.requestedOptions()[0],
              (NotificationAuthorizationOptions{.badge = true, .sound = true, .alert = true}));

    InMemoryNotificationCenter refusing(Status::notDetermined, Outcome::refuse);
    const auto refused = request(refusing, *queue);
    EXPECT_FALSE(refused->granted);
    EXPECT_FALSE(refused->error);
    EXPECT_EQ(readStatus(refusing, *queue), Status::denied);

    // Provisional permission is not a yes to a full request, and asks no one.
    InMemoryNotificationCenter provisional(Status::provisional);
    EXPECT_FALSE(request(provisional, *queue)->granted);
    EXPECT_EQ(provisional.promptCount(), 0u);
    EXPECT_EQ(readStatus(provisional, *queue), Status::provisional);
}

TEST_F(InMemoryNotificationCenterTest, AFailedRequestReportsAnErrorAndLeavesTheStatusUndetermined) {
    InMemoryNotificationCenter center(Status::notDetermined, Outcome::fail);
    const auto answer = request(center, *queue);
    ASSERT_TRUE(answer);
    EXPECT_FALSE(answer->granted);
    ASSERT_TRUE(answer->error);
    EXPECT_FALSE(answer->error->message.empty());
    EXPECT_EQ(readStatus(center, *queue), Status::notDetermined);
    EXPECT_EQ(center.promptCount(), 0u);
}

TEST_F(InMemoryNotificationCenterTest, EmptyCompletionsAreAllowed) {
    InMemoryNotificationCenter center;
    center.getNotificationSettings({});
    center.requestAuthorization({}, {});
    center.openNotificationSettings();
    EXPECT_EQ(queue->runUntilIdle(), 3u);
    EXPECT_EQ(center.authorizationStatus(), Status::authorized);
}

TEST(NotificationCenterCurrent, TheHostsCentreReplacesTheInMemoryDefault) {
    const auto before = NotificationCenter::current();
    ASSERT_NE(before, nullptr);
    auto host = std::make_shared<InMemoryNotificationCenter>(Status::denied);
    NotificationCenter::setCurrent(host);
    EXPECT_EQ(NotificationCenter::current(), host);
    NotificationCenter::setCurrent(nullptr); // ignored
    EXPECT_EQ(NotificationCenter::current(), host);
    NotificationCenter::setCurrent(before);
}
