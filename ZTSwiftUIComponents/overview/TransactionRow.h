#pragma once

#include "ZTSwiftUIComponents/host/TransactionConformable.h"
#include "platform/DateFormatter.h"
#include "platform/ui/View.h"

#include <string>
#include <string_view>

namespace zt {

/// What a transaction list names a transaction by: its payee, else its description, else its
/// category, else fallback (a transaction with none of them).
std::string transactionTitle(const TransactionConformable& transaction, std::string_view fallback);

/// A transaction's title over its date in caption style, the leading part of a transaction row.
ui::View transactionTitleAndDate(std::string title, Date date, const DateFormatter& dateFormatter);

/// A transaction named by its category symbol, its title and its category: how a screen shows the
/// one transaction it is about (the chosen subscription, for example).
ui::View transactionNameRow(const TransactionConformable& transaction);

} // namespace zt
