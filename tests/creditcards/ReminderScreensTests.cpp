#include "ZTSwiftUIComponents/creditcards/CreditCardRemindersSection.h"
#include "ZTSwiftUIComponents/creditcards/RemindersList.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/Environment.h"
#include "platform/InMemoryNotificationCenter.h"
#include "platform/MainQueue.h"
#include "platform/ui/ViewQuery.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace zt;
using ::testing::ElementsAre;
using Type = ReminderToggleType;
using Status = NotificationAuthorizationStatus;

namespace {

class ReminderScreens : public ::testing::Test {
protected:
    std::shared_ptr<ManualMainQueue> queue = std::make_shared<ManualMainQueue>();
    Environment::Override environment{{.locale = "en_US", .timeZone = "Europe/Berlin", .mainQueue = queue}};
    std::shared_ptr<InMemoryNotificationCenter> center = std::make_shared<InMemoryNotificationCenter>();

    std::shared_ptr<AccountRemindersData> make(std::vector<Type> selected, Status status,
                                               std::optional<std::string> explanation = std::nullopt) {
        center->setAuthorizationStatus(status);
        auto data = AccountRemindersData::create(
            ReminderToggle::reminders(Calendar("Europe/Berlin").date(2025, 5, 20).value(), selected),
            std::move(explanation), center);
        queue->runUntilIdle();
        return data;
    }
};

bool hasCheckMark(const ui::View& view) {
    if (const auto* image = view.as<ui::Image>())
        return image->symbol == "checkmark.circle.fill" &&
               image->color == ui::Color(Theme::shared().accentColor);
    for (const auto& child : view.children())
        if (hasCheckMark(child))
            return true;
    return false;
}

const ui::Section* firstSection(const ui::View& view) {
    if (const auto* section = view.as<ui::Section>())
        return section;
    for (const auto& child : view.children())
        if (const auto* section = firstSection(child))
            return section;
    return nullptr;
}

std::vector<std::string> checkedRows(const ui::View& body) {
    std::vector<std::string> ids;
    for (const char* id : {"sameDay", "oneDayBefore", "threeDaysBefore", "oneWeekBefore"})
        if (hasCheckMark(ui::find(body, ui::byId(id))))
            ids.push_back(id);
    return ids;
}

} // namespace

TEST_F(ReminderScreens, ListShowsEveryReminderWithItsDateAndChecksTheActiveOnes) {
    auto data = make({Type::oneDayBefore}, Status::authorized, "Reminders fire at 9:00.");
    int done = 0;
    const RemindersList list(data, [&] { ++done; });
    auto body = list.body();

    EXPECT_EQ(body.as<ui::NavigationTitle>()->title, "Remind Me");
    const auto texts = ui::visibleTexts(ui::find(body, ui::byId("threeDaysBefore")));
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "Three days before");
    EXPECT_THAT(texts[1], ::testing::StartsWith("May 17, 2025"));
    EXPECT_THAT(texts[1], ::testing::HasSubstr("9:00"));
    EXPECT_EQ(ui::find(body, "Three days before").as<ui::Text>()->style.font, ui::Font::headline);
    EXPECT_EQ(ui::find(body, ui::byTextContaining("May 17")).as<ui::Text>()->style.font,
              ui::Font::subheadline);
    ASSERT_NE(firstSection(body), nullptr);
    EXPECT_EQ(firstSection(body)->footer, "Reminders fire at 9:00.");
    EXPECT_THAT(checkedRows(body), ElementsAre("oneDayBefore"));

    // Tapping a row switches it at once.
    int published = 0;
    const auto subscription = data->reminders.observe([&](const auto&) { ++published; });
    ui::press(body, "One day before");
    ui::press(body, "One week before");
    EXPECT_EQ(published, 2);
    body = list.body();
    EXPECT_THAT(checkedRows(body), ElementsAre("oneWeekBefore"));
    EXPECT_EQ(data->remindersSummary(), "One week before");

    ui::press(body, "Done");
    EXPECT_EQ(done, 1);
}

TEST_F(ReminderScreens, AuthorisedRowOpensAndClosesTheList) {
    const CreditCardRemindersSection section(make({Type::sameDay, Type::oneWeekBefore}, Status::authorized));
    auto body = section.body();
    EXPECT_TRUE(ui::exists(body, "Reminders"));
    EXPECT_EQ(ui::find(body, ui::byId("remindersSummary")).as<ui::Text>()->content,
              "Same day and One week before");
    EXPECT_FALSE(ui::exists(body, "Remind Me"));

    ui::press(body, ui::byId("remindersRow"));
    EXPECT_TRUE(section.isReminderListVisible());
    body = section.body();
    EXPECT_TRUE(ui::exists(body, ui::byId("oneDayBefore")));

    // Switching in the sheet updates the row behind it.
    ui::press(body, "Three days before");
    body = section.body();
    EXPECT_EQ(ui::find(body, ui::byId("remindersSummary")).as<ui::Text>()->content,
              "Same day, Three days before, and One week before");

    ui::press(body, "Done");
    EXPECT_FALSE(section.isReminderListVisible());
    body = section.body();
    EXPECT_FALSE(ui::exists(body, ui::byId("oneDayBefore")));

    // Tapping the row again toggles; the sheet's own dismissal also closes it.
    ui::press(body, ui::byId("remindersRow"));
    ui::dismiss(section.body(), "Remind Me");
    EXPECT_FALSE(section.isReminderListVisible());
}

TEST_F(ReminderScreens, UndeterminedRowAsksFirstAndDeniedRowOpensTheSettings) {
    const CreditCardRemindersSection section(make({Type::sameDay}, Status::notDetermined));
    auto body = section.body();
    EXPECT_EQ(ui::find(body, ui::byId("remindersSummary")).as<ui::Text>()->content, "Allow Notifications");
    ui::press(body, ui::byId("remindersRow"));
    EXPECT_FALSE(section.isReminderListVisible());
    queue->runUntilIdle();
    EXPECT_EQ(center->promptCount(), 1u);
    body = section.body();
    EXPECT_EQ(ui::find(body, ui::byId("remindersSummary")).as<ui::Text>()->content, "Same day");
    EXPECT_FALSE(section.isReminderListVisible());

    center->setRequestOutcome(InMemoryNotificationCenter::RequestOutcome::refuse);
    const CreditCardRemindersSection refused(make({Type::sameDay}, Status::notDetermined));
    ui::press(refused.body(), ui::byId("remindersRow"));
    queue->runUntilIdle();
    EXPECT_EQ(ui::find(refused.body(), ui::byId("remindersSummary")).as<ui::Text>()->content,
              "Allow Notifications");
    ui::press(refused.body(), ui::byId("remindersRow"));
    queue->runUntilIdle();
    EXPECT_EQ(center->settingsPageOpenCount(), 1u);
    EXPECT_FALSE(refused.isReminderListVisible());
}

TEST_F(ReminderScreens, GermanTexts) {
    const Environment::Override german{{.locale = "de_DE"}};
    const CreditCardRemindersSection section(make({Type::sameDay}, Status::authorized));
    ui::press(section.body(), ui::byId("remindersRow"));
    const auto body = section.body();
    EXPECT_TRUE(ui::exists(body, "Erinnerungen"));
    EXPECT_TRUE(ui::exists(body, "Erinnern"));
    EXPECT_TRUE(ui::exists(body, "Fertig"));
    EXPECT_TRUE(ui::exists(body, "Eine Woche vorher"));
    EXPECT_THAT(ui::visibleTexts(ui::find(body, ui::byId("sameDay"))),
                ElementsAre("Am selben Tag", ::testing::StartsWith("20.05.2025")));
}
