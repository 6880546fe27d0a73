#include "platform/Console.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Console, WritesLinesToStandardOutputWhenNothingCaptures) {
    testing::internal::CaptureStdout();
    console("Saving transaction....");
    console("");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Saving transaction....\n\n");
}

TEST(Console, CapturesNestAndTheInnermostCollects) {
    testing::internal::CaptureStdout();
    {
        ConsoleCapture outer;
        console("one");
        {
            ConsoleCapture inner;
            console("two");
            EXPECT_THAT(inner.lines(), ElementsAre("two"));
        }
        console("three");
        EXPECT_THAT(outer.lines(), ElementsAre("one", "three"));
        outer.clear();
        EXPECT_THAT(outer.lines(), IsEmpty());
    }
    console("four");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "four\n");
}

TEST(Console, CapturesEndedOutOfOrderLeaveTheOthersInPlace) {
    std::optional<ConsoleCapture> first(std::in_place);
    ConsoleCapture second;
    first.reset(); // ended before the inner one
    console("line");
    EXPECT_THAT(second.lines(), ElementsAre("line"));
}
