#pragma once

#include "platform/Date.h"
#include "platform/NumberFormatter.h"

#include <optional>
#include <string>

namespace zt {

/// An account whose balance the user can correct (the reconciliation flow). The host's account
/// records implement it; the formatted members below come with it.
class AccountBalanceUpdating {
public:
    virtual ~AccountBalanceUpdating() = default;

    /// The account's name, as the reconciliation screens show it.
    virtual const std::string& accountName() const = 0;
    /// The balance in the account's own currency.
    virtual double accountCurrencyBalance() const = 0;
    /// The balance in the application ("main") currency.
    virtual double mainCurrencyBalance() const = 0;
    /// Main-currency units per unit of the account's currency.
    virtual double exchangeRateToMainCurrency() const = 0;
    /// The account's ISO currency code; none means the account keeps the application currency.
    virtual const std::optional<std::string>& accountCurrencyCode() const = 0;
    /// Takes newBalance (in the account's currency) as the balance at date.
    virtual void updateBalance(double newBalance, Date date) = 0;

    /// A currency formatter for the account's currency (the application currency without a code).
    NumberFormatter accountCurrencyFormatter() const;
    /// The balance in the account's currency, formatted; nothing for an account without a currency
    /// of its own (its balance is the main-currency one) or when formatting fails.
    std::optional<std::string> balanceInAccountCurrencyString() const;
    /// The symbol of the account's currency ("€"); nothing without a currency of its own.
    std::optional<std::string> currencySymbol() const;
};

} // namespace zt
