#pragma once

#include "ZTSwiftUIComponents/host/ExchangeRate.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"

#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The rate from the account's currency to the application currency; none when they agree.
std::optional<ExchangeRate> demoAccountRate(const WidgetAccount& account);

/// A transaction as the demo host stores it. amount is in the account's currency; rate, when
/// there is one, converts it into the application currency the overview sums in. The category is
/// found among the demo categories by name.
std::shared_ptr<ReportTransaction> demoTransactionRecord(const WidgetAccount& account, double amount,
                                                         const std::optional<ExchangeRate>& rate,
                                                         bool isExpense, bool isTransfer,
                                                         const std::string& categoryName, Date date,
                                                         const std::optional<std::string>& description);

} // namespace zt
