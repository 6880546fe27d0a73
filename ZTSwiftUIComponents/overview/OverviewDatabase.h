#pragma once

#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/host/Shortcut.h"
#include "ZTSwiftUIComponents/host/UpcomingBill.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "ZTSwiftUIComponents/host/WidgetGoal.h"
#include "ZTSwiftUIComponents/overview/SummaryCardItem.h"
#include "ZTSwiftUIComponents/overview/TopCategory.h"
#include "platform/DateInterval.h"
#include "platform/Published.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace zt {

class DailyLimitViewModel;

/// The overview's data source, implemented by the host. Every asynchronous operation hands its
/// result to the completion, which the host calls exactly once, on the main queue. None of them
/// fails: "nothing" is an empty result. Observable: an implementation announces objectWillChange
/// before a value the screen shows directly (net worth, the card counts, …) changes.
class OverviewDatabase : public ObservableObject {
public:
    /// Receives the result of an asynchronous operation; called once, on the main queue.
    template <class T> using Completion = std::function<void(T)>;

    /// In the application currency.
    virtual double netWorth() const = 0;
    /// Online accounts whose bank synchronisation is running.
    virtual std::set<std::string> syncingAccountIds() const = 0;

    /// The database calls this after any change of its data. The overview store installs it.
    std::function<void()> onDataChanged;
    /// The database calls this with the new current period after the period settings changed.
    std::function<void(const DateInterval&)> onSettingsChanged;

    /// The shortcuts of the shortcut card, in display order; empty when there are none.
    virtual std::vector<Shortcut> shortcuts() const = 0;
    /// Bills of the current period.
    virtual std::vector<UpcomingBill> bills() const = 0;
    /// How many accounts the account card shows, as the user chose.
    virtual int visibleAccountsInAccountCard() const = 0;
    /// Stores the user's choice from the "Visible Accounts" sheet.
    virtual void setVisibleAccountsInAccountCard(int count) = 0;
    /// How many shortcuts the shortcut card shows, as the user chose.
    virtual int visibleShortcutsInShortcutCard() const = 0;
    /// Stores the user's choice from the "Visible shortcuts" sheet.
    virtual void setVisibleShortcutsInShortcutCard(int count) = 0;
    /// How many transactions wait for the user's review; above 0 the overview offers the review.
    virtual int transactionsNeedingReviewCount() const = 0;

    /// Recomputes netWorth().
    virtual void calculateNetWorth() = 0;
    /// The savings goals of the goals card; empty when there are none.
    virtual void fetchGoals(Completion<std::vector<WidgetGoal>> completion) = 0;
    /// All accounts.
    virtual void fetchAccounts(Completion<std::vector<WidgetAccount>> completion) = 0;
    /// The accounts that take part in the overview's figures.
    virtual void fetchAccountsInOverview(Completion<std::vector<WidgetAccount>> completion) = 0;
    /// The transactions of the overview; synchronous.
    virtual ReportTransactionList fetchTransactions() = 0;
    /// Today's transactions of the given accounts.
    virtual void fetchTodayTransactions(const std::set<std::string>& filteredAccountIds,
                                        Completion<ReportTransactionList> completion) = 0;
    /// The categories with the highest spending, for the top-categories card; empty when there are none.
    virtual void fetchTopCategories(Completion<std::vector<TopCategory>> completion) = 0;
    /// Recomputes the figures of the summary cards.
    virtual void reloadSummaryCardItems(Completion<SummaryCardItems> completion) = 0;
    /// A new daily-limit view model over the overview accounts and today's transactions.
    virtual std::shared_ptr<DailyLimitViewModel>
    makeDailyLimitViewModel(const std::set<std::string>& filteredAccountIds,
                            const ReportTransactionList& todayTransactions) = 0;
    /// Deletes the shortcut (`delete` is a keyword here).
    virtual void deleteShortcut(const Shortcut& shortcut) = 0;
    /// Switches the shortcut's dynamic (frequently used) flag on or off.
    virtual void toggle(bool isDynamic, const Shortcut& shortcut) = 0;
};

} // namespace zt
