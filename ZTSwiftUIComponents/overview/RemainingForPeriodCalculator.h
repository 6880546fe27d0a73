#pragma once

#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/overview/CategorySummary.h"
#include "ZTSwiftUIComponents/overview/RunningSeries.h"
#include "ZTSwiftUIComponents/overview/TransactionSelection.h"
#include "platform/Calendar.h"
#include "platform/DateFormatter.h"
#include "platform/Published.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace zt {

/// How much money is left in a period (a calendar year): income minus expenses of the year, the
/// change against the previous year, the categories behind the figure and the running series of
/// the chart. Every figure is computed once, at creation. Main thread.
class RemainingForPeriodCalculator : public ObservableObject {
public:
    /// items are taken over as given (move them in); periods are calendar years in calendar.
    RemainingForPeriodCalculator(ReportTransactionList items, int currentPeriodInterval,
                                 int previousPeriodInterval, const Calendar& calendar = Calendar::current());

    /// A calculator over the demo data set, dated in the environment's current year (the period)
    /// up to its "now", against the year before. A new instance on every call.
    static std::shared_ptr<RemainingForPeriodCalculator> demo();
    /// The demo data set on its own, dated as for demo().
    static ReportTransactionList demoTransactions();

    /// Every transaction given at creation, less the deleted ones.
    Published<ReportTransactionList> items;

    int currentPeriodInterval() const { return currentPeriodInterval_; }
    int previousPeriodInterval() const { return previousPeriodInterval_; }
    /// Created empty; no figure uses it.
    const DateFormatter& dateFormatter() const { return dateFormatter_; }

    /// Income minus expenses of the current year.
    double periodSummary() const { return periodSummary_; }
    /// Income minus expenses of the previous year.
    double previousPeriodSummary() const { return previousPeriodSummary_; }
    double difference() const { return periodSummary_ - previousPeriodSummary_; }
    /// Green when the difference is above zero, red otherwise (zero included).
    Color differenceColor() const { return differenceColor_; }
    bool isDifferencePositive() const { return isDifferencePositive_; }

    /// Every item with the expense flag set, in item order, whatever its year.
    const TransactionSelection& expensesThisPeriod() const { return expensesThisPeriod_; }
    /// Every other item (incomes, and anything not flagged as an expense), in item order.
    const TransactionSelection& incomesThisPeriod() const { return incomesThisPeriod_; }

    /// The category summaries of expensesThisPeriod() and of incomesThisPeriod().
    const std::vector<CategorySummary>& expenseCategorySummaries() const { return expenseCategorySummaries_; }
    const std::vector<CategorySummary>& incomeCategorySummaries() const { return incomeCategorySummaries_; }
    /// One point per item in item order: the running value adds an expense's amount and
    /// subtracts any other amount. The summaries and the series follow items when it changes.
    const RunningSeries& runningSeries() const { return runningSeries_; }

    /// Removes every element that is this very transaction (same object) from items, and so from
    /// both lists. The period figures, the difference and its colour stay as computed at creation.
    void deleteTransaction(const std::shared_ptr<ReportTransaction>& transaction);

private:
    struct YearSums {
        double currentIncome = 0, currentExpense = 0, previousIncome = 0, previousExpense = 0;
    };
    /// Splits list into the two selections and rebuilds their category summaries and the running
    /// series, in one pass; with a calendar, also sums the two periods.
    YearSums scan(const ReportTransactionList& list, const Calendar* calendar);

    int currentPeriodInterval_;
    int previousPeriodInterval_;
    DateFormatter dateFormatter_;
    double periodSummary_ = 0;
    double previousPeriodSummary_ = 0;
    Color differenceColor_;
    bool isDifferencePositive_ = false;
    // The positions of every expense, then those of every other item; the selections view it.
    std::vector<std::uint32_t> positions_;
    TransactionSelection expensesThisPeriod_;
    TransactionSelection incomesThisPeriod_;
    std::vector<CategorySummary> expenseCategorySummaries_;
    std::vector<CategorySummary> incomeCategorySummaries_;
    RunningSeries runningSeries_;
    // Whoever assigns items, the lists and what follows them are renewed before anyone else hears.
    Subscription itemsSubscription_;
};

} // namespace zt
