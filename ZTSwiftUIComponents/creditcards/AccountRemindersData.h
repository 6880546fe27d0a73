#pragma once

#include "ZTSwiftUIComponents/creditcards/ReminderToggle.h"
#include "platform/DateFormatter.h"
#include "platform/ListFormatter.h"
#include "platform/NotificationCenter.h"
#include "platform/Published.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The payment-due reminder choices of one card and whether notifications are allowed at all.
/// Main thread. Created through create(): the notification centre answers later on the main
/// queue, and those answers reach the object only while it is alive.
class AccountRemindersData : public ObservableObject,
                             public std::enable_shared_from_this<AccountRemindersData> {
public:
    /// Starts reading the notification settings on the main queue; until that read is answered
    /// the status is notDetermined.
    static std::shared_ptr<AccountRemindersData>
    create(std::vector<ReminderToggle> reminders, std::optional<std::string> explanation = std::nullopt,
           std::shared_ptr<NotificationCenter> notificationCenter = NotificationCenter::current());

    /// The four choices in type order.
    Published<std::vector<ReminderToggle>> reminders;
    Published<NotificationAuthorizationStatus> authorizationStatus{
        *this, NotificationAuthorizationStatus::notDetermined};

    /// Joins the active reminders' names as the locale writes a list.
    ListFormatter listFormatter;
    /// Shown under the reminder list.
    std::optional<std::string> explanation;
    /// Trigger dates: medium date, short time.
    DateFormatter formatter;

    NotificationCenter& notificationCenter() const { return *notificationCenter_; }

    /// The active reminders, in list order.
    std::vector<ReminderToggle> selectedReminders() const;
    /// What the reminders row shows: "Allow Notifications" (each word capitalised as the locale
    /// does) unless notifications are authorised (provisional and ephemeral are not), else "None"
    /// when no reminder is active, else the active reminders' names as a list.
    std::string remindersSummary() const;

    /// Flips the reminder's isActive and publishes the list; an unknown id changes nothing.
    void toggleReminder(const std::string& id);

    /// The reminders row was tapped. Authorised: toggleReminderList runs (the list sheet opens
    /// or closes). Not determined: authorisation is requested for badge, sound and alert, and
    /// the status is read again whatever the answer. Denied: the notification settings page
    /// opens. Otherwise nothing happens.
    void reminderRowDidPress(const std::function<void()>& toggleReminderList);

    /// Reads the notification settings again; their status is stored on the main queue.
    void refreshAuthorizationStatus();

private:
    AccountRemindersData(std::vector<ReminderToggle> reminders, std::optional<std::string> explanation,
                         std::shared_ptr<NotificationCenter> notificationCenter);

    std::shared_ptr<NotificationCenter> notificationCenter_;
};

} // namespace zt
