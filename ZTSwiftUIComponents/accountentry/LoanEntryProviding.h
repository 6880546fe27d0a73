#pragma once

#include "ZTSwiftUIComponents/accountentry/InterestRateProviding.h"
#include "ZTSwiftUIComponents/accountentry/LoanPaymentScheduleProviding.h"
#include "platform/Date.h"
#include "platform/Published.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace zt {

/// The terms of a loan account being edited. Observable; main thread. The rate and the schedule
/// are never empty.
class LoanEntryProviding : public ObservableObject {
public:
    /// When the loan was taken out.
    virtual Published<Date>& startDate() = 0;
    /// The amount borrowed; empty until entered.
    virtual Published<std::optional<double>>& initialAmount() = 0;
    /// Whole years; empty until entered.
    virtual Published<std::optional<std::int16_t>>& initialTermInYears() = 0;
    /// The rate that applies now; the form edits its rate().
    virtual Published<std::shared_ptr<InterestRateProviding>>& currentInterestRate() = 0;
    /// The instalment plan that applies now; the form edits its paymentDueDay().
    virtual Published<std::shared_ptr<LoanPaymentScheduleProviding>>& currentPaymentSchedule() = 0;

protected:
    LoanEntryProviding() = default;
};

} // namespace zt
