#pragma once

#include "ZTSwiftUIComponents/budgets/BudgetCategory.h"
#include "ZTSwiftUIComponents/budgets/NewBudget.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/host/WidgetBudget.h"
#include "platform/Calendar.h"
#include "platform/Date.h"
#include "platform/MonthIndex.h"
#include "platform/NumberFormatter.h"
#include "platform/Published.h"

#include <map>
#include <optional>
#include <vector>

namespace zt {

/// Transactions grouped by the first instant of their month, oldest month first; inside a month
/// the given order holds. The month of each transaction comes from the index (no calendar per
/// transaction); the calendar turns each month into its first instant once.
std::map<Date, ReportTransactionList> groupTransactionsByMonth(const ReportTransactionList& transactions,
                                                               const MonthIndex& months,
                                                               const Calendar& calendar);

/// The budgets the host stores, implemented by the host. Its objectWillChange announces every
/// change of budgets(). Main thread.
class BudgetsStoreConforming : public ObservableObject {
public:
    /// Formats the budgets' amounts.
    virtual const NumberFormatter& formatter() const = 0;
    /// The budgets the store holds now; load() refreshes them, remove() and save() change them.
    virtual const std::vector<WidgetBudget>& budgets() const = 0;
    /// (Re)loads the budgets.
    virtual void load() = 0;
    /// Deletes the budget.
    virtual void remove(const WidgetBudget& budget) = 0;
    /// The transactions of the budget between the two instants.
    virtual ReportTransactionList transactions(const WidgetBudget& budget, Date from, Date to) = 0;
    /// Stores what the budget form produced: a new budget, or the new values of the one with the
    /// budget's id.
    virtual void save(const NewBudget& budget) = 0;
    /// The categories a budget can cover, as the category chooser offers them.
    virtual std::vector<BudgetCategory> categories() const = 0;
    /// Everything stored for the budget as the form edits it (interval, dates, subcategory
    /// limits…), which the budget's figures do not carry; none when the host keeps no more than
    /// those figures, and the editor then starts from them.
    virtual std::optional<NewBudget> budgetForEditing(const WidgetBudget&) const { return std::nullopt; }

    /// transactions(for:from:to:) grouped by the month of the current calendar they fall in.
    std::map<Date, ReportTransactionList> transactionsByMonth(const WidgetBudget& budget, Date from, Date to);
};

} // namespace zt
