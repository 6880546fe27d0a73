#pragma once

#include "ZTSwiftUIComponents/overview/OverviewDatabase.h"
#include "platform/Date.h"

#include <string>
#include <vector>

namespace minimal {

// The host's own records, the way its storage keeps them. The library never sees these types:
// the database below turns them into the library's records.
struct LedgerAccount {
    std::string id;
    std::string name;
    double balance;
    bool isSavings;
    bool countsInOverview;
};

struct LedgerEntry {
    std::string id;
    std::string accountId;
    std::string category;
    std::string payee;
    double amount; // negative for money spent
    zt::Date date;
};

struct Ledger {
    std::vector<LedgerAccount> accounts;
    std::vector<LedgerEntry> entries;
};

// A small household's ledger: two accounts and a month of entries up to now.
Ledger sampleLedger(zt::Date now);

// The overview's data source over the host's ledger. Results are handed over on the main queue,
// as the library expects from every asynchronous operation.
class LedgerOverviewDatabase final : public zt::OverviewDatabase {
public:
    explicit LedgerOverviewDatabase(Ledger ledger);

    double netWorth() const override { return netWorth_; }
    std::set<std::string> syncingAccountIds() const override { return {}; }
    std::vector<zt::Shortcut> shortcuts() const override { return {}; }
    std::vector<zt::UpcomingBill> bills() const override { return {}; }
    int visibleAccountsInAccountCard() const override { return visibleAccounts_; }
    void setVisibleAccountsInAccountCard(int count) override;
    int visibleShortcutsInShortcutCard() const override { return visibleShortcuts_; }
    void setVisibleShortcutsInShortcutCard(int count) override;
    int transactionsNeedingReviewCount() const override { return 0; }

    void calculateNetWorth() override;
    void fetchGoals(Completion<std::vector<zt::WidgetGoal>> completion) override;
    void fetchAccounts(Completion<std::vector<zt::WidgetAccount>> completion) override;
    void fetchAccountsInOverview(Completion<std::vector<zt::WidgetAccount>> completion) override;
    zt::ReportTransactionList fetchTransactions() override;
    void fetchTodayTransactions(const std::set<std::string>& filteredAccountIds,
                                Completion<zt::ReportTransactionList> completion) override;
    void fetchTopCategories(Completion<std::vector<zt::TopCategory>> completion) override;
    void reloadSummaryCardItems(Completion<zt::SummaryCardItems> completion) override;
    std::shared_ptr<zt::DailyLimitViewModel>
    makeDailyLimitViewModel(const std::set<std::string>& filteredAccountIds,
                            const zt::ReportTransactionList& todayTransactions) override;
    void deleteShortcut(const zt::Shortcut&) override {}
    void toggle(bool, const zt::Shortcut&) override {}

private:
    std::vector<zt::WidgetAccount> accounts(bool onlyInOverview) const;

    Ledger ledger_;
    double netWorth_ = 0;
    int visibleAccounts_ = 5;
    int visibleShortcuts_ = 4;
};

} // namespace minimal
