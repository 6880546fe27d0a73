#include "MockLoanProviders.h"

namespace zt {

std::shared_ptr<MockLoanEntryProvider> MockLoanEntryProvider::demo(Date startDate) {
    return std::make_shared<MockLoanEntryProvider>(
        startDate, 25000.0, std::int16_t{5}, std::make_shared<MockInterestRateProvider>(4.5, startDate),
        std::make_shared<MockLoanPaymentScheduleProvider>(466.08, "monthly", 15, startDate));
}

} // namespace zt
