#pragma once

#include "ZTSwiftUIComponents/overview/DailyLimitCalculating.h"

namespace zt {

/// The demo calculator: a daily budget of 200 that can be changed, and an automatic limit of 100
/// for every day.
class MockDailyLimitCalculator final : public DailyLimitCalculating {
public:
    double dailyBudget() const override { return dailyBudget_; }
    void setDailyBudget(double budget) { dailyBudget_ = budget; }
    double remainingBudget(Date date) override;
    void updateExpenses(double amount, Date date) override;

private:
    double dailyBudget_ = 200;
};

} // namespace zt
