#include "platform/AttributedText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace zt;
using ::testing::ElementsAre;
using TextRun = AttributedText::Run;

TEST(AttributedText, BoldSpansStayOrderedAndMergeWhereTheyTouch) {
    AttributedText text("Payment due in 3 days, by 12 May");
    text.setBold(TextRange{26, 6}).setBold(TextRange{15, 6});
    EXPECT_THAT(text.boldRanges(), ElementsAre(TextRange{15, 6}, TextRange{26, 6}));
    EXPECT_THAT(text.runs(), ElementsAre(TextRun{"Payment due in ", false}, TextRun{"3 days", true},
                                         TextRun{", by ", false}, TextRun{"12 May", true}));
    text.setBold(TextRange{21, 5}).setBold(TextRange{0, 16});
    EXPECT_THAT(text.boldRanges(), ElementsAre(TextRange{0, 32}));
}

TEST(AttributedText, SpansAreCutToTheText) {
    AttributedText text("abc");
    text.setBold(TextRange{2, std::size_t(-1)}).setBold(TextRange{7, 1}).setBold(TextRange{1, 0});
    EXPECT_THAT(text.boldRanges(), ElementsAre(TextRange{2, 1}));
    EXPECT_FALSE(text.isBold(1));
    EXPECT_TRUE(text.isBold(2));
    EXPECT_THAT(text.runs(), ElementsAre(TextRun{"ab", false}, TextRun{"c", true}));
    EXPECT_TRUE(AttributedText().runs().empty());
}

TEST(AttributedText, FirstOccurrenceInUtf8Bytes) {
    AttributedText text("fällig in 3 Tage, 3 Tage");
    EXPECT_EQ(text.range("3 Tage"), (TextRange{11, 6}));
    EXPECT_EQ(text.range("3 Tage", 12), (TextRange{19, 6}));
    EXPECT_EQ(text.range(""), std::nullopt);
    EXPECT_EQ(text.range("fällig", 100), std::nullopt);
    EXPECT_FALSE(text.setBold(std::string_view("zu spät")));
    EXPECT_TRUE(text.setBold(std::string_view("3 Tage")));
    EXPECT_THAT(text.runs(), ElementsAre(TextRun{"fällig in ", false}, TextRun{"3 Tage", true},
                                         TextRun{", 3 Tage", false}));
}
