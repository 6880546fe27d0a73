#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "platform/Environment.h"
#include "support/TransactionBuilder.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace zt;

namespace {

// 2025-05-10 12:00:00 UTC, the demo mode's "now".
constexpr Date reportDemoNow = Date::fromUnixSeconds(1746878400.0);

std::shared_ptr<ReportTransaction> reportTx(std::string id, double amount, Date date, bool expense = true,
                                            bool transfer = false,
                                            std::optional<double> original = std::nullopt) {
    return test::transaction({.id = std::move(id),
                              .amount = amount,
                              .amountOriginalCurrency = original,
                              .currencyCode = original ? "EUR" : std::optional<std::string>{},
                              .categoryId = "cat-food",
                              .isExpense = expense,
                              .isTransfer = transfer,
                              .date = date});
}

} // namespace

TEST(ReportTransaction, ConstructorTakesTheFieldsInTheirDocumentedOrder) {
    const ReportTransaction t("id-1", 12.5, 11.0, "EUR", "Groceries", "cart.fill", "cat-groceries", "Bakery",
                              "birthday.cake.fill", true, false, Date{1000}, "acc-1", "Wallet",
                              "Morning Crust", "Croissants", true, false, true);
    EXPECT_EQ(t.identifier(), "id-1");
    EXPECT_DOUBLE_EQ(t.amount(), 12.5);
    EXPECT_EQ(t.amountOriginalCurrency(), 11.0);
    EXPECT_EQ(t.currencyCode(), "EUR");
    EXPECT_EQ(t.categoryName(), "Groceries");
    EXPECT_EQ(t.categoryImageName(), "cart.fill");
    EXPECT_EQ(t.categoryId(), "cat-groceries");
    EXPECT_EQ(t.subcategoryName(), "Bakery");
    EXPECT_EQ(t.subcategoryImageName(), "birthday.cake.fill");
    EXPECT_TRUE(t.isExpense());
    EXPECT_FALSE(t.isTransfer());
    EXPECT_EQ(t.date(), Date{1000});
    EXPECT_EQ(t.accountId(), "acc-1");
    EXPECT_EQ(t.accountName(), "Wallet");
    EXPECT_EQ(t.payee(), "Morning Crust");
    EXPECT_EQ(t.descriptionText(), "Croissants");
    EXPECT_TRUE(t.isChildRepeating());
    EXPECT_FALSE(t.isDynamicShortcut());
    EXPECT_TRUE(t.isExcludedFromCalculations());
}

TEST(TransactionConformable, TypeColourAndExchangeRate) {
    const auto expense = reportTx("e", 10, Date{}, true, false, 8.0);
    const auto income = reportTx("i", 10, Date{}, false);
    const auto outgoing = reportTx("o", 10, Date{}, true, true);
    const auto incoming = reportTx("n", 10, Date{}, false, true);
    EXPECT_EQ(expense->type(), TransactionType::expense);
    EXPECT_EQ(income->type(), TransactionType::income);
    EXPECT_EQ(outgoing->type(), TransactionType::transferSource);
    EXPECT_EQ(incoming->type(), TransactionType::transferDestination);

    EXPECT_EQ(expense->signColor(), negativeAmountColor);
    EXPECT_EQ(income->signColor(), positiveAmountColor);
    EXPECT_EQ(outgoing->signColor(), neutralAmountColor);
    EXPECT_EQ(incoming->signColor(), neutralAmountColor);

    EXPECT_DOUBLE_EQ(expense->exchangeRate(), 1.25);
    EXPECT_DOUBLE_EQ(income->exchangeRate(), 1.0); // booked in the application currency
    EXPECT_DOUBLE_EQ(reportTx("z", 3, Date{}, true, false, 0.0)->exchangeRate(), 1.0); // no division by zero
}

TEST(TransactionConformable, YearFollowsTheCalendarsTimeZone) {
    // New Year's Eve 23:30 UTC is already the next year in Berlin and still the old one in New York.
    const Date instant = Date::fromUnixSeconds(1735687800.0); // 2024-12-31 23:30:00 UTC
    const auto t = reportTx("t", 1, instant);
    EXPECT_EQ(t->year(Calendar("UTC")), 2024);
    EXPECT_EQ(t->year(Calendar("Europe/Berlin")), 2025);
    EXPECT_EQ(t->year(Calendar("America/New_York")), 2024);
    Environment::Override env({.timeZone = "Asia/Tokyo"});
    EXPECT_EQ(t->year(), 2025);
}

TEST(TransactionSequences, TotalAndNewestFirstOrdering) {
    const ReportTransactionList list{reportTx("a", 10, Date{100}), reportTx("b", 2.5, Date{300}),
                                     reportTx("c", 7, Date{100}), reportTx("d", 0.5, Date{200}, false)};
    EXPECT_DOUBLE_EQ(total(list), 20.0); // amounts as stored, whatever the direction
    EXPECT_DOUBLE_EQ(total(ReportTransactionList{}), 0.0);

    const auto sorted = sortedByDateDescending(list);
    std::vector<std::string> order;
    for (const auto& t : sorted)
        order.push_back(t->identifier());
    EXPECT_EQ(order, (std::vector<std::string>{"b", "d", "a", "c"})); // a and c keep their order
    EXPECT_EQ(sorted[0], list[1]);                                    // the same objects, not copies

    // Works over base-class handles as the insight calculators hold them.
    const std::vector<std::shared_ptr<const TransactionConformable>> base(list.begin(), list.end());
    EXPECT_DOUBLE_EQ(total(base), 20.0);
    EXPECT_EQ(sortedByDateDescending(base).front()->identifier(), "b");
}

TEST(ReportTransactionDemo, AYearOfTransactionsUpToTheReferenceDay) {
    Environment::Override env({.locale = "en_US", .timeZone = "Europe/Berlin", .now = reportDemoNow});
    const Calendar calendar("Europe/Berlin");
    const auto demo = ReportTransaction::demo(reportDemoNow);
    ASSERT_GT(demo.size(), 200u);

    std::set<std::string> ids;
    std::set<std::pair<int, int>> months;
    std::set<std::string> incomeCategories, expenseCategories;
    for (const auto& t : demo) {
        EXPECT_TRUE(ids.insert(t->identifier()).second) << t->identifier();
        EXPECT_LE(t->date(), reportDemoNow) << t->identifier();
        EXPECT_GT(t->amount(), 0) << t->identifier();
        const auto c = calendar.components(t->date());
        months.insert({*c.year, *c.month});
        if (!t->isTransfer())
            (t->isExpense() ? expenseCategories : incomeCategories).insert(t->categoryName());
    }
    EXPECT_EQ(months.size(), 12u);
    EXPECT_EQ(*months.begin(), std::make_pair(2024, 6));
    EXPECT_EQ(*months.rbegin(), std::make_pair(2025, 5));
    EXPECT_GE(expenseCategories.size(), 6u);
    EXPECT_GE(incomeCategories.size(), 2u);

    // Newest first, and the first two are the reference day's own.
    for (std::size_t i = 1; i < demo.size(); ++i)
        EXPECT_GE(demo[i - 1]->date(), demo[i]->date());
    EXPECT_TRUE(calendar.isDate(demo[0]->date(), reportDemoNow));
    EXPECT_TRUE(calendar.isDate(demo[1]->date(), reportDemoNow));
    EXPECT_FALSE(calendar.isDate(demo[2]->date(), reportDemoNow));

    // The list carries what the screens single out: transfers, exclusions, subcategories.
    const auto any = [&](auto pred) { return std::any_of(demo.begin(), demo.end(), pred); };
    EXPECT_TRUE(any([](const auto& t) { return t->isTransfer() && t->isExpense(); }));
    EXPECT_TRUE(any([](const auto& t) { return t->isTransfer() && !t->isExpense(); }));
    EXPECT_TRUE(any([](const auto& t) { return t->isExcludedFromCalculations(); }));
    EXPECT_TRUE(any([](const auto& t) { return t->isChildRepeating(); }));
    EXPECT_TRUE(any([](const auto& t) { return t->subcategoryName().has_value(); }));
}

TEST(ReportTransactionDemo, DeterministicAndConsistentWithTheOtherDemoSets) {
    Environment::Override env({.timeZone = "America/Los_Angeles"});
    const auto first = ReportTransaction::demo(reportDemoNow);
    const auto second = ReportTransaction::demo(reportDemoNow);
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i]->identifier(), second[i]->identifier());
        EXPECT_EQ(first[i]->amount(), second[i]->amount());
        EXPECT_EQ(first[i]->date(), second[i]->date());
    }

    // Every category and account named by a transaction exists in the demo categories and accounts.
    std::map<std::string, std::shared_ptr<WidgetCategory>> categories;
    for (const auto& c : WidgetCategory::demo())
        categories[c->id] = c;
    std::set<std::string> accounts;
    for (const auto& a : WidgetAccount::demo())
        accounts.insert(a.id);
    for (const auto& t : first) {
        EXPECT_TRUE(accounts.contains(t->accountId())) << t->accountId();
        if (t->isTransfer())
            continue;
        const auto found = categories.find(t->categoryId());
        ASSERT_NE(found, categories.end()) << t->categoryId();
        EXPECT_EQ(found->second->name, t->categoryName());
        EXPECT_EQ(found->second->isIncome(), !t->isExpense()) << t->identifier();
    }
}

TEST(ReportTransactionDemo, ZonesWhereDaysStartAtOne) {
    // Santiago moves its clocks at midnight: a day may start at 01:00 and 00:05 may not exist.
    Environment::Override env({.timeZone = "America/Santiago"});
    const Calendar calendar("America/Santiago");
    const Date reference = *calendar.date(2024, 9, 8, 10, 0); // the day clocks jumped to 01:00
    const auto demo = ReportTransaction::demo(reference);
    std::set<std::string> ids;
    std::set<int> months;
    for (const auto& t : demo) {
        ids.insert(t->identifier());
        months.insert(*calendar.components(t->date()).month);
        EXPECT_LE(t->date(), reference);
    }
    EXPECT_EQ(ids.size(), demo.size());
    EXPECT_EQ(months.size(), 12u);
    EXPECT_TRUE(calendar.isDate(demo[0]->date(), reference));
    EXPECT_GE(demo[1]->date(), calendar.startOfDay(reference));
}

TEST(ReportTransactionDemo, MulticurrencyAmountsMatchTheirRates) {
    Environment::Override env({.timeZone = "UTC"});
    const auto demo = ReportTransaction::demoInMulticurrency(reportDemoNow);
    std::set<std::string> codes;
    std::map<std::string, double> rates;
    for (const auto& t : demo) {
        EXPECT_LE(t->date(), reportDemoNow);
        if (!t->currencyCode())
            continue;
        ASSERT_TRUE(t->amountOriginalCurrency());
        codes.insert(*t->currencyCode());
        // One rate per currency across the set, within rounding to cents.
        const auto [it, inserted] = rates.emplace(*t->currencyCode(), t->exchangeRate());
        if (!inserted) {
            EXPECT_NEAR(t->exchangeRate(), it->second, 0.01) << t->identifier();
        }
    }
    EXPECT_EQ(codes, (std::set<std::string>{"CHF", "EUR", "GBP"}));
    EXPECT_TRUE(std::any_of(demo.begin(), demo.end(), [](const auto& t) { return !t->currencyCode(); }));
}
