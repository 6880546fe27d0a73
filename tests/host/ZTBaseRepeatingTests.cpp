#include "ZTSwiftUIComponents/host/ZTBaseRepeating.h"
#include "platform/Environment.h"
#include "support/TransactionBuilder.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace zt;

namespace {

std::shared_ptr<ReportTransaction> occurrence(std::string id, double amount, Date date) {
    return test::transaction({.id = std::move(id),
                              .amount = amount,
                              .categoryName = "Streaming",
                              .categoryImageName = "",
                              .date = date,
                              .accountName = "Card",
                              .isChildRepeating = true});
}

} // namespace

TEST(ZTBaseRepeating, StoppingNotifiesObserversOnce) {
    ZTBaseRepeating series("s", RepeatingInterval::monthly, Date{0}, std::nullopt, 12.99, "USD");
    std::vector<std::optional<bool>> heard;
    auto watch = series.isRepeating.observe([&](const auto& v) { heard.push_back(v); });
    EXPECT_EQ(series.isRepeating(), true);
    series.stopRepeating();
    EXPECT_EQ(series.isRepeating(), false);
    EXPECT_EQ(heard, (std::vector<std::optional<bool>>{false}));
    EXPECT_EQ(series.currencyCode(), "USD");
}

TEST(ZTBaseRepeating, TotalOfTheBookedOccurrences) {
    ZTBaseRepeating series("s", RepeatingInterval::monthly, Date{0}, std::nullopt, 10);
    EXPECT_DOUBLE_EQ(series.totalAmount(), 0); // nothing loaded
    std::size_t counts = 0;
    auto watch = series.transactions.observe([&](const auto& list) { counts = list ? list->size() : 0; });
    series.transactions.set(
        ReportTransactionList{occurrence("a", 10, Date{0}), occurrence("b", 12.5, Date{100})});
    EXPECT_EQ(counts, 2u);
    EXPECT_DOUBLE_EQ(series.totalAmount(), 22.5);
}

TEST(ZTBaseRepeating, NextOccurrenceStepsFromTheStartWithoutDrift) {
    Environment::Override env({.timeZone = "Europe/Berlin"});
    const Calendar calendar("Europe/Berlin");
    const Date jan31 = *calendar.date(2025, 1, 31, 8, 0);
    ZTBaseRepeating series("s", RepeatingInterval::monthly, jan31, std::nullopt, 100);

    EXPECT_EQ(series.nextOccurrence(*calendar.date(2025, 1, 1), calendar), jan31);       // the start itself
    EXPECT_EQ(series.nextOccurrence(jan31, calendar), calendar.date(2025, 2, 28, 8, 0)); // strictly after
    // After February the 31st comes back rather than staying on the 28th.
    EXPECT_EQ(series.nextOccurrence(*calendar.date(2025, 2, 28, 8, 0), calendar),
              calendar.date(2025, 3, 31, 8, 0));
    EXPECT_EQ(series.nextOccurrence(*calendar.date(2027, 4, 15), calendar), calendar.date(2027, 4, 30, 8, 0));

    series.endDate.set(*calendar.date(2025, 3, 31, 8, 0)); // the end itself still occurs
    EXPECT_EQ(series.nextOccurrence(*calendar.date(2025, 3, 1), calendar), calendar.date(2025, 3, 31, 8, 0));
    EXPECT_FALSE(series.nextOccurrence(*calendar.date(2025, 3, 31, 8, 0), calendar));

    series.endDate.set(std::nullopt);
    series.stopRepeating();
    EXPECT_FALSE(series.nextOccurrence(*calendar.date(2025, 3, 1), calendar));
}

TEST(ZTBaseRepeating, WeeklyAndDailySeriesFarFromTheirStart) {
    Environment::Override env({.timeZone = "America/New_York"});
    const Calendar calendar("America/New_York");
    const Date start = *calendar.date(2015, 3, 2, 7, 30); // a Monday
    ZTBaseRepeating weekly("w", RepeatingInterval::everyTwoWeeks, start, std::nullopt, 5);
    const auto next = weekly.nextOccurrence(*calendar.date(2025, 5, 10), calendar);
    ASSERT_TRUE(next);
    EXPECT_EQ(calendar.components(*next).weekday, 2); // still a Monday, still 07:30 after DST changes
    EXPECT_EQ(calendar.components(*next).hour, 7);
    EXPECT_GT(*next, *calendar.date(2025, 5, 10));
    EXPECT_LE(*next - *calendar.date(2025, 5, 10), 14 * 86400.0);

    ZTBaseRepeating daily("d", RepeatingInterval::daily, start, std::nullopt, 1);
    EXPECT_EQ(daily.nextOccurrence(*calendar.date(2025, 3, 9, 7, 30), calendar),
              calendar.date(2025, 3, 10, 7, 30));
}
