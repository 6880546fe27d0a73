#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/overview/DailyLimitViewModel.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"
#include "support/Observation.h"
#include "support/PinnedEnvironment.h"
#include "support/TransactionBuilder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

struct RecordingStorage final : DailyLimitStorage {
    std::vector<std::string> calls;
    void updateAmount(double amount) override { calls.push_back("amount " + std::to_string(amount)); }
    void updateDailyLimitCalculationType(DailyLimitCalculationType t) override {
        calls.push_back("type " + std::string(rawValue(t)));
    }
};

struct FixedCalculator final : DailyLimitCalculating {
    std::vector<Date> askedFor;
    double dailyBudget() const override { return 200; }
    double remainingBudget(Date date) override {
        askedFor.push_back(date);
        return 42;
    }
    void updateExpenses(double, Date) override { ADD_FAILURE() << "the daily limit never reports expenses"; }
};

std::shared_ptr<ReportTransaction> limitModelTx(std::string id, double amount, bool expense = true,
                                                bool transfer = false, bool excluded = false) {
    return test::transaction({.id = id,
                              .amount = amount,
                              .categoryImageName = "fork",
                              .isExpense = expense,
                              .isTransfer = transfer,
                              .accountName = "Checking",
                              .isExcludedFromCalculations = excluded});
}

std::string amount(double value) {
    return "amount " + std::to_string(value);
}

class DailyLimitViewModelTest : public ::testing::Test {
protected:
    test::PinnedEnvironment pinned{{.timeZone = "America/New_York"}};
    std::shared_ptr<FixedCalculator> calculator = std::make_shared<FixedCalculator>();
    std::shared_ptr<RecordingStorage> storage = std::make_shared<RecordingStorage>();

    std::unique_ptr<DailyLimitViewModel>
    make(const ReportTransactionList& items, std::optional<double> custom,
         DailyLimitCalculationType type = DailyLimitCalculationType::custom) {
        return std::make_unique<DailyLimitViewModel>(items, "en_US", custom, type, calculator, storage,
                                                     [] { return Date{777}; });
    }
    /// A custom limit against one expense of `spent`.
    std::unique_ptr<DailyLimitViewModel> spending(double limit, double spent) {
        return make(spent == 0 ? ReportTransactionList{} : ReportTransactionList{limitModelTx("t", spent)},
                    limit);
    }
};

} // namespace

TEST_F(DailyLimitViewModelTest, MoneyLeftExactlySpentAndOverspent) {
    const auto left = spending(100, 30);
    EXPECT_EQ(left->remainingString(), "$70.00");
    EXPECT_EQ(left->remainingColor(), positiveAmountColor);
    EXPECT_EQ(left->overspentString(), "--");
    EXPECT_FLOAT_EQ(left->progressValue(), 0.7f);
    EXPECT_EQ(left->periodText(), "You can spend");
    EXPECT_EQ(left->spentTodayString(), "$30.00");

    const auto exact = spending(100, 100);
    EXPECT_FALSE(exact->isOverspent());
    EXPECT_EQ(exact->remainingString(), "$0.00");
    EXPECT_EQ(exact->remainingColor(), std::nullopt); // the secondary text colour
    EXPECT_EQ(exact->progressValue(), 0.0f);
    EXPECT_EQ(exact->periodText(), "You can spend");

    const auto over = spending(100, 130);
    EXPECT_TRUE(over->isOverspent());
    EXPECT_EQ(over->remainingString(), "$0.00");
    EXPECT_EQ(over->overspentString(), "$30.00");
    EXPECT_EQ(over->overspentColor(), negativeAmountColor);
    EXPECT_FLOAT_EQ(over->progressValue(), -0.3f);
    EXPECT_EQ(over->periodText(), "No money left to spend");
}

TEST_F(DailyLimitViewModelTest, ZeroAndNegativeLimits) {
    EXPECT_EQ(spending(0, 0)->progressValue(), 0.0f);
    EXPECT_EQ(spending(0, 50)->progressValue(), 0.0f);
    EXPECT_EQ(spending(-0.0, 50)->progressValue(), 0.0f);
    EXPECT_EQ(spending(0, 50)->overspentString(), "$50.00");
    EXPECT_FALSE(spending(0, 0)->isOverspent());

    // A negative limit is already exceeded; the progress formula stays unclamped.
    const auto negative = spending(-50, 30);
    EXPECT_TRUE(negative->isOverspent());
    EXPECT_EQ(negative->overspentString(), "$80.00");
    EXPECT_FLOAT_EQ(negative->progressValue(), 1.6f);
    EXPECT_FLOAT_EQ(spending(-50, 0)->progressValue(), 1.0f);

    negative->setDailyLimit(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(negative->remainingString(), "--");
}

TEST_F(DailyLimitViewModelTest, OnlyOutgoingExpensesAreKeptTransfersAndExcludedOnesNeverCount) {
    const auto vm = make({limitModelTx("income", 500, false), limitModelTx("lunch", 12),
                          limitModelTx("in", 300, false, true), limitModelTx("out", 200, true, true),
                          limitModelTx("refunded", 40, true, false, true), limitModelTx("bus", 3)},
                         100);
    std::vector<std::string> items, transfers;
    for (const auto& t : vm->items())
        items.push_back(t->identifier());
    for (const auto& t : vm->transfers())
        transfers.push_back(t->identifier());
    EXPECT_THAT(items, ElementsAre("lunch", "refunded", "bus"));
    EXPECT_THAT(transfers, ElementsAre("out"));
    EXPECT_DOUBLE_EQ(vm->spentToday(), 15);
    EXPECT_FLOAT_EQ(vm->progressValue(), 0.85f);
}

TEST_F(DailyLimitViewModelTest, CreationAppliesACustomValueOnlyForTheCustomType) {
    const auto custom = make({limitModelTx("a", 25)}, 50);
    EXPECT_DOUBLE_EQ(custom->dailyLimit(), 50);
    EXPECT_FLOAT_EQ(custom->progressValue(), 0.5f);
    EXPECT_THAT(storage->calls, ElementsAre(amount(50)));

    storage->calls.clear();
    const auto automatic = make({limitModelTx("a", 50)}, 50, DailyLimitCalculationType::automatic);
    EXPECT_DOUBLE_EQ(automatic->dailyLimit(), 200);
    EXPECT_FLOAT_EQ(automatic->progressValue(), 0.75f);
    const auto customWithoutValue = make({}, std::nullopt);
    EXPECT_DOUBLE_EQ(customWithoutValue->dailyLimit(), 200);
    EXPECT_EQ(customWithoutValue->calculationType(), DailyLimitCalculationType::custom);
    EXPECT_THAT(storage->calls, IsEmpty());
    EXPECT_THAT(calculator->askedFor, IsEmpty());
}

TEST_F(DailyLimitViewModelTest, UpdateDailyLimitReportsTheTypeThenTheAmountEveryTime) {
    const auto vm = spending(100, 20);
    storage->calls.clear();
    std::vector<std::string> events;
    auto s1 =
        vm->calculationType.observe([&](auto t) { events.push_back("type " + std::string(rawValue(t))); });
    auto s2 = vm->progressValue.observe([&](float p) { events.push_back("progress " + std::to_string(p)); });

    vm->updateDailyLimit(80.0);
    vm->updateDailyLimit(80.0); // the same choice is reported again
    EXPECT_THAT(storage->calls, ElementsAre("type custom", amount(80), "type custom", amount(80)));
    EXPECT_EQ(events[0], "type custom");
    EXPECT_EQ(events[1], "progress " + std::to_string(0.75f));

    storage->calls.clear();
    vm->updateDailyLimit(std::nullopt); // back to the calculator's figure for the provider's day
    EXPECT_THAT(storage->calls, ElementsAre("type automatic", amount(42)));
    EXPECT_THAT(calculator->askedFor, ElementsAre(Date{777}));
    EXPECT_EQ(vm->calculationType(), DailyLimitCalculationType::automatic);
    EXPECT_FLOAT_EQ(vm->progressValue(), 22.0f / 42.0f);
}

TEST_F(DailyLimitViewModelTest, FormatsInTheGivenLocaleOrInTheApplicationCurrency) {
    setAppCurrencyCode("EUR");
    const DailyLimitViewModel app({}, 100.0, DailyLimitCalculationType::custom, calculator, storage, {});
    EXPECT_EQ(app.currencyFormatter().currencyCode(), "EUR");
    EXPECT_EQ(app.currencyFormatter().localeIdentifier(), localeFor("EUR"));
}

TEST_F(DailyLimitViewModelTest, TheLimitAndItsTypeChangeOnlyThroughTheirRules) {
    // Assigning around the setters would skip the progress and the storage.
    EXPECT_FALSE((test::assignableFromOutside<decltype(DailyLimitViewModel::dailyLimit), double>));
    EXPECT_FALSE((test::assignableFromOutside<decltype(DailyLimitViewModel::calculationType),
                                              DailyLimitCalculationType>));
    EXPECT_FALSE((test::assignableFromOutside<decltype(DailyLimitViewModel::progressValue), float>));

    const auto vm = spending(100, 30);
    int announced = 0;
    auto will = vm->objectWillChange.observe([&] { ++announced; });
    vm->setDailyLimit(60);
    EXPECT_FLOAT_EQ(vm->progressValue(), 0.5f);
    EXPECT_EQ(storage->calls.back(), amount(60));
    EXPECT_EQ(announced, 2); // the limit, then the progress
}
