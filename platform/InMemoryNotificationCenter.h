#pragma once

#include "platform/NotificationCenter.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zt {

/// A notification centre without a platform behind it, for tests, previews and the demo mode.
/// The user's answer to an authorisation request is set beforehand; completions are posted to
/// the environment's main queue at the time of the call. Main thread.
class InMemoryNotificationCenter : public NotificationCenter {
public:
    /// What the simulated user (or platform) does when asked.
    enum class RequestOutcome {
        grant,  // the status becomes authorized
        refuse, // the status becomes denied
        fail,   // the request errs; the status stays as it is
    };

    explicit InMemoryNotificationCenter(
        NotificationAuthorizationStatus status = NotificationAuthorizationStatus::notDetermined,
        RequestOutcome outcome = RequestOutcome::grant);

    void getNotificationSettings(SettingsCompletion completion) override;
    void requestAuthorization(NotificationAuthorizationOptions options,
                              AuthorizationCompletion completion) override;
    void openNotificationSettings(OpenCompletion completion = {}) override;

    /// The status the settings report from now on, as if the user had changed it in the
    /// platform's settings.
    void setAuthorizationStatus(NotificationAuthorizationStatus status) { status_ = status; }
    NotificationAuthorizationStatus authorizationStatus() const { return status_; }
    void setRequestOutcome(RequestOutcome outcome) { outcome_ = outcome; }

    /// The options of every authorisation request, oldest first.
    const std::vector<NotificationAuthorizationOptions>& requestedOptions() const { return requests_; }
    /// How many times the user was actually asked (requests while undetermined).
    std::size_t promptCount() const { return prompts_; }
    std::size_t settingsReadCount() const { return settingsReads_; }
    std::size_t settingsPageOpenCount() const { return settingsPageOpens_; }

private:
    NotificationAuthorizationStatus status_;
    RequestOutcome outcome_;
    std::vector<NotificationAuthorizationOptions> requests_;
    std::size_t prompts_ = 0;
    std::size_t settingsReads_ = 0;
    std::size_t settingsPageOpens_ = 0;
};

} // namespace zt
