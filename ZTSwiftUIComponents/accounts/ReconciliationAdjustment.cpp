#include "ReconciliationAdjustment.h"

#include "platform/UUID.h"
#include "platform/StringTable.h"

#include <cmath>

namespace zt {

std::shared_ptr<ReportTransaction> makeAdjustmentTransaction(const AccountBalanceUpdating& account,
                                                             double newBalance, Date now) {
    const double rate = account.exchangeRateToMainCurrency();
    if (!std::isfinite(rate) || rate <= 0)
        return nullptr;
    const double difference = newBalance - account.accountCurrencyBalance();
    const double converted = difference / rate;
    if (!std::isfinite(difference) || !std::isfinite(converted))
        return nullptr;
    return std::make_shared<ReportTransaction>(
        makeUUIDString(), difference, converted, account.accountCurrencyCode(),
        L("General", "Category of the balance adjustment"), "KDNew2016-36", std::string(), std::nullopt,
        std::nullopt, difference < 0, false, now, std::string(), account.accountName(), std::nullopt,
        L("Account reconciliation"), false, false, false);
}

} // namespace zt
