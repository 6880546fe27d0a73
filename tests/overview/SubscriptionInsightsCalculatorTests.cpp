#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/overview/SubscriptionInsightType.h"
#include "ZTSwiftUIComponents/overview/SubscriptionInsightsCalculator.h"
#include "platform/Environment.h"
#include "platform/UserDefaults.h"
#include "support/Observation.h"
#include "support/PinnedEnvironment.h"
#include "support/TransactionBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

using namespace zt;
using ::testing::ElementsAre;
using Item = SubscriptionInsightItem;
using Colour = SubscriptionInsightItem::TitleColor;

namespace {

using test::at;

std::shared_ptr<const TransactionConformable> subscriptionTx(const std::string& id, double amount,
                                                             Date date) {
    return test::transaction({.id = id,
                              .amount = amount,
                              .categoryName = "Streaming",
                              .categoryImageName = "tv",
                              .date = date,
                              .payee = "Video",
                              .isChildRepeating = true});
}

class SubscriptionInsightsCalculatorTest : public ::testing::Test {
protected:
    std::shared_ptr<InMemoryUserDefaults> defaults = std::make_shared<InMemoryUserDefaults>();
    Environment::Override env{
        {.locale = "en_US", .timeZone = "Europe/Berlin", .now = at(2025, 3, 10), .userDefaults = defaults}};
};

TEST_F(SubscriptionInsightsCalculatorTest, InsightsSplitAtLocalNewYear) {
    // 1 Jan 00:00 in Berlin (31 Dec in UTC) is this year; the second before it is last year.
    SubscriptionInsightsCalculator c(
        TransactionConformableList{subscriptionTx("s1", 10, at(2025, 1, 1, 0)),
                                   subscriptionTx("s2", 10, at(2024, 12, 31, 23, 59, 59)),
                                   subscriptionTx("s3", 10.5, at(2024, 6, 1)),
                                   subscriptionTx("s4", 10, at(2022, 6, 1))},
        "en_US");
    EXPECT_THAT(
        c.insights(),
        ElementsAre(Item{"Total This Year", "2025", "$10.00", Colour::label, "calendar"},
                    Item{"Total last year", "2024", "$20.50", Colour::systemOrange, "calendar.badge.clock"},
                    Item{"Total lifetime", "2022 - 2025", "$40.50", Colour::systemRed,
                         "calendar.badge.exclamationmark"},
                    Item{"Transactions Count", "2022 - 2025", "4", Colour::tint, "number.square.fill"}));
    EXPECT_EQ(c.insights().size(), allCases<SubscriptionInsightType>().size());
    EXPECT_EQ(c.minDate(), at(2022, 6, 1));
    EXPECT_EQ(c.maxDate(), at(2025, 1, 1, 0));
    EXPECT_EQ(c.mainTransactionIdentifier(), "s1");
}

TEST_F(SubscriptionInsightsCalculatorTest, PastOnlySingleAndAbsentLists) {
    SubscriptionInsightsCalculator c(std::nullopt, "en_US");
    EXPECT_TRUE(c.insights().empty());
    EXPECT_EQ(c.currentYear(), 2025);
    EXPECT_FALSE(c.mainTransactionIdentifier() || c.minYear());

    EXPECT_FALSE((test::assignableFromOutside<decltype(c.insights), std::vector<SubscriptionInsightItem>>));
    int publications = 0;
    auto sub = c.insights.observe([&](const auto&) { ++publications; });
    c.update(TransactionConformableList{subscriptionTx("old", 7, at(2023, 5, 5))});
    EXPECT_EQ(publications, 1); // all four at once
    EXPECT_EQ(c.insights()[0].value, "$0.00");
    EXPECT_EQ(c.insights()[2].subtitle, "2023 - 2023");
    c.update(std::nullopt);
    EXPECT_TRUE(c.insights().empty());

    c.update(TransactionConformableList{
        subscriptionTx("odd", std::numeric_limits<double>::quiet_NaN(), at(2024, 1, 1))});
    EXPECT_EQ(c.insights()[2].value, "nan"); // what the formatter cannot write shows as a plain number
}

TEST_F(SubscriptionInsightsCalculatorTest, EmojiIsRememberedPerSubscription) {
    const TransactionConformableList music{subscriptionTx("music", 9.99, at(2025, 1, 5)),
                                           subscriptionTx("music-2", 9.99, at(2025, 2, 5))};
    SubscriptionInsightsCalculator first(music, "en_US");
    std::optional<std::string> storedWhenObserved;
    auto sub = first.selectedEmoji.observe(
        [&](const auto&) { storedWhenObserved = defaults->string("selectedEmoji-music"); });
    first.selectedEmoji.set("😍");
    EXPECT_EQ(storedWhenObserved, "😍");

    SubscriptionInsightsCalculator other(
        TransactionConformableList{subscriptionTx("video", 5, at(2025, 1, 1))}, "en_US");
    EXPECT_EQ(other.selectedEmoji(), std::nullopt);
    other.selectedEmoji.set("😡");
    EXPECT_EQ(SubscriptionInsightsCalculator(music, "en_US").selectedEmoji(), "😍");
    EXPECT_EQ(defaults->string("selectedEmoji-video"), "😡");

    first.selectedEmoji.set("");
    EXPECT_FALSE(defaults->contains("selectedEmoji-music"));

    SubscriptionInsightsCalculator none(TransactionConformableList{}, "en_US");
    none.selectedEmoji.set("🙂");
    EXPECT_EQ(none.emojiKey(), "selectedEmoji--");
    EXPECT_EQ(defaults->string("selectedEmoji--"), "🙂");
}

} // namespace
