#pragma once

#include "ZTSwiftUIComponents/creditcards/CreditCardEntryProviding.h"

#include <memory>
#include <optional>

namespace zt {

/// The demo credit-card details of the account entry form: plain published values. Main thread.
class CreditCardEntryProvider final : public CreditCardEntryProviding {
public:
    CreditCardEntryProvider(std::optional<double> limit,
                            std::shared_ptr<CreditCardLastStatement> lastStatement,
                            std::shared_ptr<AccountRemindersData> reminderData);

    Published<std::optional<double>>& limit() override { return limit_; }
    const Published<std::optional<double>>& limit() const override { return limit_; }
    Published<std::shared_ptr<CreditCardLastStatement>>& lastStatement() override { return lastStatement_; }
    const Published<std::shared_ptr<CreditCardLastStatement>>& lastStatement() const override {
        return lastStatement_;
    }
    Published<std::shared_ptr<AccountRemindersData>>& reminderData() override { return reminderData_; }
    const Published<std::shared_ptr<AccountRemindersData>>& reminderData() const override {
        return reminderData_;
    }

    /// Schedules nothing; writes "Reminders scheduled." to the console.
    void scheduleReminders() override;

private:
    Published<std::optional<double>> limit_;
    Published<std::shared_ptr<CreditCardLastStatement>> lastStatement_;
    Published<std::shared_ptr<AccountRemindersData>> reminderData_;
};

} // namespace zt
