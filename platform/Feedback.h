#pragma once

#include <string>
#include <vector>

namespace zt {

/// Strengths of the impact haptic.
enum class ImpactStyle { light, medium, heavy, soft, rigid };
/// The outcome a notification haptic signals.
enum class NotificationFeedbackType { success, warning, error };

/// The system sound of a keyboard key click.
inline constexpr unsigned keyboardClickSystemSound = 1104;

/// The device's haptic engine and system sounds, reached through Environment::feedback(). Hosts
/// without them keep the default, which does nothing; tests install a FeedbackRecorder.
class Feedback {
public:
    virtual ~Feedback() = default;

    virtual void impactOccurred(ImpactStyle style) = 0;
    virtual void notificationOccurred(NotificationFeedbackType type) = 0;
    virtual void playSystemSound(unsigned soundId) = 0;
};

/// For devices without haptics or sounds.
class NoFeedback final : public Feedback {
public:
    void impactOccurred(ImpactStyle) override {}
    void notificationOccurred(NotificationFeedbackType) override {}
    void playSystemSound(unsigned) override {}
};

/// Keeps what was played, oldest first, as "impact medium", "notification success" or
/// "sound 1104", so a test can compare whole sequences.
class FeedbackRecorder final : public Feedback {
public:
    void impactOccurred(ImpactStyle style) override;
    void notificationOccurred(NotificationFeedbackType type) override;
    void playSystemSound(unsigned soundId) override;

    const std::vector<std::string>& events() const { return events_; }
    void clear() { events_.clear(); }

private:
    std::vector<std::string> events_;
};

} // namespace zt
