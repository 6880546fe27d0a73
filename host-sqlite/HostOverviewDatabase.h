#pragma once

#include "HostDatabase.h"
#include "ZTSwiftUIComponents/overview/OverviewCardCounts.h"
#include "ZTSwiftUIComponents/overview/OverviewDatabase.h"

#include <memory>

namespace zt {

/// The overview's figures from the host database: every card is one indexed read or one SQL
/// aggregate over the current period, never a pass over all transactions. The current period is
/// the calendar month of the environment's now. Results arrive on the main queue.
class HostOverviewDatabase : public OverviewDatabase {
public:
    /// The user's daily-limit choice, kept in the database's settings.
    static constexpr const char* dailyLimitAmountKey = "dailyLimitAmount";
    static constexpr const char* dailyLimitTypeKey = "dailyLimitCalculationType";

    explicit HostOverviewDatabase(std::shared_ptr<HostDatabase> database);

    const std::shared_ptr<HostDatabase>& database() const { return database_; }

    double netWorth() const override { return netWorth_; }
    std::set<std::string> syncingAccountIds() const override { return {}; }
    std::vector<Shortcut> shortcuts() const override;
    /// Each occurrence of a repeating expense that falls in the current month.
    std::vector<UpcomingBill> bills() const override;
    int visibleAccountsInAccountCard() const override { return cardCounts_.visibleAccounts(); }
    void setVisibleAccountsInAccountCard(int count) override;
    int visibleShortcutsInShortcutCard() const override { return cardCounts_.visibleShortcuts(); }
    void setVisibleShortcutsInShortcutCard(int count) override;
    int transactionsNeedingReviewCount() const override { return needingReview_; }

    /// The balances of the accounts that are not archived, in the application currency.
    void calculateNetWorth() override;
    void fetchGoals(Completion<std::vector<WidgetGoal>> completion) override;
    void fetchAccounts(Completion<std::vector<WidgetAccount>> completion) override;
    /// The accounts marked for the overview that are not archived.
    void fetchAccountsInOverview(Completion<std::vector<WidgetAccount>> completion) override;
    /// The current month's transactions, newest first.
    ReportTransactionList fetchTransactions() override;
    void fetchTodayTransactions(const std::set<std::string>& filteredAccountIds,
                                Completion<ReportTransactionList> completion) override;
    /// The current month's expenses by category, largest first; transfers and excluded ones do
    /// not count.
    void fetchTopCategories(Completion<std::vector<TopCategory>> completion) override;
    /// Expense and income of the week, month and year so far, of the last 30 days, and what the
    /// month leaves (income less expense).
    void reloadSummaryCardItems(Completion<SummaryCardItems> completion) override;
    std::shared_ptr<DailyLimitViewModel>
    makeDailyLimitViewModel(const std::set<std::string>& filteredAccountIds,
                            const ReportTransactionList& todayTransactions) override;
    void deleteShortcut(const Shortcut& shortcut) override;
    void toggle(bool isDynamic, const Shortcut& shortcut) override;

    /// Whoever wrote to the database calls this: the cached figures are read again, observers
    /// are told, then onDataChanged.
    void dataDidChange();

private:
    void refreshCachedFigures();

    std::shared_ptr<HostDatabase> database_;
    double netWorth_ = 0;
    int needingReview_ = 0;
    OverviewCardCounts cardCounts_;
};

} // namespace zt
