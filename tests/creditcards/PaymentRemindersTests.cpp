#include "ZTSwiftUIComponents/creditcards/AccountRemindersData.h"
#include "ZTSwiftUIComponents/creditcards/PaymentDueDateReminderGenerator.h"
#include "ZTSwiftUIComponents/creditcards/ReminderToggle.h"
#include "platform/Environment.h"
#include "platform/InMemoryNotificationCenter.h"
#include "platform/MainQueue.h"

#include <algorithm>
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

class ReminderDates : public ::testing::Test {
protected:
    Environment::Override environment{{.locale = "en_US", .timeZone = "Europe/Berlin"}};
    Calendar berlin{"Europe/Berlin"};

    Date at(int y, int m, int d, int h = 0, int mi = 0) const { return berlin.date(y, m, d, h, mi).value(); }

    static std::vector<Date> dates(const std::vector<ReminderToggle>& reminders) {
        std::vector<Date> out;
        for (const auto& r : reminders)
            out.push_back(r.date);
        return out;
    }
};

} // namespace

TEST_F(ReminderDates, FourRemindersInTypeOrderAtNineWhateverTheDueTime) {
    const auto reminders =
        ReminderToggle::reminders(at(2025, 5, 20, 17, 45), {Type::oneWeekBefore, Type::sameDay});
    EXPECT_THAT(dates(reminders),
                ElementsAre(at(2025, 5, 20, 9), at(2025, 5, 19, 9), at(2025, 5, 17, 9), at(2025, 5, 13, 9)));
    ASSERT_EQ(reminders.size(), 4u);
    EXPECT_EQ(reminders[0].id, "sameDay");
    EXPECT_EQ(reminders[1].id, "oneDayBefore");
    EXPECT_EQ(reminders[2].id, "threeDaysBefore");
    EXPECT_EQ(reminders[3].id, "oneWeekBefore");
    EXPECT_EQ(reminders[3].name, "One week before");
    EXPECT_EQ(reminders[3].type, Type::oneWeekBefore);
    // Selection keeps type order, not the order asked for.
    EXPECT_TRUE(reminders[0].isActive);
    EXPECT_FALSE(reminders[1].isActive);
    EXPECT_FALSE(reminders[2].isActive);
    EXPECT_TRUE(reminders[3].isActive);

    // A due date at midnight belongs to its own day, not to the day before.
    EXPECT_EQ(PaymentDueDateReminderGenerator(at(2025, 5, 20)).paymentDueDate(), at(2025, 5, 20, 9));
    EXPECT_EQ(PaymentDueDateReminderGenerator(at(2025, 5, 20, 23, 59)).paymentDueDate(), at(2025, 5, 20, 9));
}

TEST_F(ReminderDates, RemindersBeforeTheFirstOfAMonthFallInThePreviousMonth) {
    EXPECT_THAT(dates(ReminderToggle::reminders(at(2025, 3, 1), {})),
                ElementsAre(at(2025, 3, 1, 9), at(2025, 2, 28, 9), at(2025, 2, 26, 9), at(2025, 2, 22, 9)));
    // Across a year boundary and a leap day.
    EXPECT_THAT(dates(ReminderToggle::reminders(at(2024, 3, 2), {})),
                ElementsAre(at(2024, 3, 2, 9), at(2024, 3, 1, 9), at(2024, 2, 28, 9), at(2024, 2, 24, 9)));
    EXPECT_THAT(dates(ReminderToggle::reminders(at(2026, 1, 3), {})),
                ElementsAre(at(2026, 1, 3, 9), at(2026, 1, 2, 9), at(2025, 12, 31, 9), at(2025, 12, 27, 9)));
}

TEST_F(ReminderDates, ADaylightSavingChangeInBetweenKeepsNineOClock) {
    // Clocks went forward on 30 March 2025 and back on 26 October 2025.
    for (const Date due : {at(2025, 3, 31, 12), at(2025, 3, 30, 12), at(2025, 10, 28), at(2025, 10, 26, 4)}) {
        SCOPED_TRACE(due.secondsSinceReferenceDate);
        for (const auto& reminder : ReminderToggle::reminders(due, {})) {
            EXPECT_EQ(berlin.component(CalendarComponent::hour, reminder.date), 9) << reminder.id;
            EXPECT_EQ(berlin.component(CalendarComponent::minute, reminder.date), 0) << reminder.id;
        }
    }
    // So the gaps are not whole multiples of 24 hours.
    const auto spring = ReminderToggle::reminders(at(2025, 3, 31), {});
    EXPECT_EQ(spring[0].date - spring[2].date, 3 * 86400.0 - 3600);
    const auto autumn = ReminderToggle::reminders(at(2025, 10, 28), {});
    EXPECT_EQ(autumn[0].date - autumn[3].date, 7 * 86400.0 + 3600);
}

TEST_F(ReminderDates, ADayThatStartsAtOneStillRemindsAtNine) {
    // Santiago skips midnight when its summer time begins (7 September 2025).
    const Environment::Override santiago{{.timeZone = "America/Santiago"}};
    const Calendar chile("America/Santiago");
    const PaymentDueDateReminderGenerator generator(chile.date(2025, 9, 7, 12).value());
    EXPECT_EQ(generator.calendar().timeZoneIdentifier(), "America/Santiago");
    EXPECT_EQ(generator.paymentDueDate(), chile.date(2025, 9, 7, 9).value());
    const auto reminders = generator.generateReminders({Type::threeDaysBefore, Type::threeDaysBefore});
    EXPECT_EQ(reminders[1].date, chile.date(2025, 9, 6, 9).value());
    EXPECT_TRUE(reminders[2].isActive);
    EXPECT_EQ(std::count_if(reminders.begin(), reminders.end(), [](const auto& r) { return r.isActive; }), 1);
}

TEST(ReminderToggleType, RawValuesNamesAndMessages) {
    const Environment::Override english{{.locale = "en_US"}};
    EXPECT_EQ(fromRawValue<Type>("threeDaysBefore"), Type::threeDaysBefore);
    EXPECT_EQ(fromRawValue<Type>("twoDaysBefore"), std::nullopt);
    EXPECT_EQ(fromRawValue<Type>("SameDay"), std::nullopt);
    EXPECT_THAT(allCases<Type>(),
                ElementsAre(Type::sameDay, Type::oneDayBefore, Type::threeDaysBefore, Type::oneWeekBefore));
    EXPECT_EQ(notificationMessage(Type::sameDay), "You must pay your statement due amount today.");
    EXPECT_EQ(notificationMessage(Type::oneWeekBefore), "You have one week to make a payment.");

    const Environment::Override german{{.locale = "de_DE"}};
    EXPECT_EQ(displayName(Type::threeDaysBefore), "Drei Tage vorher");
    EXPECT_EQ(notificationMessage(Type::oneDayBefore),
              "Du hast bis morgen Zeit, den fälligen Betrag deiner Kartenabrechnung zu bezahlen.");
}

TEST(ReminderToggle, HashedByIdentifierOnly) {
    const ReminderToggle a{"sameDay", "Same day", Date{0}, false, Type::sameDay};
    ReminderToggle b = a;
    b.isActive = true;
    b.date = Date{86400};
    EXPECT_NE(a, b);
    EXPECT_EQ(std::hash<ReminderToggle>{}(a), std::hash<ReminderToggle>{}(b));
}

namespace {

class RemindersData : public ::testing::Test {
protected:
    std::shared_ptr<ManualMainQueue> queue = std::make_shared<ManualMainQueue>();
    Environment::Override environment{{.locale = "en_US", .timeZone = "Europe/Berlin", .mainQueue = queue}};
    std::shared_ptr<InMemoryNotificationCenter> center = std::make_shared<InMemoryNotificationCenter>();

    std::shared_ptr<AccountRemindersData> make(std::vector<Type> selected,
                                               Status status = Status::authorized) {
        center->setAuthorizationStatus(status);
        auto data = AccountRemindersData::create(
            ReminderToggle::reminders(Calendar("Europe/Berlin").date(2025, 5, 20).value(), selected),
            std::nullopt, center);
        queue->runUntilIdle();
        return data;
    }
};

} // namespace

TEST_F(RemindersData, TheStatusIsReadThroughTheMainQueueAfterConstruction) {
    center->setAuthorizationStatus(Status::authorized);
    auto data =
        AccountRemindersData::create(ReminderToggle::reminders(Date{0}, {Type::sameDay}), "Why", center);
    std::vector<Status> heard;
    const auto subscription = data->authorizationStatus.observe([&](Status s) { heard.push_back(s); });
    EXPECT_EQ(data->authorizationStatus(), Status::notDetermined);
    EXPECT_EQ(data->remindersSummary(), "Allow Notifications");
    EXPECT_EQ(center->settingsReadCount(), 0u); // not even asked before the queue runs
    queue->runUntilIdle();
    EXPECT_THAT(heard, ElementsAre(Status::authorized));
    EXPECT_EQ(data->remindersSummary(), "Same day");
    EXPECT_EQ(data->explanation, "Why");

    // A data object that is gone by then is not written to.
    auto gone = AccountRemindersData::create({}, std::nullopt, center);
    gone.reset();
    EXPECT_NO_THROW(queue->runUntilIdle());
}

TEST_F(RemindersData, SummaryListsTheActiveRemindersInListOrder) {
    EXPECT_EQ(make({})->remindersSummary(), "None");
    EXPECT_EQ(make({Type::threeDaysBefore})->remindersSummary(), "Three days before");
    EXPECT_EQ(make({Type::oneWeekBefore, Type::sameDay})->remindersSummary(), "Same day and One week before");
    EXPECT_EQ(make({Type::threeDaysBefore, Type::sameDay, Type::oneDayBefore})->remindersSummary(),
              "Same day, One day before, and Three days before");
    {
        const Environment::Override british{{.locale = "en_GB"}};
        EXPECT_EQ(make({Type::threeDaysBefore, Type::sameDay, Type::oneDayBefore})->remindersSummary(),
                  "Same day, One day before and Three days before");
    }
    const auto data = make({Type::sameDay, Type::oneWeekBefore});
    const Environment::Override german{{.locale = "de_DE"}};
    // Names are fixed when the reminders are made; the joining follows the locale of the read.
    EXPECT_EQ(data->remindersSummary(), "Same day und One week before");
    EXPECT_EQ(make({})->remindersSummary(), "Keine");
    EXPECT_EQ(make({Type::sameDay, Type::oneDayBefore})->remindersSummary(),
              "Am selben Tag und Einen Tag vorher");
}

TEST_F(RemindersData, SummaryAsksForNotificationsUnlessFullyAuthorised) {
    for (const Status status :
         {Status::notDetermined, Status::denied, Status::provisional, Status::ephemeral}) {
        SCOPED_TRACE(static_cast<int>(status));
        const auto data = make({Type::sameDay}, status);
        EXPECT_EQ(data->authorizationStatus(), status);
        EXPECT_EQ(data->remindersSummary(), "Allow Notifications");
        const Environment::Override german{{.locale = "de_DE"}};
        EXPECT_EQ(data->remindersSummary(), "Mitteilungen Erlauben");
    }
}

TEST_F(RemindersData, SelectedRemindersAndTogglingPublishTheList) {
    auto data = make({Type::oneDayBefore});
    int published = 0;
    const auto subscription = data->reminders.observe([&](const auto&) { ++published; });
    data->toggleReminder("oneWeekBefore");
    data->toggleReminder("oneDayBefore");
    data->toggleReminder("sameDay");
    data->toggleReminder("nextYear"); // unknown: nothing to publish
    EXPECT_EQ(published, 3);
    const auto selected = data->selectedReminders();
    ASSERT_EQ(selected.size(), 2u);
    EXPECT_EQ(selected[0].id, "sameDay");
    EXPECT_EQ(selected[1].id, "oneWeekBefore");
}

TEST_F(RemindersData, RowActionFollowsTheStoredStatus) {
    int toggled = 0;
    const auto toggle = [&] { ++toggled; };

    auto authorized = make({}, Status::authorized);
    authorized->reminderRowDidPress(toggle);
    authorized->reminderRowDidPress(toggle);
    EXPECT_EQ(toggled, 2);
    EXPECT_TRUE(center->requestedOptions().empty());

    auto denied = make({}, Status::denied);
    denied->reminderRowDidPress(toggle);
    queue->runUntilIdle();
    EXPECT_EQ(center->settingsPageOpenCount(), 1u);
    EXPECT_EQ(toggled, 2);

    for (const Status status : {Status::provisional, Status::ephemeral}) {
        auto quiet = make({}, status);
        quiet->reminderRowDidPress(toggle);
        queue->runUntilIdle();
    }
    EXPECT_EQ(toggled, 2);
    EXPECT_EQ(center->settingsPageOpenCount(), 1u);
    EXPECT_TRUE(center->requestedOptions().empty());
}

TEST_F(RemindersData, AnUndeterminedStatusAsksAndThenRereadsTheSettings) {
    using Outcome = InMemoryNotificationCenter::RequestOutcome;
    struct Case {
        Outcome outcome;
        Status after;
        std::string summary;
    };
    for (const auto& [outcome, after, summary] :
         {Case{Outcome::grant, Status::authorized, "Same day"},
          Case{Outcome::refuse, Status::denied, "Allow Notifications"},
          Case{Outcome::fail, Status::notDetermined, "Allow Notifications"}}) {
        SCOPED_TRACE(summary);
        center->setRequestOutcome(outcome);
        auto data = make({Type::sameDay}, Status::notDetermined);
        const std::size_t readsBefore = center->settingsReadCount();
        data->reminderRowDidPress([] { FAIL() << "the list must not open before authorisation"; });
        EXPECT_EQ(data->authorizationStatus(), Status::notDetermined);
        queue->runUntilIdle();
        EXPECT_EQ(center->requestedOptions().back(),
                  (NotificationAuthorizationOptions{.badge = true, .sound = true, .alert = true}));
        EXPECT_EQ(center->settingsReadCount(), readsBefore + 1);
        EXPECT_EQ(data->authorizationStatus(), after);
        EXPECT_EQ(data->remindersSummary(), summary);
    }
}
