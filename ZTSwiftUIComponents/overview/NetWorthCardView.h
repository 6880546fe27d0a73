#pragma once

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <functional>

namespace zt {

/// The net-worth card: the database's net worth over all time, with a filter and an add-account
/// action.
struct NetWorthCardView {
    double netWorth = 0;
    NumberFormatter formatter = makeAppBasedCurrencyFormatter();
    bool isIncognito = false;
    std::function<void()> onFilter;
    std::function<void()> onAddAccount;

    ui::View body() const;
};

} // namespace zt
