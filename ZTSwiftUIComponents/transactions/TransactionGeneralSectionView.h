#pragma once

#include "ZTSwiftUIComponents/transactions/TransactionEditActionType.h"
#include "platform/Date.h"
#include "platform/DateFormatter.h"
#include "platform/ui/View.h"

#include <functional>
#include <optional>
#include <string>

namespace zt {

/// "Transaction Details": date, account, category, subcategory, payee and description, each a row
/// that asks the host for its editor; a missing value shows "None". The date row asks only while
/// the date can be edited.
struct TransactionGeneralSectionView {
    Date date;
    std::string account;
    std::string category;
    std::optional<std::string> subcategory;
    std::optional<std::string> payee;
    std::optional<std::string> description;
    DateFormatter formatter;
    bool canEditDate = true;
    std::function<void(const TransactionEditActionType&)> onShouldPerformAction;

    ui::View body() const;
};

} // namespace zt
