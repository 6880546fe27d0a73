#include "LedgerOverviewDatabase.h"

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/overview/DailyLimitViewModel.h"
#include "mocks/MockDailyLimitCalculator.h"
#include "mocks/MockDailyLimitStorage.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/MainQueue.h"

#include <algorithm>
#include <map>
#include <utility>

namespace minimal {

namespace {

constexpr double day = 24 * 60 * 60;

// Every asynchronous answer reaches the library on its main queue, never inside the call.
template <class T> void deliver(zt::OverviewDatabase::Completion<T> completion, T value) {
    zt::MainQueue::main().async([completion = std::move(completion), value = std::move(value)]() mutable {
        completion(std::move(value));
    });
}

std::shared_ptr<zt::ReportTransaction> toTransaction(const LedgerEntry& entry,
                                                     const std::string& accountName) {
    const bool isExpense = entry.amount < 0;
    return std::make_shared<zt::ReportTransaction>(
        entry.id, entry.amount, std::nullopt, std::nullopt, entry.category, "tag.fill", entry.category,
        std::nullopt, std::nullopt, isExpense, false, entry.date, entry.accountId, accountName, entry.payee,
        std::nullopt, false, false, false);
}

} // namespace

Ledger sampleLedger(zt::Date now) {
    Ledger ledger;
    ledger.accounts = {{"giro", "Household account", 2140.50, false, true},
                       {"savings", "Rainy-day savings", 6200.00, true, false}};
    ledger.entries = {
        {"e1", "giro", "Groceries", "Corner Market", -23.40, now - 0.1 * day},
        {"e2", "giro", "Transport", "City Transit", -3.20, now - 0.2 * day},
        {"e3", "giro", "Groceries", "Farmers' Market", -41.75, now - 3 * day},
        {"e4", "giro", "Dining", "Noodle Bar", -18.90, now - 5 * day},
        {"e5", "giro", "Utilities", "Power & Light", -64.00, now - 9 * day},
        {"e6", "giro", "Salary", "Employer", 2450.00, now - 12 * day},
    };
    return ledger;
}

LedgerOverviewDatabase::LedgerOverviewDatabase(Ledger ledger) : ledger_(std::move(ledger)) {
    calculateNetWorth();
}

void LedgerOverviewDatabase::setVisibleAccountsInAccountCard(int count) {
    objectWillChange.notify();
    visibleAccounts_ = count;
}

void LedgerOverviewDatabase::setVisibleShortcutsInShortcutCard(int count) {
    objectWillChange.notify();
    visibleShortcuts_ = count;
}

void LedgerOverviewDatabase::calculateNetWorth() {
    netWorth_ = 0;
    for (const auto& account : ledger_.accounts)
        netWorth_ += account.balance;
}

std::vector<zt::WidgetAccount> LedgerOverviewDatabase::accounts(bool onlyInOverview) const {
    std::vector<zt::WidgetAccount> out;
    for (const auto& account : ledger_.accounts)
        if (!onlyInOverview || account.countsInOverview)
            out.emplace_back(account.id, account.name, account.balance,
                             account.isSavings ? zt::AccountType::savings : zt::AccountType::checking,
                             std::nullopt, account.isSavings ? "banknote.fill" : "building.columns.fill");
    return out;
}

void LedgerOverviewDatabase::fetchGoals(Completion<std::vector<zt::WidgetGoal>> completion) {
    deliver(std::move(completion), std::vector<zt::WidgetGoal>{});
}

void LedgerOverviewDatabase::fetchAccounts(Completion<std::vector<zt::WidgetAccount>> completion) {
    deliver(std::move(completion), accounts(false));
}

void LedgerOverviewDatabase::fetchAccountsInOverview(Completion<std::vector<zt::WidgetAccount>> completion) {
    deliver(std::move(completion), accounts(true));
}

zt::ReportTransactionList LedgerOverviewDatabase::fetchTransactions() {
    zt::ReportTransactionList out;
    for (const auto& entry : ledger_.entries) {
        const auto account = std::find_if(ledger_.accounts.begin(), ledger_.accounts.end(),
                                          [&](const LedgerAccount& a) { return a.id == entry.accountId; });
        out.push_back(toTransaction(entry, account != ledger_.accounts.end() ? account->name : ""));
    }
    return out;
}

void LedgerOverviewDatabase::fetchTodayTransactions(const std::set<std::string>& filteredAccountIds,
                                                    Completion<zt::ReportTransactionList> completion) {
    const zt::Calendar calendar = zt::Environment::current().calendar();
    const zt::Date now = zt::Environment::current().now();
    zt::ReportTransactionList today;
    for (const auto& transaction : fetchTransactions())
        if (calendar.isDate(transaction->date(), now) &&
            (filteredAccountIds.empty() || filteredAccountIds.contains(transaction->accountId())))
            today.push_back(transaction);
    deliver(std::move(completion), std::move(today));
}

void LedgerOverviewDatabase::fetchTopCategories(Completion<std::vector<zt::TopCategory>> completion) {
    std::map<std::string, double> spent;
    for (const auto& entry : ledger_.entries)
        if (entry.amount < 0)
            spent[entry.category] -= entry.amount;
    std::vector<zt::TopCategory> top;
    for (const auto& [name, amount] : spent)
        top.push_back({name, amount, zt::neutralAmountColor});
    std::sort(top.begin(), top.end(),
              [](const auto& a, const auto& b) { return a.amountSpent > b.amountSpent; });
    deliver(std::move(completion), std::move(top));
}

// This host shows no summary cards, so it has none to give.
void LedgerOverviewDatabase::reloadSummaryCardItems(Completion<zt::SummaryCardItems> completion) {
    deliver(std::move(completion), zt::SummaryCardItems{});
}

std::shared_ptr<zt::DailyLimitViewModel>
LedgerOverviewDatabase::makeDailyLimitViewModel(const std::set<std::string>&,
                                                const zt::ReportTransactionList& todayTransactions) {
    return std::make_shared<zt::DailyLimitViewModel>(
        todayTransactions, std::nullopt, zt::DailyLimitCalculationType::automatic,
        std::make_shared<zt::MockDailyLimitCalculator>(), std::make_shared<zt::MockDailyLimitStorage>(),
        zt::DailyLimitViewModel::DateProvider{});
}

} // namespace minimal
