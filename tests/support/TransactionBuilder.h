#pragma once

#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "platform/Date.h"

#include <memory>
#include <optional>
#include <string>

namespace zt::test {

/// The fields of a test transaction by name, in the record's order; what a test leaves out takes
/// a plain default (an expense of 0 in "Food" from "Wallet" on 1 January 2001).
///
///     transaction({.id = "rent", .amount = 1200, .date = at(2025, 5, 3)})
struct TransactionFields {
    std::string id = "t";
    double amount = 0;
    std::optional<double> amountOriginalCurrency{};
    std::optional<std::string> currencyCode{};
    std::string categoryName = "Food";
    std::string categoryImageName = "fork.knife";
    std::string categoryId = "c";
    std::optional<std::string> subcategoryName{};
    std::optional<std::string> subcategoryImageName{};
    bool isExpense = true;
    bool isTransfer = false;
    Date date{};
    std::string accountId = "acc";
    std::string accountName = "Wallet";
    std::optional<std::string> payee{};
    std::optional<std::string> description{};
    bool isChildRepeating = false;
    bool isDynamicShortcut = false;
    bool isExcludedFromCalculations = false;
};

std::shared_ptr<ReportTransaction> transaction(TransactionFields fields);

} // namespace zt::test
