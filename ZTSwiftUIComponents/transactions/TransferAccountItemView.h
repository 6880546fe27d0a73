#pragma once

#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <optional>
#include <string>

namespace zt {

/// The balances of a list's accounts in their own currencies, as the list shows them: nothing for
/// an account kept in the list's currency.
class OwnCurrencyBalances {
public:
    explicit OwnCurrencyBalances(std::string listCurrencyCode);

    std::optional<std::string> operator()(const WidgetAccount& account) const;

private:
    std::optional<std::string> listCurrencyCode_;
};

/// One account of an account list: name, balance in the formatter's currency, the balance in the
/// account's own currency when that is another, and a mark when it is the selected one.
class TransferAccountItemView {
public:
    TransferAccountItemView(const WidgetAccount& account, const NumberFormatter& formatter, bool isSelected,
                            std::optional<std::string> balanceInAccountCurrency);

    ui::View body() const;

private:
    const WidgetAccount& account_;
    const NumberFormatter& formatter_;
    bool isSelected_;
    std::optional<std::string> balanceInAccountCurrency_;
};

} // namespace zt
