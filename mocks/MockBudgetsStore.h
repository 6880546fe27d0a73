#pragma once

#include "ZTSwiftUIComponents/budgets/BudgetsStoreConforming.h"

namespace zt {

/// The demo budgets store: starts empty, loads the host's demo budgets, keeps saved budgets in
/// memory, has no transactions. Main thread.
class MockBudgetsStore : public BudgetsStoreConforming {
public:
    /// budgets is what the store holds until load().
    explicit MockBudgetsStore(std::vector<WidgetBudget> budgets = {});

    const NumberFormatter& formatter() const override { return formatter_; }
    const std::vector<WidgetBudget>& budgets() const override { return budgets_(); }
    void load() override;
    /// Removes every budget equal to the given one.
    void remove(const WidgetBudget& budget) override;
    ReportTransactionList transactions(const WidgetBudget& budget, Date from, Date to) override;
    /// A new budget is added with nothing spent; an edited one keeps what was spent.
    void save(const NewBudget& budget) override;
    /// The demo expense categories.
    std::vector<BudgetCategory> categories() const override;

private:
    NumberFormatter formatter_;
    Published<std::vector<WidgetBudget>, MockBudgetsStore> budgets_{*this};
};

} // namespace zt
