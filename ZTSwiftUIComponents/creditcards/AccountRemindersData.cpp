#include "AccountRemindersData.h"

#include "platform/Environment.h"
#include "platform/LocaleNames.h"
#include "platform/MainQueue.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

#include <utility>

namespace zt {

AccountRemindersData::AccountRemindersData(std::vector<ReminderToggle> reminders,
                                           std::optional<std::string> explanation,
                                           std::shared_ptr<NotificationCenter> notificationCenter)
    : reminders(*this, std::move(reminders)), explanation(std::move(explanation)),
      formatter(DateFormatter::withStyles(DateFormatter::Style::medium, DateFormatter::Style::short_)),
      notificationCenter_(notificationCenter ? std::move(notificationCenter)
                                             : NotificationCenter::current()) {}

std::shared_ptr<AccountRemindersData>
AccountRemindersData::create(std::vector<ReminderToggle> reminders, std::optional<std::string> explanation,
                             std::shared_ptr<NotificationCenter> center) {
    std::shared_ptr<AccountRemindersData> data(
        new AccountRemindersData(std::move(reminders), std::move(explanation), std::move(center)));
    MainQueue::main().async(weakCallback(data, &AccountRemindersData::refreshAuthorizationStatus));
    return data;
}

std::vector<ReminderToggle> AccountRemindersData::selectedReminders() const {
    std::vector<ReminderToggle> selected;
    for (const auto& reminder : reminders())
        if (reminder.isActive)
            selected.push_back(reminder);
    return selected;
}

std::string AccountRemindersData::remindersSummary() const {
    if (authorizationStatus() != NotificationAuthorizationStatus::authorized)
        return LocaleNames::capitalized(LHost("Allow notifications"));
    const auto selected = selectedReminders();
    if (selected.empty())
        return LHost("None");
    std::vector<std::string> names;
    names.reserve(selected.size());
    for (const auto& reminder : selected)
        names.push_back(reminder.name);
    if (auto joined = listFormatter.string(names))
        return *joined;
    // Only a locale ICU cannot use gets here.
    std::string joined;
    for (const auto& name : names)
        joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

void AccountRemindersData::toggleReminder(const std::string& id) {
    auto list = reminders();
    for (auto& reminder : list) {
        if (reminder.id == id) {
            reminder.isActive = !reminder.isActive;
            reminders.set(std::move(list));
            return;
        }
    }
}

void AccountRemindersData::reminderRowDidPress(const std::function<void()>& toggleReminderList) {
    switch (authorizationStatus()) {
    case NotificationAuthorizationStatus::authorized:
        if (toggleReminderList)
            toggleReminderList();
        break;
    case NotificationAuthorizationStatus::notDetermined:
        // Granted, refused or failed: the settings tell what came of it.
        notificationCenter_->requestAuthorization(
            NotificationAuthorizationOptions{.badge = true, .sound = true, .alert = true},
            weakCallback(weak_from_this(),
                         [](AccountRemindersData& self, bool, const std::optional<NotificationError>&) {
                             self.refreshAuthorizationStatus();
                         }));
        break;
    case NotificationAuthorizationStatus::denied:
        notificationCenter_->openNotificationSettings();
        break;
    case NotificationAuthorizationStatus::provisional:
    case NotificationAuthorizationStatus::ephemeral:
        break;
    }
}

void AccountRemindersData::refreshAuthorizationStatus() {
    notificationCenter_->getNotificationSettings(
        weakCallback(weak_from_this(), [](AccountRemindersData& self, const NotificationSettings& settings) {
            self.authorizationStatus.set(settings.authorizationStatus);
        }));
}

} // namespace zt
