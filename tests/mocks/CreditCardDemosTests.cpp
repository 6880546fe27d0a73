#include "mocks/CreditCardDemos.h"
#include "platform/Environment.h"
#include "platform/InMemoryNotificationCenter.h"
#include "platform/MainQueue.h"
#include "platform/ui/ViewQuery.h"

#include <gtest/gtest.h>
#include <memory>

using namespace zt;

TEST(CreditCardDemo, ShowsTheDetailsScreenWithSeveralStatementsAndTheEntrySections) {
    auto queue = std::make_shared<ManualMainQueue>();
    const Environment::Override environment{
        {.locale = "en_US", .timeZone = "Europe/Berlin", .now = mocks::demoNow(), .mainQueue = queue}};
    const CreditCardDemo demo(mocks::demoNow(), std::make_shared<InMemoryNotificationCenter>(
                                                    NotificationAuthorizationStatus::authorized));
    queue->runUntilIdle();
    const auto body = demo.body();

    EXPECT_EQ(ui::findAll(body, ui::byId("statementCycle")).size(), 4u);
    EXPECT_TRUE(ui::exists(body, "Travel Rewards Card"));
    EXPECT_TRUE(ui::exists(body, "Last billing cycle"));
    // The newest statement is part paid and due in the future; the older ones are paid in full.
    EXPECT_EQ(ui::findAll(body, "Make a Payment").size(), 1u);
    EXPECT_EQ(ui::findAll(body, "Congrats").size(), 3u);
    EXPECT_TRUE(ui::exists(body, ui::byAccessibilityLabel("Payment due in 9 days, by May 20, 2025")));

    EXPECT_TRUE(ui::exists(body, "Last Statement"));
    EXPECT_TRUE(ui::exists(body, "Card limit"));
    EXPECT_EQ(ui::find(body, ui::byId("remindersSummary")).as<ui::Text>()->content,
              "Same day and Three days before");
    EXPECT_TRUE(demo.entry()->isValidationPassed((*demo.accountBalance())()));

    // Its screens keep their state between redraws.
    ui::press(demo.entrySections(), ui::byId("remindersRow"));
    EXPECT_TRUE(ui::exists(demo.entrySections(), ui::byId("oneWeekBefore")));
    ui::typeText(demo.entrySections(), "Card limit", "500");
    EXPECT_TRUE(ui::exists(demo.entrySections(), "Limit must be greater than current balance."));
}
