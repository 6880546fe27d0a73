#pragma once

#include "platform/Date.h"
#include "platform/Published.h"

#include <optional>

namespace zt {

/// The interest rate of a loan from a date on. Observable; main thread.
class InterestRateProviding : public ObservableObject {
public:
    /// Yearly, in percent (4.5 means 4.5 %); empty until entered.
    virtual Published<std::optional<double>>& rate() = 0;
    /// The rate applies from this date on.
    virtual Published<Date>& startDate() = 0;

protected:
    InterestRateProviding() = default;
};

} // namespace zt
