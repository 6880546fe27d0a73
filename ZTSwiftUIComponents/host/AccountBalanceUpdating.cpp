#include "AccountBalanceUpdating.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"

namespace zt {

NumberFormatter AccountBalanceUpdating::accountCurrencyFormatter() const {
    const auto& code = accountCurrencyCode();
    return code && !code->empty() ? makeCurrencyFormatter(*code) : makeAppBasedCurrencyFormatter();
}

std::optional<std::string> AccountBalanceUpdating::balanceInAccountCurrencyString() const {
    const auto& code = accountCurrencyCode();
    if (!code || code->empty())
        return std::nullopt;
    return makeCurrencyFormatter(*code).string(accountCurrencyBalance());
}

std::optional<std::string> AccountBalanceUpdating::currencySymbol() const {
    const auto& code = accountCurrencyCode();
    if (!code || code->empty())
        return std::nullopt;
    auto symbol = makeCurrencyFormatter(*code).currencySymbol();
    if (symbol.empty())
        return std::nullopt;
    return symbol;
}

} // namespace zt
