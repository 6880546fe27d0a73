#include "MockDailyLimitStorage.h"

#include "platform/Console.h"

namespace zt {

void MockDailyLimitStorage::updateAmount(double) {
    console("updateAmount(_:)");
}

void MockDailyLimitStorage::updateDailyLimitCalculationType(DailyLimitCalculationType) {
    console("updateDailyLimitCalculationType(_:)");
}

} // namespace zt
