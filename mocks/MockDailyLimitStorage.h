#pragma once

#include "ZTSwiftUIComponents/overview/DailyLimitStorage.h"

namespace zt {

/// The demo storage: persists nothing and names each call on the console.
class MockDailyLimitStorage final : public DailyLimitStorage {
public:
    void updateAmount(double amount) override;
    void updateDailyLimitCalculationType(DailyLimitCalculationType type) override;
};

} // namespace zt
