#pragma once

#include "platform/Calendar.h"
#include "platform/Date.h"
#include "platform/Environment.h"
#include "platform/Feedback.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace zt::test {

/// The zone tests use unless they say otherwise: it has daylight-saving changes.
inline constexpr const char* testTimeZone = "Europe/Berlin";

/// The instant of a wall-clock time in a zone (Berlin unless given); throws for fields out of
/// range.
Date at(int year, int month, int day, int hour = 12, int minute = 0, int second = 0,
        const std::string& zone = testTimeZone);

/// Pins everything a test may depend on for its lifetime: locale, time zone, a manual main queue,
/// a clock that starts at `now` and moves with the queue's virtual time, fresh in-memory user
/// defaults, and a recorder of the haptics and sounds played.
struct PinnedEnvironment {
    struct Options {
        std::string locale = "en_US";
        std::string timeZone = testTimeZone;
        Date now = at(2025, 5, 15, 12);
    };

    PinnedEnvironment() : PinnedEnvironment(Options{}) {}
    explicit PinnedEnvironment(Options options);

    std::shared_ptr<ManualMainQueue> queue = std::make_shared<ManualMainQueue>();
    std::shared_ptr<InMemoryUserDefaults> defaults = std::make_shared<InMemoryUserDefaults>();
    std::shared_ptr<FeedbackRecorder> feedback = std::make_shared<FeedbackRecorder>();
    Environment::Override environment;
};

/// A test with a pinned environment (en_US, Berlin, 15 May 2025 12:00). Tests that need other
/// settings nest an Environment::Override or hold their own PinnedEnvironment.
class PinnedTest : public ::testing::Test {
protected:
    PinnedEnvironment pinned;
    ManualMainQueue& queue() { return *pinned.queue; }
};

} // namespace zt::test
