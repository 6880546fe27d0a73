#pragma once

#include "mocks/MockOverviewDatabase.h"
#include "platform/MainQueue.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zt::overviewtest {

/// The demo database with records a test chooses, recording the shortcut calls it receives.
class OverviewScreenTestDatabase : public MockOverviewDatabase {
public:
    std::vector<Shortcut> shortcutList = Shortcut::demo();
    std::vector<UpcomingBill> billList;
    std::vector<WidgetAccount> accountList = WidgetAccount::demo();
    std::vector<WidgetGoal> goalList;
    std::set<std::string> syncing;
    std::optional<SummaryCardItems> summaries; // the demo ones when empty
    bool makesDailyLimit = true;
    int reviewCount = 0;
    double worth = 1234.5;
    std::vector<std::string> calls;

    double netWorth() const override { return worth; }
    std::set<std::string> syncingAccountIds() const override { return syncing; }
    std::vector<Shortcut> shortcuts() const override { return shortcutList; }
    std::vector<UpcomingBill> bills() const override { return billList; }
    int transactionsNeedingReviewCount() const override { return reviewCount; }
    void fetchAccounts(Completion<std::vector<WidgetAccount>> completion) override {
        MainQueue::main().async([completion, a = accountList] { completion(a); });
    }
    void fetchAccountsInOverview(Completion<std::vector<WidgetAccount>> completion) override {
        auto a = accountList;
        a.resize(std::min<std::size_t>(a.size(), 2));
        MainQueue::main().async([completion, a] { completion(a); });
    }
    void fetchGoals(Completion<std::vector<WidgetGoal>> completion) override {
        MainQueue::main().async([completion, g = goalList] { completion(g); });
    }
    void reloadSummaryCardItems(Completion<SummaryCardItems> completion) override {
        if (!summaries)
            return MockOverviewDatabase::reloadSummaryCardItems(std::move(completion));
        MainQueue::main().async([completion, s = *summaries] { completion(s); });
    }
    std::shared_ptr<DailyLimitViewModel>
    makeDailyLimitViewModel(const std::set<std::string>& ids, const ReportTransactionList& today) override {
        return makesDailyLimit ? MockOverviewDatabase::makeDailyLimitViewModel(ids, today) : nullptr;
    }
    void deleteShortcut(const Shortcut& shortcut) override { calls.push_back("delete " + shortcut.id); }
    void toggle(bool isDynamic, const Shortcut& shortcut) override {
        calls.push_back(std::string("toggle ") + (isDynamic ? "on " : "off ") + shortcut.id);
    }
};

} // namespace zt::overviewtest
