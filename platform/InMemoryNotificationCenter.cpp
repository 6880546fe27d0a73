#include "InMemoryNotificationCenter.h"

#include "platform/Environment.h"
#include "platform/MainQueue.h"

#include <utility>

namespace zt {

InMemoryNotificationCenter::InMemoryNotificationCenter(NotificationAuthorizationStatus status,
                                                       RequestOutcome outcome)
    : status_(status), outcome_(outcome) {}

void InMemoryNotificationCenter::getNotificationSettings(SettingsCompletion completion) {
    ++settingsReads_;
    // The settings as they are now, not as they will be when the queue gets to it.
    const NotificationSettings settings{status_};
    Environment::current().mainQueue().async([completion = std::move(completion), settings] {
        if (completion)
            completion(settings);
    });
}

void InMemoryNotificationCenter::requestAuthorization(NotificationAuthorizationOptions options,
                                                      AuthorizationCompletion completion) {
    requests_.push_back(options);
    bool granted = status_ == NotificationAuthorizationStatus::authorized;
    std::optional<NotificationError> error;
    if (status_ == NotificationAuthorizationStatus::notDetermined) {
        switch (outcome_) {
        case RequestOutcome::grant:
            ++prompts_;
            status_ = NotificationAuthorizationStatus::authorized;
            granted = true;
            break;
        case RequestOutcome::refuse:
            ++prompts_;
            status_ = NotificationAuthorizationStatus::denied;
            granted = false;
            break;
        case RequestOutcome::fail:
            granted = false;
            error = NotificationError{"Notifications are not allowed for this application."};
            break;
        }
    }
    Environment::current().mainQueue().async([completion = std::move(completion), granted, error] {
        if (completion)
            completion(granted, error);
    });
}

void InMemoryNotificationCenter::openNotificationSettings(OpenCompletion completion) {
    ++settingsPageOpens_;
    Environment::current().mainQueue().async([completion = std::move(completion)] {
        if (completion)
            completion(true);
    });
}

} // namespace zt
