#pragma once

#include "ZTSwiftUIComponents/host/AccountBalanceUpdating.h"
#include "ZTSwiftUIComponents/host/AccountType.h"
#include "platform/Date.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// Whether two optional ISO currency codes name the same currency: letters compare without
/// regard to case ("EUR" equals "eur"), two missing codes are equal, a missing code differs from
/// a present one.
bool sameCurrencyCode(const std::optional<std::string>& a, const std::optional<std::string>& b);

/// An account as the host hands it to the library: a value, identified by `id`.
struct WidgetAccount final : AccountBalanceUpdating {
    std::string id;
    std::string name;
    /// The balance in the application currency.
    double balance = 0;
    /// The balance in the account's own currency; none when it equals `balance`.
    std::optional<double> balanceInAccountCurrency;
    /// The account's ISO currency code; none means the application currency.
    std::optional<std::string> currencyCode;
    /// Application-currency units per unit of the account's currency.
    double exchangeRate = 1;
    std::string iconName;
    AccountType type = AccountType::checking;
    /// Linked to a bank and kept up to date by online banking.
    bool isOnlineBanking = false;
    bool isArchived = false;
    bool isBusinessAccount = false;
    bool isFavorite = false;
    /// The account group it is listed in; none for the catch-all group.
    std::optional<std::string> groupId;
    /// When the balance was last set by hand.
    std::optional<Date> balanceDate;

    WidgetAccount() = default;
    WidgetAccount(std::string id, std::string name, double balance, AccountType type,
                  std::optional<std::string> currencyCode = std::nullopt, std::string iconName = {});

    const std::string& accountName() const override { return name; }
    double accountCurrencyBalance() const override { return balanceInAccountCurrency.value_or(balance); }
    double mainCurrencyBalance() const override { return balance; }
    double exchangeRateToMainCurrency() const override { return exchangeRate; }
    const std::optional<std::string>& accountCurrencyCode() const override { return currencyCode; }
    /// Sets the balance in the account's currency and derives the main-currency one by the rate.
    void updateBalance(double newBalance, Date date) override;

    /// Field-wise equality, the currency code compared case-insensitively.
    bool operator==(const WidgetAccount& other) const;

    /// Believable accounts of several types and currencies: checking, savings, cash, a credit
    /// card, a loan, an investment, a euro account and an archived one.
    static std::vector<WidgetAccount> demo();
    /// A British current account in GBP.
    static WidgetAccount gbpDemo();
    /// An account linked to online banking.
    static WidgetAccount onlineBankingDemo();
};

// List operations. Amounts are `balance` (application currency) summed over exactly the
// accounts given, archived ones included: callers that want the active figures pass
// excludedArchived(accounts). Credit cards and loans are liabilities and normally carry negative
// balances; everything else is an asset. The three totals therefore add up to the net worth of the
// list: totalAssets + totalLoans + totalCreditCard == the sum of all balances.

/// The sum of the balances of every account that is neither a credit card nor a loan (an
/// overdrawn checking account lowers it).
double totalAssets(const std::vector<WidgetAccount>& accounts);
/// The sum of the balances of the loan accounts.
double totalLoans(const std::vector<WidgetAccount>& accounts);
/// The sum of the balances of the credit-card accounts.
double totalCreditCard(const std::vector<WidgetAccount>& accounts);
/// The archived accounts, in list order.
std::vector<WidgetAccount> archived(const std::vector<WidgetAccount>& accounts);
/// The accounts that are not archived, in list order.
std::vector<WidgetAccount> excludedArchived(const std::vector<WidgetAccount>& accounts);

} // namespace zt

template <> struct std::hash<zt::WidgetAccount> {
    std::size_t operator()(const zt::WidgetAccount& account) const noexcept;
};
