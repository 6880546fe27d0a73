#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// Whether the user lets the application post local notifications.
enum class NotificationAuthorizationStatus {
    notDetermined, // never asked
    denied,
    authorized,
    provisional, // delivered quietly, without having asked
    ephemeral,   // granted for a limited time to an application clip
};

/// What a notification may do; asked for in one authorisation request.
struct NotificationAuthorizationOptions {
    /// May set the badge number of the application icon.
    bool badge = false;
    /// May play a sound.
    bool sound = false;
    /// May show an alert or banner.
    bool alert = false;

    /// Equal when every field is.
    bool operator==(const NotificationAuthorizationOptions&) const = default;
};

/// The notification settings of the application as the platform reports them.
struct NotificationSettings {
    /// Whether the user lets the application post notifications.
    NotificationAuthorizationStatus authorizationStatus = NotificationAuthorizationStatus::notDetermined;

    /// Equal when every field is.
    bool operator==(const NotificationSettings&) const = default;
};

/// Why an authorisation request failed (not a refusal: the request itself could not be made).
struct NotificationError {
    /// The platform's description of the failure.
    std::string message;

    /// Equal when every field is.
    bool operator==(const NotificationError&) const = default;
};

/// The platform's local-notification centre, as far as the library uses it: reading the
/// settings, asking for authorisation and sending the user to the settings page. Scheduling the
/// notifications is the host's work.
///
/// Every completion runs later on the environment's main queue, never inside the call that was
/// given it, so callers see the same order whether the platform answers at once or not.
class NotificationCenter {
public:
    /// Receives the current settings.
    using SettingsCompletion = std::function<void(const NotificationSettings&)>;
    /// granted, and the failure when the request could not be made (granted is then false).
    using AuthorizationCompletion = std::function<void(bool, const std::optional<NotificationError>&)>;
    /// Whether the settings page could be opened.
    using OpenCompletion = std::function<void(bool)>;

    virtual ~NotificationCenter() = default;

    /// Reads the application's notification settings and hands them to completion.
    virtual void getNotificationSettings(SettingsCompletion completion) = 0;
    /// Asks the user once; once the status is determined, answers without asking again.
    virtual void requestAuthorization(NotificationAuthorizationOptions options,
                                      AuthorizationCompletion completion) = 0;
    /// Opens the platform's notification settings page of this application.
    virtual void openNotificationSettings(OpenCompletion completion = {}) = 0;

    /// The process's notification centre: the one the host installed with setCurrent(), else an
    /// in-memory centre that has not asked the user yet. Main thread.
    static std::shared_ptr<NotificationCenter> current();
    /// Installs the host's centre; a null centre is ignored.
    static void setCurrent(std::shared_ptr<NotificationCenter> center);
};

} // namespace zt
