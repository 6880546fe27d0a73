#pragma once

#include "ZTSwiftUIComponents/overview/OverviewCardCounts.h"
#include "ZTSwiftUIComponents/overview/OverviewDatabase.h"

namespace zt {

/// The demo overview database of the previews and the demo mode: the host's demo records, four
/// fixed top categories and five summary cards. Results arrive on the main queue. The two card
/// counts live in the environment's user defaults. Transactions saved on the demo entry screen are
/// added on top of the demo records; each addition calls onDataChanged.
class MockOverviewDatabase : public OverviewDatabase {
public:
    /// Takes the demo transactions relative to the environment's now and reads the card counts.
    MockOverviewDatabase();

    double netWorth() const override { return netWorth_; }
    std::set<std::string> syncingAccountIds() const override { return {}; }
    std::vector<Shortcut> shortcuts() const override;
    std::vector<UpcomingBill> bills() const override;
    int visibleAccountsInAccountCard() const override { return cardCounts_.visibleAccounts(); }
    /// Also stored in the user defaults.
    void setVisibleAccountsInAccountCard(int count) override;
    int visibleShortcutsInShortcutCard() const override { return cardCounts_.visibleShortcuts(); }
    /// Also stored in the user defaults.
    void setVisibleShortcutsInShortcutCard(int count) override;
    /// The demo transactions of the last seven days, today included: what a bank import since the
    /// user's last review would leave, not the whole demo year.
    int transactionsNeedingReviewCount() const override { return needingReview_; }

    void calculateNetWorth() override;
    void fetchGoals(Completion<std::vector<WidgetGoal>> completion) override;
    void fetchAccounts(Completion<std::vector<WidgetAccount>> completion) override;
    /// The first two demo accounts.
    void fetchAccountsInOverview(Completion<std::vector<WidgetAccount>> completion) override;
    /// The added transactions, newest first, then the demo ones.
    ReportTransactionList fetchTransactions() override;
    /// The first two demo transactions, whatever the ids, then the added ones dated today.
    void fetchTodayTransactions(const std::set<std::string>& filteredAccountIds,
                                Completion<ReportTransactionList> completion) override;
    /// The demo top categories with the added expenses of the current month.
    void fetchTopCategories(Completion<std::vector<TopCategory>> completion) override;
    /// The demo summary cards; once transactions were added, the remaining-for-period card shows
    /// demoRemainingForPeriod less the added expenses plus the added incomes of the current month.
    void reloadSummaryCardItems(Completion<SummaryCardItems> completion) override;
    /// A custom limit of 100 over the demo calculator (daily budget 200) and storage.
    std::shared_ptr<DailyLimitViewModel>
    makeDailyLimitViewModel(const std::set<std::string>& filteredAccountIds,
                            const ReportTransactionList& todayTransactions) override;
    void deleteShortcut(const Shortcut& shortcut) override;
    void toggle(bool isDynamic, const Shortcut& shortcut) override;

    /// Stores a transaction and calls onDataChanged. It counts in the net worth and, unless it is
    /// a transfer between the user's own accounts, in the figures described above.
    void add(std::shared_ptr<ReportTransaction> transaction);
    /// Oldest first.
    const ReportTransactionList& addedTransactions() const { return added_; }

    /// What the demo leaves to spend in the period before anything was added.
    static constexpr double demoRemainingForPeriod = 100;
    /// The four demo top categories.
    static std::vector<TopCategory> demoTopCategories();
    /// The five demo summary cards, percentages in the environment's locale.
    static SummaryCardItems demoSummaryCardItems();

private:
    /// The added transactions that count in the current month's figures.
    ReportTransactionList addedThisMonth() const;

    ReportTransactionList transactions_;
    ReportTransactionList added_;
    double netWorth_ = 0;
    int needingReview_ = 0;
    OverviewCardCounts cardCounts_;
};

} // namespace zt
