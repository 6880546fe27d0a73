#include "LoanProviders.h"

namespace zt {

std::shared_ptr<LoanEntryProvider> LoanEntryProvider::demo(Date startDate) {
    return std::make_shared<LoanEntryProvider>(
        startDate, 25000.0, std::int16_t{5}, std::make_shared<InterestRateProvider>(4.5, startDate),
        std::make_shared<LoanPaymentScheduleProvider>(466.08, "monthly", 15, startDate));
}

} // namespace zt
