#include "Feedback.h"

namespace zt {

namespace {

const char* name(ImpactStyle style) {
    switch (style) {
    case ImpactStyle::light:
        return "light";
    case ImpactStyle::medium:
        return "medium";
    case ImpactStyle::heavy:
        return "heavy";
    case ImpactStyle::soft:
        return "soft";
    case ImpactStyle::rigid:
        return "rigid";
    }
    return "?";
}

const char* name(NotificationFeedbackType type) {
    switch (type) {
    case NotificationFeedbackType::success:
        return "success";
    case NotificationFeedbackType::warning:
        return "warning";
    case NotificationFeedbackType::error:
        return "error";
    }
    return "?";
}

} // namespace

void FeedbackRecorder::impactOccurred(ImpactStyle style) {
    events_.push_back(std::string("impact ") + name(style));
}

void FeedbackRecorder::notificationOccurred(NotificationFeedbackType type) {
    events_.push_back(std::string("notification ") + name(type));
}

void FeedbackRecorder::playSystemSound(unsigned soundId) {
    events_.push_back("sound " + std::to_string(soundId));
}

} // namespace zt
