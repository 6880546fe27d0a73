#include "ZTSwiftUIComponents/host/AccountType.h"
#include "ZTSwiftUIComponents/host/AccountUsageFilterType.h"
#include "ZTSwiftUIComponents/host/CalculatorOperator.h"
#include "ZTSwiftUIComponents/host/DailyLimitCalculationType.h"
#include "ZTSwiftUIComponents/host/GoalListSegmentedControlType.h"
#include "ZTSwiftUIComponents/host/NavigationRouter.h"
#include "ZTSwiftUIComponents/host/OverviewItemType.h"
#include "ZTSwiftUIComponents/host/ReminderTime.h"
#include "ZTSwiftUIComponents/host/RepeatingInterval.h"
#include "ZTSwiftUIComponents/host/Sort.h"
#include "ZTSwiftUIComponents/host/SummaryCardItemType.h"
#include "ZTSwiftUIComponents/host/TransactionType.h"
#include "platform/Environment.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using namespace zt;

namespace {

// Every case survives rawValue -> fromRawValue, raw values are distinct and non-empty, and
// texts that are no raw value (other case, padding) give nothing.
template <class E> void expectRoundTrips() {
    std::set<std::string_view> seen;
    for (const E value : allCases<E>()) {
        const auto raw = rawValue(value);
        EXPECT_FALSE(raw.empty());
        EXPECT_TRUE(seen.insert(raw).second) << "duplicate raw value " << raw;
        EXPECT_EQ(fromRawValue<E>(raw), value) << raw;
        EXPECT_FALSE(fromRawValue<E>(std::string(raw) + " ")) << raw;
    }
    EXPECT_FALSE(fromRawValue<E>(""));
    EXPECT_FALSE(fromRawValue<E>("noSuchCase"));
}

template <class E> std::vector<std::string> raws() {
    std::vector<std::string> out;
    for (const E value : allCases<E>())
        out.emplace_back(rawValue(value));
    return out;
}

} // namespace

TEST(RawValues, EveryEnumerationRoundTrips) {
    expectRoundTrips<AccountType>();
    expectRoundTrips<AccountUsageFilterType>();
    expectRoundTrips<CalculatorOperator>();
    expectRoundTrips<DailyLimitCalculationType>();
    expectRoundTrips<GoalListSegmentedControlType>();
    expectRoundTrips<ModalDestination>();
    expectRoundTrips<OverviewItemType>();
    expectRoundTrips<OverviewModalAction>();
    expectRoundTrips<ReminderTime>();
    expectRoundTrips<RepeatingInterval>();
    expectRoundTrips<SortEntity>();
    expectRoundTrips<SortType>();
    expectRoundTrips<SummaryCardItemType>();
    expectRoundTrips<TransactionType>();
}

TEST(RawValues, StoredValuesAreFixed) {
    EXPECT_EQ(raws<SummaryCardItemType>(),
              (std::vector<std::string>{"remaingForPeriod", "year", "month", "week", "customPeriodSummary"}));
    EXPECT_EQ(raws<DailyLimitCalculationType>(), (std::vector<std::string>{"automatic", "custom"}));
    EXPECT_EQ(raws<SortType>(), (std::vector<std::string>{"userDefined", "alphabetically"}));
    EXPECT_EQ(raws<TransactionType>(),
              (std::vector<std::string>{"expense", "income", "transferSource", "transferDestination"}));
    // Screens compare these two raw values, and the account list colours positions 8 and 10.
    EXPECT_EQ(rawValue(AccountType::creditCard), "creditCard");
    EXPECT_EQ(rawValue(AccountType::loan), "loan");
    EXPECT_EQ(caseIndex(AccountType::creditCard), 8u);
    EXPECT_EQ(caseIndex(AccountType::loan), 10u);
}

TEST(RawValues, OverviewCardsAreEighteenInScreenOrder) {
    const auto cases = allCases<OverviewItemType>();
    ASSERT_EQ(cases.size(), 18u);
    EXPECT_EQ(cases.front(), OverviewItemType::quickEntry);
    EXPECT_EQ(cases[6], OverviewItemType::customPeriodSummary);
    EXPECT_EQ(cases[9], OverviewItemType::yearSummary);
    EXPECT_EQ(cases[12], OverviewItemType::academy);
    EXPECT_EQ(cases.back(), OverviewItemType::upcomingBills);
}

TEST(TransactionTypes, TransferKindsAndPickerValues) {
    EXPECT_FALSE(isTransfer(TransactionType::expense));
    EXPECT_FALSE(isTransfer(TransactionType::income));
    EXPECT_TRUE(isTransfer(TransactionType::transferSource));
    EXPECT_TRUE(isTransfer(TransactionType::transferDestination));
    EXPECT_EQ(pickerValues(),
              (std::vector<TransactionType>{TransactionType::expense, TransactionType::income}));
}

TEST(CalculatorOperators, KeySymbolsAndAppendedTexts) {
    const auto cases = allCases<CalculatorOperator>();
    ASSERT_EQ(cases.size(), 5u);
    EXPECT_EQ(cases.back(), CalculatorOperator::equal);
    EXPECT_EQ(keySymbol(CalculatorOperator::multiply), "multiply");
    EXPECT_EQ(appendedText(CalculatorOperator::plus), "+");
    EXPECT_EQ(appendedText(CalculatorOperator::minus), "-");
    EXPECT_EQ(appendedText(CalculatorOperator::multiply), "\xC3\x97"); // U+00D7
    EXPECT_EQ(appendedText(CalculatorOperator::divide), "\xC3\xB7");   // U+00F7
    EXPECT_FALSE(appendedText(CalculatorOperator::equal));
}

TEST(RepeatingIntervals, SortedFromShortestToLongestWithCalendarSteps) {
    const auto sorted = repeatIntervalArraySorted();
    ASSERT_EQ(sorted.size(), allCases<RepeatingInterval>().size());
    EXPECT_EQ(sorted.front(), RepeatingInterval::daily);
    EXPECT_EQ(sorted[1], RepeatingInterval::weekly);
    EXPECT_EQ(sorted.back(), RepeatingInterval::yearly);
    const auto position = [&](RepeatingInterval i) {
        return std::find(sorted.begin(), sorted.end(), i) - sorted.begin();
    };
    EXPECT_LT(position(RepeatingInterval::everyFourWeeks), position(RepeatingInterval::monthly));
    EXPECT_LT(position(RepeatingInterval::quarterly), position(RepeatingInterval::everySixMonths));

    Environment::Override env({.timeZone = "Europe/Berlin"});
    const Calendar calendar("Europe/Berlin");
    const Date jan31 = *calendar.date(2025, 1, 31, 9, 0);
    EXPECT_EQ(nextOccurrence(RepeatingInterval::monthly, jan31, calendar), calendar.date(2025, 2, 28, 9, 0));
    EXPECT_EQ(nextOccurrence(RepeatingInterval::quarterly, jan31, calendar),
              calendar.date(2025, 4, 30, 9, 0));
    // Across the spring change the wall-clock time is kept, so the step is 23 hours long.
    const Date mar29 = *calendar.date(2025, 3, 29, 9, 0);
    EXPECT_EQ(nextOccurrence(RepeatingInterval::daily, mar29, calendar), calendar.date(2025, 3, 30, 9, 0));
    EXPECT_DOUBLE_EQ(*nextOccurrence(RepeatingInterval::daily, mar29, calendar) - mar29, 23 * 3600.0);
}

TEST(LocalizedNames, EnglishSourceAndGermanTable) {
    {
        Environment::Override env({.locale = "en_US"});
        EXPECT_EQ(localized(AccountType::creditCard), "Credit Card");
        EXPECT_EQ(localized(TransactionType::income), "Income");
        EXPECT_EQ(localized(SortType::alphabetically), "Alphabetically");
        EXPECT_EQ(localizedString(RepeatingInterval::everyTwoWeeks), "Every 2 weeks");
        EXPECT_EQ(title(ReminderTime::oneWeekBefore), "1 week before");
        EXPECT_EQ(localized(AccountUsageFilterType::business), "Business");
        EXPECT_EQ(localized(OverviewItemType::goals), "Smart Goals");
    }
    Environment::Override env({.locale = "de_DE"});
    EXPECT_EQ(localized(AccountType::creditCard), "Kreditkarte");
    EXPECT_EQ(localized(AccountType::loan), "Kredit");
    EXPECT_EQ(localized(TransactionType::expense), "Ausgabe");
    EXPECT_EQ(localized(SortType::userDefined), "Eigene Reihenfolge");
    EXPECT_EQ(localizedString(RepeatingInterval::yearly), "Jährlich");
    EXPECT_EQ(title(ReminderTime::sameDay), "Am selben Tag");
    EXPECT_EQ(localized(GoalListSegmentedControlType::completed), "Erreicht");
    // Every case has a name of its own in German.
    std::set<std::string> names;
    for (const auto type : allCases<AccountType>())
        names.insert(localized(type));
    EXPECT_EQ(names.size(), allCases<AccountType>().size());
}
