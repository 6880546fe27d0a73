#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/overview/DailyLimitViewModel.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/UserDefaults.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <string>
#include <vector>

using namespace zt;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class RecordingStorage final : public DailyLimitStorage {
public:
    std::vector<std::string> calls;
    void updateAmount(double amount) override { calls.push_back("amount " + std::to_string(amount)); }
    void updateDailyLimitCalculationType(DailyLimitCalculationType type) override {
        calls.push_back("type " + std::string(rawValue(type)));
    }
};

class FixedCalculator final : public DailyLimitCalculating {
public:
    double budget = 200;
    double automatic = 42;
    std::vector<Date> askedFor;
    int expenseUpdates = 0;

    double dailyBudget() const override { return budget; }
    double remainingBudget(Date date) override {
        askedFor.push_back(date);
        return automatic;
    }
    void updateExpenses(double, Date) override { ++expenseUpdates; }
};

std::shared_ptr<ReportTransaction> tx(std::string id, double amount, bool isExpense = true,
                                      bool isTransfer = false, bool excluded = false) {
    return std::make_shared<ReportTransaction>(id, amount, std::nullopt, std::nullopt, "Food", "fork",
                                               "cat-food", std::nullopt, std::nullopt, isExpense, isTransfer,
                                               Date{0}, "acc", "Checking", std::nullopt, std::nullopt, false,
                                               false, excluded);
}

std::string amount(double value) {
    return "amount " + std::to_string(value);
}

class DailyLimitViewModelTest : public ::testing::Test {
protected:
    Environment::Override environment{{.locale = "en_US",
                                       .timeZone = "America/New_York",
                                       .now = Date{1000},
                                       .mainQueue = std::make_shared<ManualMainQueue>(),
                                       .userDefaults = std::make_shared<InMemoryUserDefaults>()}};
    std::shared_ptr<FixedCalculator> calculator = std::make_shared<FixedCalculator>();
    std::shared_ptr<RecordingStorage> storage = std::make_shared<RecordingStorage>();
    const Date today{777'000};

    /// A custom limit over expenses of the given amounts.
    std::unique_ptr<DailyLimitViewModel> spending(double limit, std::vector<double> amounts) {
        ReportTransactionList items;
        for (std::size_t i = 0; i < amounts.size(); ++i)
            items.push_back(tx("t" + std::to_string(i), amounts[i]));
        auto vm = make(items, limit, DailyLimitCalculationType::custom);
        storage->calls.clear();
        return vm;
    }
    std::unique_ptr<DailyLimitViewModel> make(const ReportTransactionList& items,
                                              std::optional<double> custom, DailyLimitCalculationType type,
                                              std::string locale = "en_US") {
        return std::make_unique<DailyLimitViewModel>(items, locale, custom, type, calculator, storage,
                                                     [this] { return today; });
    }
};

} // namespace

// The figures.

TEST_F(DailyLimitViewModelTest, MoneyLeftIsShownInGreenWithTheShareStillAvailable) {
    const auto vm = spending(100, {20, 10});
    EXPECT_DOUBLE_EQ(vm->spentToday(), 30);
    EXPECT_FALSE(vm->isOverspent());
    EXPECT_EQ(vm->remainingString(), "$70.00");
    EXPECT_EQ(vm->remainingColor(), positiveAmountColor);
    EXPECT_EQ(vm->overspentString(), "--");
    EXPECT_EQ(vm->overspentColor(), std::nullopt);
    EXPECT_FLOAT_EQ(vm->progressValue(), 0.7f);
    EXPECT_EQ(vm->periodText(), "You can spend");
    EXPECT_EQ(vm->dailyLimitString(), "$100.00");
    EXPECT_EQ(vm->spentTodayString(), "$30.00");
}

TEST_F(DailyLimitViewModelTest, SpendingExactlyTheLimitLeavesNothingButIsNotOverspent) {
    const auto vm = spending(100, {100});
    EXPECT_FALSE(vm->isOverspent());
    EXPECT_EQ(vm->remainingString(), "$0.00");
    EXPECT_EQ(vm->remainingColor(), std::nullopt); // the secondary text colour
    EXPECT_EQ(vm->overspentString(), "--");
    EXPECT_FLOAT_EQ(vm->progressValue(), 0.0f);
    EXPECT_EQ(vm->periodText(), "You can spend");
}

TEST_F(DailyLimitViewModelTest, OverspendingShowsTheExcessInRedAndANegativeProgress) {
    const auto vm = spending(100, {100, 30});
    EXPECT_TRUE(vm->isOverspent());
    EXPECT_EQ(vm->remainingString(), "$0.00");
    EXPECT_EQ(vm->remainingColor(), std::nullopt);
    EXPECT_EQ(vm->overspentString(), "$30.00");
    EXPECT_EQ(vm->overspentColor(), negativeAmountColor);
    EXPECT_FLOAT_EQ(vm->progressValue(), -0.3f);
    EXPECT_EQ(vm->periodText(), "No money left to spend");
}

TEST_F(DailyLimitViewModelTest, AZeroLimitHasNoProgressWhateverWasSpent) {
    EXPECT_EQ(spending(0, {})->progressValue(), 0.0f);
    const auto vm = spending(0, {50});
    EXPECT_EQ(vm->progressValue(), 0.0f);
    EXPECT_TRUE(vm->isOverspent());
    EXPECT_EQ(vm->overspentString(), "$50.00");
    EXPECT_EQ(spending(-0.0, {50})->progressValue(), 0.0f);

    // Nothing spent against nothing: neither money left nor overspent.
    const auto idle = spending(0, {});
    EXPECT_FALSE(idle->isOverspent());
    EXPECT_EQ(idle->remainingString(), "$0.00");
    EXPECT_EQ(idle->remainingColor(), std::nullopt);
}

TEST_F(DailyLimitViewModelTest, NegativeLimitsFollowTheSameUnclampedArithmetic) {
    const auto vm = spending(-50, {30});
    EXPECT_TRUE(vm->isOverspent());
    EXPECT_EQ(vm->overspentString(), "$80.00");
    EXPECT_EQ(vm->remainingString(), "$0.00");
    EXPECT_FLOAT_EQ(vm->progressValue(), 1.6f); // (−50 − 30) ÷ −50
    EXPECT_EQ(vm->periodText(), "No money left to spend");

    const auto untouched = spending(-50, {});
    EXPECT_TRUE(untouched->isOverspent());
    EXPECT_EQ(untouched->overspentString(), "$50.00");
    EXPECT_FLOAT_EQ(untouched->progressValue(), 1.0f);
}

TEST_F(DailyLimitViewModelTest, AmountsThatCannotBeFormattedShowDashes) {
    const auto vm = spending(100, {30});
    vm->setDailyLimit(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(vm->remainingString(), "--");
    EXPECT_EQ(vm->dailyLimitString(), "--");
}

TEST_F(DailyLimitViewModelTest, FormatsInTheGivenLocaleOrInTheApplicationCurrency) {
    const auto german = make({tx("a", 30)}, 100, DailyLimitCalculationType::custom, "de_DE");
    EXPECT_EQ(german->remainingString(), "70,00\u00a0€");

    setAppCurrencyCode("EUR");
    const DailyLimitViewModel app({tx("a", 30)}, 100.0, DailyLimitCalculationType::custom, calculator,
                                  storage, [] { return Date{}; });
    EXPECT_EQ(app.currencyFormatter().currencyCode(), "EUR");
    EXPECT_EQ(app.currencyFormatter().localeIdentifier(), localeFor("EUR"));
    EXPECT_EQ(app.remainingString(), app.currencyFormatter().stringOrDash(70));
    EXPECT_NE(app.remainingString().find("€"), std::string::npos);
}

// Which transactions count.

TEST_F(DailyLimitViewModelTest, IncomesAndIncomingTransfersAreDroppedOutgoingTransfersListedButNeverCounted) {
    const auto vm =
        make({tx("income", 500, false), tx("lunch", 12), tx("in-transfer", 300, false, true),
              tx("out-transfer", 200, true, true), tx("refunded", 40, true, false, true), tx("bus", 3)},
             100, DailyLimitCalculationType::custom);
    std::vector<std::string> items, transfers;
    for (const auto& t : vm->items())
        items.push_back(t->identifier());
    for (const auto& t : vm->transfers())
        transfers.push_back(t->identifier());
    EXPECT_THAT(items, ElementsAre("lunch", "refunded", "bus"));
    EXPECT_THAT(transfers, ElementsAre("out-transfer"));
    // The excluded expense is listed but not counted, nor is the transfer.
    EXPECT_DOUBLE_EQ(vm->spentToday(), 15);
    EXPECT_FLOAT_EQ(vm->progressValue(), 0.85f);
}

TEST_F(DailyLimitViewModelTest, SpentTodayFollowsTheSharedTransactions) {
    const auto lunch = tx("lunch", 12);
    const auto vm = make({lunch}, 100, DailyLimitCalculationType::custom);
    lunch->setExcludedFromCalculations(true);
    EXPECT_DOUBLE_EQ(vm->spentToday(), 0);
    EXPECT_EQ(vm->remainingString(), "$100.00");
}

// Creation and the storage.

TEST_F(DailyLimitViewModelTest, ACustomLimitAtCreationGoesThroughTheSetter) {
    const auto vm = make({tx("a", 25)}, 50, DailyLimitCalculationType::custom);
    EXPECT_DOUBLE_EQ(vm->dailyLimit(), 50);
    EXPECT_EQ(vm->calculationType(), DailyLimitCalculationType::custom);
    EXPECT_THAT(storage->calls, ElementsAre(amount(50)));
    EXPECT_FLOAT_EQ(vm->progressValue(), 0.5f);
    EXPECT_THAT(calculator->askedFor, IsEmpty());
}

TEST_F(DailyLimitViewModelTest, AnAutomaticTypeOrAMissingValueKeepsTheCalculatorsBudgetSilently) {
    const auto automatic = make({tx("a", 50)}, 50, DailyLimitCalculationType::automatic);
    EXPECT_DOUBLE_EQ(automatic->dailyLimit(), 200);
    EXPECT_EQ(automatic->calculationType(), DailyLimitCalculationType::automatic);
    EXPECT_FLOAT_EQ(automatic->progressValue(), 0.75f);

    const auto customWithoutValue = make({}, std::nullopt, DailyLimitCalculationType::custom);
    EXPECT_DOUBLE_EQ(customWithoutValue->dailyLimit(), 200);
    EXPECT_EQ(customWithoutValue->calculationType(), DailyLimitCalculationType::custom);
    EXPECT_FLOAT_EQ(customWithoutValue->progressValue(), 1.0f);

    EXPECT_THAT(storage->calls, IsEmpty());
    EXPECT_EQ(calculator->expenseUpdates, 0);
}

TEST_F(DailyLimitViewModelTest, UpdateDailyLimitReportsTheTypeThenTheAmountEveryTime) {
    const auto vm = spending(100, {20});
    std::vector<std::string> events;
    auto s1 = vm->calculationType.observe(
        [&](auto type) { events.push_back("type " + std::string(rawValue(type))); });
    auto s2 = vm->dailyLimit.observe([&](double v) { events.push_back(amount(v)); });
    auto s3 = vm->progressValue.observe([&](float p) { events.push_back("progress " + std::to_string(p)); });

    vm->updateDailyLimit(80.0);
    EXPECT_THAT(storage->calls, ElementsAre("type custom", amount(80)));
    EXPECT_THAT(events, ElementsAre("type custom", amount(80), "progress " + std::to_string(0.75f)));
    EXPECT_EQ(vm->calculationType(), DailyLimitCalculationType::custom);

    // The same choice again is reported again.
    storage->calls.clear();
    vm->updateDailyLimit(80.0);
    EXPECT_THAT(storage->calls, ElementsAre("type custom", amount(80)));

    // No value: back to automatic, with the calculator's figure for the provider's day.
    storage->calls.clear();
    vm->updateDailyLimit(std::nullopt);
    EXPECT_THAT(storage->calls, ElementsAre("type automatic", amount(42)));
    EXPECT_THAT(calculator->askedFor, ElementsAre(today));
    EXPECT_DOUBLE_EQ(vm->dailyLimit(), 42);
    EXPECT_EQ(vm->calculationType(), DailyLimitCalculationType::automatic);
    EXPECT_FLOAT_EQ(vm->progressValue(), 22.0f / 42.0f);
}

TEST_F(DailyLimitViewModelTest, EachSetterAssignmentReachesTheStorageChangedOrNot) {
    const auto vm = spending(100, {});
    vm->setDailyLimit(100);
    vm->setDailyLimit(60);
    vm->setCalculationType(DailyLimitCalculationType::custom);
    vm->setCalculationType(DailyLimitCalculationType::custom);
    EXPECT_THAT(storage->calls, ElementsAre(amount(100), amount(60), "type custom", "type custom"));
}

TEST_F(DailyLimitViewModelTest, AutomaticBudgetIsAskedForTheProvidersMomentOnEveryRead) {
    Date now{5};
    const DailyLimitViewModel vm({}, "en_US", std::nullopt, DailyLimitCalculationType::automatic, calculator,
                                 storage, [&] { return now; });
    calculator->automatic = 10;
    EXPECT_DOUBLE_EQ(vm.automaticDailyBudget(), 10);
    now = Date{86400 * 3};
    calculator->automatic = 12;
    EXPECT_DOUBLE_EQ(vm.automaticDailyBudget(), 12);
    EXPECT_THAT(calculator->askedFor, ElementsAre(Date{5}, Date{86400 * 3}));
}
