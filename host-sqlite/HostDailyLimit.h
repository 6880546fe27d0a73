#pragma once

#include "HostDatabase.h"
#include "ZTSwiftUIComponents/host/DailyLimitCalculationType.h"
#include "ZTSwiftUIComponents/overview/DailyLimitCalculating.h"
#include "ZTSwiftUIComponents/overview/DailyLimitStorage.h"

#include <memory>
#include <optional>
#include <set>
#include <string>

namespace zt {

/// The automatic daily limit from the database: what the given accounts held at the start of a
/// day, spread over the days left in that day's month (the day included), never below 0.
class HostDailyLimitCalculator final : public DailyLimitCalculating {
public:
    HostDailyLimitCalculator(std::shared_ptr<HostDatabase> database, std::set<std::string> accountIds);

    /// The automatic limit for today.
    double dailyBudget() const override;
    double remainingBudget(Date date) override;
    /// Nothing: the spending is in the database already.
    void updateExpenses(double amount, Date date) override;

private:
    double limitFor(Date date) const;

    std::shared_ptr<HostDatabase> database_;
    std::set<std::string> accountIds_;
};

/// Keeps the user's daily-limit choice in the database's settings.
class HostDailyLimitStorage final : public DailyLimitStorage {
public:
    explicit HostDailyLimitStorage(std::shared_ptr<HostDatabase> database);

    /// The amount stored with the custom type; none for the automatic one.
    std::optional<double> customAmount() const;
    /// Automatic until the user chose.
    DailyLimitCalculationType type() const;

    void updateAmount(double amount) override;
    void updateDailyLimitCalculationType(DailyLimitCalculationType type) override;

private:
    std::shared_ptr<HostDatabase> database_;
};

} // namespace zt
