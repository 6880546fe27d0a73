#include "MockOverviewDatabase.h"

#include "MockDailyLimitCalculator.h"
#include "MockDailyLimitStorage.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/overview/DailyLimitViewModel.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"
#include "platform/NumberFormatter.h"

#include <algorithm>
#include <utility>

namespace zt {

namespace {

// The system palette's green, blue, yellow and red.
constexpr Color green{52.0 / 255.0, 199.0 / 255.0, 89.0 / 255.0};
constexpr Color blue{0.0, 122.0 / 255.0, 1.0};
constexpr Color yellow{1.0, 204.0 / 255.0, 0.0};
constexpr Color red{1.0, 59.0 / 255.0, 48.0 / 255.0};

template <class T> void deliver(OverviewDatabase::Completion<T> completion, T value) {
    MainQueue::main().async([completion = std::move(completion), value = std::move(value)]() mutable {
        completion(std::move(value));
    });
}

constexpr int daysToReview = 7;

} // namespace

MockOverviewDatabase::MockOverviewDatabase() : transactions_(ReportTransaction::demo()) {
    const Date now = Environment::current().now();
    const Calendar calendar = Calendar::current();
    const Date weekAgo =
        calendar.startOfDay(calendar.adding(CalendarComponent::day, -(daysToReview - 1), now).value_or(now));
    for (const auto& transaction : transactions_) {
        netWorth_ += transaction->amount();
        if (transaction->date() >= weekAgo && transaction->date() <= now)
            ++needingReview_;
    }
}

std::vector<Shortcut> MockOverviewDatabase::shortcuts() const {
    return Shortcut::demo();
}

std::vector<UpcomingBill> MockOverviewDatabase::bills() const {
    return UpcomingBill::demoBills();
}

void MockOverviewDatabase::setVisibleAccountsInAccountCard(int count) {
    objectWillChange.notify();
    cardCounts_.setVisibleAccounts(count);
}

void MockOverviewDatabase::setVisibleShortcutsInShortcutCard(int count) {
    objectWillChange.notify();
    cardCounts_.setVisibleShortcuts(count);
}

// The demo's net worth is fixed by its transactions.
void MockOverviewDatabase::calculateNetWorth() {}

void MockOverviewDatabase::fetchGoals(Completion<std::vector<WidgetGoal>> completion) {
    deliver(std::move(completion), WidgetGoal::demoGoals());
}

void MockOverviewDatabase::fetchAccounts(Completion<std::vector<WidgetAccount>> completion) {
    deliver(std::move(completion), WidgetAccount::demo());
}

void MockOverviewDatabase::fetchAccountsInOverview(Completion<std::vector<WidgetAccount>> completion) {
    auto accounts = WidgetAccount::demo();
    accounts.resize(std::min<std::size_t>(accounts.size(), 2));
    deliver(std::move(completion), std::move(accounts));
}

ReportTransactionList MockOverviewDatabase::fetchTransactions() {
    ReportTransactionList all(added_.rbegin(), added_.rend());
    all.insert(all.end(), transactions_.begin(), transactions_.end());
    return all;
}

void MockOverviewDatabase::fetchTodayTransactions(const std::set<std::string>&,
                                                  Completion<ReportTransactionList> completion) {
    ReportTransactionList today(
        transactions_.begin(),
        transactions_.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(transactions_.size(), 2)));
    const auto calendar = Calendar::current();
    const Date now = Environment::current().now();
    for (const auto& t : added_)
        if (calendar.isDate(t->date(), now))
            today.push_back(t);
    deliver(std::move(completion), std::move(today));
}

ReportTransactionList MockOverviewDatabase::addedThisMonth() const {
    const auto calendar = Calendar::current();
    const auto now = calendar.components(Environment::current().now());
    ReportTransactionList out;
    for (const auto& t : added_) {
        const auto day = calendar.components(t->date());
        if (!t->isTransfer() && !t->isExcludedFromCalculations() && day.year == now.year &&
            day.month == now.month)
            out.push_back(t);
    }
    return out;
}

void MockOverviewDatabase::fetchTopCategories(Completion<std::vector<TopCategory>> completion) {
    auto categories = demoTopCategories();
    for (const auto& t : addedThisMonth()) {
        if (!t->isExpense())
            continue;
        auto it = std::find_if(categories.begin(), categories.end(),
                               [&](const TopCategory& c) { return c.name == t->categoryName(); });
        if (it == categories.end())
            it = categories.insert(categories.end(),
                                   TopCategory{t->categoryName(), 0, Theme::shared().accentColor});
        it->amountSpent += t->amount();
    }
    std::stable_sort(categories.begin(), categories.end(), [](const TopCategory& a, const TopCategory& b) {
        return a.amountSpent > b.amountSpent;
    });
    deliver(std::move(completion), std::move(categories));
}

void MockOverviewDatabase::reloadSummaryCardItems(Completion<SummaryCardItems> completion) {
    auto items = demoSummaryCardItems();
    if (!added_.empty()) {
        double remaining = demoRemainingForPeriod;
        for (const auto& t : addedThisMonth())
            remaining += t->isExpense() ? -t->amount() : t->amount();
        auto& item = items[SummaryCardItemType::remainingForPeriod];
        item.difference = makeAppBasedCurrencyFormatter().stringOrDash(remaining);
        item.progressColor = signColor(remaining);
    }
    deliver(std::move(completion), std::move(items));
}

void MockOverviewDatabase::add(std::shared_ptr<ReportTransaction> transaction) {
    if (!transaction)
        return;
    objectWillChange.notify();
    if (!transaction->isTransfer())
        netWorth_ += transaction->isExpense() ? -transaction->amount() : transaction->amount();
    added_.push_back(std::move(transaction));
    if (onDataChanged)
        onDataChanged();
}

std::shared_ptr<DailyLimitViewModel>
MockOverviewDatabase::makeDailyLimitViewModel(const std::set<std::string>&,
                                              const ReportTransactionList& today) {
    return std::make_shared<DailyLimitViewModel>(
        today, 100.0, DailyLimitCalculationType::custom, std::make_shared<MockDailyLimitCalculator>(),
        std::make_shared<MockDailyLimitStorage>(), [] { return Environment::current().now(); });
}

// The demo's shortcuts are fixed.
void MockOverviewDatabase::deleteShortcut(const Shortcut&) {}
void MockOverviewDatabase::toggle(bool, const Shortcut&) {}

std::vector<TopCategory> MockOverviewDatabase::demoTopCategories() {
    return {{"Groceries", 150, green},
            {"Entertainment", 100, blue},
            {"Utilities", 75, yellow},
            {"Transport", 50, red}};
}

SummaryCardItems MockOverviewDatabase::demoSummaryCardItems() {
    const std::string percentage =
        NumberFormatter::percent(Environment::current().localeIdentifier()).string(2.0).value_or("--");
    const auto item = [&](std::string title, std::string difference) {
        return SummaryCardItem{
            title, title, "$200", "$0", percentage, 2.0, positiveAmountColor, std::move(difference)};
    };
    return {
        {SummaryCardItemType::week, item("Week", "+$100")},
        {SummaryCardItemType::month, item("Month", "+$150")},
        {SummaryCardItemType::year, item("Year", "-$1,200")},
        {SummaryCardItemType::remainingForPeriod, item("remaingForPeriod", "$100")},
        {SummaryCardItemType::customPeriod, item("customPeriodSummary", "+$50")},
    };
}

} // namespace zt
