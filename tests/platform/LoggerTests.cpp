#include "platform/Logger.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <spdlog/logger.h>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

/// Counts how often it is formatted.
struct Counted {
    int* formats;
};

/// Restores the default output's level after a test changes it.
class MinimumLevelGuard {
public:
    MinimumLevelGuard() : saved_(Logger::minimumLevel()) {}
    ~MinimumLevelGuard() { Logger::setMinimumLevel(saved_); }

private:
    LogLevel saved_;
};

} // namespace

template <> struct fmt::formatter<Counted> : fmt::formatter<std::string_view> {
    auto format(const Counted& c, fmt::format_context& ctx) const {
        ++*c.formats;
        return fmt::formatter<std::string_view>::format("counted", ctx);
    }
};

TEST(Logger, CaptureSeesEveryLevelWithCategoryAndSubsystem) {
    const MinimumLevelGuard guard;
    Logger::setMinimumLevel(LogLevel::info); // the default output would drop debug lines
    LogCapture capture;
    const Logger finder{"CurrentBillingCycleFinder"};
    finder.debug("searching");
    finder.info("found");
    finder.notice("odd");
    Logger{"InsightsEngine", "ZTAIFoundation"}.error("failed");
    finder.fault("broken");

    EXPECT_EQ(finder.subsystem(), "ZTSwiftUIComponents");
    const auto entries = capture.entries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0],
              (LogEntry{"ZTSwiftUIComponents", "CurrentBillingCycleFinder", LogLevel::debug, "searching"}));
    EXPECT_EQ(entries[2].level, LogLevel::notice);
    EXPECT_EQ(entries[3], (LogEntry{"ZTAIFoundation", "InsightsEngine", LogLevel::error, "failed"}));
    EXPECT_EQ(entries[4].level, LogLevel::fault);
    EXPECT_THAT(capture.messages("CurrentBillingCycleFinder"),
                ElementsAre("searching", "found", "odd", "broken"));
    EXPECT_THAT(capture.messages(), ElementsAre("searching", "found", "odd", "failed", "broken"));
}

TEST(Logger, FormatsArgumentsAndTakesPreformattedTextVerbatim) {
    LogCapture capture;
    const Logger logger{"Test"};
    logger.debug("cycle {} to {} ({:.2f})", "1 May", "31 May", 12.345);
    logger.info(std::string("braces {} stay"));
    logger.log(LogLevel::notice, "{}+{}", 1, 2);
    EXPECT_THAT(capture.messages(), ElementsAre("cycle 1 May to 31 May (12.35)", "braces {} stay", "1+2"));
}

TEST(Logger, NothingIsFormattedWhenNobodyListens) {
    const MinimumLevelGuard guard;
    Logger::setMinimumLevel(LogLevel::error);
    int formats = 0;
    const Logger logger{"Quiet"};
    EXPECT_FALSE(Logger::isEnabled(LogLevel::notice));
    logger.debug("value {}", Counted{&formats});
    logger.notice("value {}", Counted{&formats});
    EXPECT_EQ(formats, 0);
    {
        LogCapture capture;
        EXPECT_TRUE(Logger::isEnabled(LogLevel::debug));
        logger.debug("value {}", Counted{&formats});
        EXPECT_EQ(formats, 1);
        EXPECT_THAT(capture.messages(), ElementsAre("value counted"));
    }
    EXPECT_FALSE(Logger::isEnabled(LogLevel::debug));
    EXPECT_TRUE(Logger::isEnabled(LogLevel::error));
}

TEST(Logger, DefaultOutputGoesToStandardErrorFromTheMinimumLevelUp) {
    const MinimumLevelGuard guard;
    Logger::setMinimumLevel(LogLevel::notice);
    testing::internal::CaptureStderr();
    Logger{"Out"}.info("hidden");
    Logger{"Out"}.notice("shown {}", 1);
    Logger::backend()->flush();
    const auto err = testing::internal::GetCapturedStderr();
    EXPECT_THAT(err, HasSubstr("notice ZTSwiftUIComponents/Out: shown 1"));
    EXPECT_THAT(err, ::testing::Not(HasSubstr("hidden")));
}

TEST(Logger, CapturesNestAndTheInnermostCollects) {
    const Logger logger{"Nest"};
    LogCapture outer;
    logger.info("a");
    {
        LogCapture inner;
        logger.info("b");
        EXPECT_THAT(inner.messages(), ElementsAre("b"));
    }
    logger.info("c");
    EXPECT_THAT(outer.messages(), ElementsAre("a", "c"));
    outer.clear();
    EXPECT_THAT(outer.entries(), IsEmpty());
}
