#pragma once

#include "ZTSwiftUIComponents/host/OverviewItemType.h"
#include "ZTSwiftUIComponents/host/Shortcut.h"
#include "ZTSwiftUIComponents/host/UpcomingBill.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "ZTSwiftUIComponents/host/WidgetGoal.h"
#include "ZTSwiftUIComponents/host/ZTDateIntervalFormatter.h"
#include "ZTSwiftUIComponents/overview/DailyLimitViewModel.h"
#include "ZTSwiftUIComponents/overview/OverviewDatabase.h"
#include "ZTSwiftUIComponents/overview/SummaryCardItem.h"
#include "ZTSwiftUIComponents/overview/TopCategory.h"
#include "platform/Date.h"
#include "platform/DateInterval.h"
#include "platform/NumberFormatter.h"
#include "platform/Published.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The observable state behind the overview screen. It owns no records: it loads them through an
/// OverviewDatabase, keeps the last loaded set, derives the period and month texts and the pay
/// date, and publishes all of it. Main thread only.
///
/// Loads never publish a partial set: the fetches of one reload are joined first and the results
/// are then published together, in a fixed order. Reloads are neither serialised nor cancelled;
/// the one that finishes last wins.
///
/// Values with a rule (the period and the texts and pay date derived from it, the reference date
/// and its month, the formatter, the loading flag) are read-only from outside: they change only
/// through the operations below, so nobody can assign around the rule.
class NewOverviewDataStore : public ObservableObject,
                             public std::enable_shared_from_this<NewOverviewDataStore> {
    struct Token {};

public:
    /// Creates the store and starts its first load on the main queue; installs the database's
    /// change callbacks, which hold the store weakly.
    static std::shared_ptr<NewOverviewDataStore> create(std::shared_ptr<OverviewDatabase> database,
                                                        std::vector<OverviewItemType> visibleCards,
                                                        Date referenceDate, DateInterval currentPeriod,
                                                        int totalNrOverviewCards, NumberFormatter formatter);

    NewOverviewDataStore(Token, std::shared_ptr<OverviewDatabase> database,
                         std::vector<OverviewItemType> visibleCards, Date referenceDate,
                         DateInterval currentPeriod, int totalNrOverviewCards, NumberFormatter formatter);

    /// Cards to show, in display order.
    Published<std::vector<OverviewItemType>> visibleCards{*this};
    /// All accounts.
    Published<std::vector<WidgetAccount>> accounts{*this};
    /// The accounts that take part in the overview's figures.
    Published<std::vector<WidgetAccount>> accountsInOverview{*this};
    Published<std::vector<WidgetGoal>> goals{*this};
    /// Top spending categories of the current period.
    Published<std::vector<TopCategory>> topCategories{*this};
    Published<SummaryCardItems> summaryCardItems{*this};

    // Selections the screen binds to.
    Published<std::optional<std::string>> selectedAccountId{*this};
    Published<std::optional<std::string>> selectedGoalId{*this};
    Published<bool> isImportingCSVModal{*this, false};
    Published<std::optional<Shortcut>> shortcutSelection{*this};
    Published<std::optional<UpcomingBill>> billSelection{*this};

    /// True until the first load after creation has finished.
    Published<bool, NewOverviewDataStore> isLoading{*this, true};
    /// Made by the database on every load; none before the first.
    Published<std::shared_ptr<DailyLimitViewModel>> dailyLimitViewModel{*this};
    /// The card the user last opened.
    Published<std::optional<OverviewItemType>> selection{*this};
    /// Formats every amount of the overview. Replace with update(NumberFormatter).
    Published<NumberFormatter, NewOverviewDataStore> formatter;
    /// The day the overview is computed for. Move with updateReferenceDate().
    Published<Date, NewOverviewDataStore> currentDate{*this};
    /// The current budgeting period. Assign with setCurrentPeriod().
    Published<DateInterval, NewOverviewDataStore> currentPeriod{*this};
    /// The calendar month of currentDate.
    Published<DateInterval, NewOverviewDataStore> currentMonth{*this};
    Published<std::string, NewOverviewDataStore> formattedPeriod{*this};
    Published<std::string, NewOverviewDataStore> formattedCurrentMonth{*this};
    /// The next pay day: the day after currentPeriod ends.
    Published<Date, NewOverviewDataStore> payDate{*this};
    /// Set by the host: draw the card equal to selection highlighted.
    Published<bool> highlightCardOnSelection{*this, false};
    /// The data source; the host may replace it. The change callbacks stay on the first one.
    Published<std::shared_ptr<OverviewDatabase>> database{*this};

    /// How many card kinds exist.
    int totalNrOverviewCards() const { return totalNrOverviewCards_; }
    const ZTDateIntervalFormatter& dateIntervalFormatter() const { return dateIntervalFormatter_; }

    /// The database's shortcuts, read on every call.
    std::vector<Shortcut> shortcuts() const;
    /// The accounts linked to online banking, in the order of accounts.
    std::vector<WidgetAccount> onlineAccounts() const;

    /// Loads everything from database and publishes it; completion (may be empty) runs on the
    /// main queue once this reload has published. Should the store be destroyed meanwhile, the
    /// reload stops at its next step, publishes nothing and still calls completion.
    void reload(std::shared_ptr<OverviewDatabase> database, std::function<void()> completion = {});
    /// Replaces visibleCards; no reload.
    void update(std::vector<OverviewItemType> visibleCards);
    /// Replaces formatter, then starts a reload from the database held now.
    void update(NumberFormatter formatter);
    /// Moves the overview to date's day and month (currentPeriod stays), then starts a reload from
    /// the database held now.
    void updateReferenceDate(Date date);
    /// Assigns currentPeriod and recomputes payDate and formattedPeriod, even for the same value.
    void setCurrentPeriod(DateInterval period);

private:
    class ReloadJob;

    void startReload(std::shared_ptr<OverviewDatabase> database);
    void applyMonthValues(Date date);
    void installDatabaseCallbacks(const std::shared_ptr<OverviewDatabase>& database);

    const int totalNrOverviewCards_;
    const ZTDateIntervalFormatter dateIntervalFormatter_{};
};

} // namespace zt
