#pragma once

#include "ZTSwiftUIComponents/host/AccountBalanceUpdating.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "platform/Date.h"

#include <memory>

namespace zt {

/// The transaction that records a reconciliation: the difference between the stated balance and
/// the account's current one (both in the account's currency), and that difference divided by
/// the account's exchange rate, dated now under a fresh identifier. Nothing when either amount
/// would not be a finite number (a zero, negative or missing rate, or an absurd balance): no
/// adjustment can be recorded then.
std::shared_ptr<ReportTransaction> makeAdjustmentTransaction(const AccountBalanceUpdating& account,
                                                             double newBalance, Date now);

} // namespace zt
