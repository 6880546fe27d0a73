#pragma once

#include "platform/Date.h"
#include "platform/Published.h"

#include <optional>
#include <string>

namespace zt {

/// The instalment plan of a loan. Observable; main thread.
class LoanPaymentScheduleProviding : public ObservableObject {
public:
    /// The days of the month an instalment can fall due on; a day of a month that is shorter
    /// means its last day.
    static constexpr int firstPaymentDueDay = 1;
    /// The last day an instalment can fall due on.
    static constexpr int lastPaymentDueDay = 31;
    /// True for a day from firstPaymentDueDay to lastPaymentDueDay.
    static constexpr bool isValidPaymentDueDay(int day) {
        return day >= firstPaymentDueDay && day <= lastPaymentDueDay;
    }

    /// The instalment; empty until entered.
    virtual Published<std::optional<double>>& amount() = 0;
    /// How often an instalment is due ("monthly", "quarterly", …), as the host names it.
    virtual Published<std::string>& frequency() = 0;
    /// Day of the month; the form offers and accepts only isValidPaymentDueDay() days.
    virtual Published<int>& paymentDueDay() = 0;
    /// From when the plan applies.
    virtual Published<Date>& startDate() = 0;

protected:
    LoanPaymentScheduleProviding() = default;
};

} // namespace zt
