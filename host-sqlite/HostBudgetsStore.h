#pragma once

#include "HostDatabase.h"
#include "ZTSwiftUIComponents/budgets/BudgetsStoreConforming.h"

#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The budgets over the host database. load() computes each budget's figures for the period that
/// contains the environment's now: what its categories spent (expenses in the application
/// currency; transfers and excluded transactions do not count), or, for a category with chosen
/// subcategories, what those spent. A budget that has not started shows its whole limit and no
/// days; one that ended shows its last period with 0 days left. A rollover budget's limit for the
/// period adds what the earlier periods left unspent (what each left of its limit and of what it
/// was brought; overspending is not carried). Writes are one SQL transaction each and throw
/// HostDatabaseError, leaving the file unchanged, for amounts that are not finite or below zero.
/// Main thread.
class HostBudgetsStore final : public BudgetsStoreConforming {
public:
    explicit HostBudgetsStore(std::shared_ptr<HostDatabase> database);

    const NumberFormatter& formatter() const override { return formatter_; }
    const std::vector<WidgetBudget>& budgets() const override { return budgets_(); }
    /// Reads every budget, in the user's order, with the figures of its current period.
    void load() override;
    /// The budget's expenses between the two instants (both included), newest first.
    ReportTransactionList transactions(const WidgetBudget& budget, Date from, Date to) override;
    /// The stored expense categories in the user's order, with their subcategories.
    std::vector<BudgetCategory> categories() const override;
    /// What is stored for the budget, as the form edits it.
    std::optional<NewBudget> budgetForEditing(const WidgetBudget& budget) const override;

    // Writes.
    /// Creates the budget, or replaces every stored value of the one with its id; then loads.
    void save(const NewBudget& budget) override;
    /// Deletes the budget with its categories and subcategory limits, then loads.
    void remove(const WidgetBudget& budget) override;

private:
    std::shared_ptr<HostDatabase> database_;
    NumberFormatter formatter_;
    Published<std::vector<WidgetBudget>, HostBudgetsStore> budgets_{*this};
};

} // namespace zt
