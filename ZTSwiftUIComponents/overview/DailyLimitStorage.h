#pragma once

#include "ZTSwiftUIComponents/host/DailyLimitCalculationType.h"

namespace zt {

/// Where the host keeps the user's daily-limit choice. The view model reports every assignment,
/// changed or not.
class DailyLimitStorage {
public:
    virtual ~DailyLimitStorage() = default;

    /// The limit now in force.
    virtual void updateAmount(double amount) = 0;
    /// The calculation type now in force.
    virtual void updateDailyLimitCalculationType(DailyLimitCalculationType type) = 0;
};

} // namespace zt
