#pragma once

#include "HostDatabase.h"
#include "ZTSwiftUIComponents/accounts/ReconcileSteps.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// Gives the account newBalance (in its own currency) at date and records the difference as an
/// adjustment transaction: income when the balance rises, an expense when it falls, in the
/// account's currency and converted to the application currency with the account's rate. One SQL
/// transaction. Returns the adjustment's identifier; none, and nothing stored, when the balance
/// does not change. Throws HostDatabaseError (invalidRecord for a balance that is not a finite
/// number, storeFailed for an unknown account) and leaves the database unchanged.
std::optional<std::string> reconcileAccountBalance(HostDatabase& database, const std::string& accountId,
                                                   double newBalance, Date date);

/// An account of the file as the reconciliation flow receives it: setting its balance stores the
/// adjustment. The flow cannot take a failure, so a refused balance is logged and kept in
/// lastError, and the account keeps its stored balance.
class HostBalanceUpdatingAccount final : public AccountBalanceUpdating {
public:
    HostBalanceUpdatingAccount(std::shared_ptr<HostDatabase> database, WidgetAccount account);

    const WidgetAccount& account() const { return account_; }
    const std::optional<HostDatabaseError>& lastError() const { return lastError_; }
    /// Called after a stored adjustment, so that screens over the file can read it again.
    std::function<void()> onDidUpdate;

    const std::string& accountName() const override { return account_.name; }
    double accountCurrencyBalance() const override { return account_.accountCurrencyBalance(); }
    double mainCurrencyBalance() const override { return account_.mainCurrencyBalance(); }
    double exchangeRateToMainCurrency() const override { return account_.exchangeRate; }
    const std::optional<std::string>& accountCurrencyCode() const override { return account_.currencyCode; }
    void updateBalance(double newBalance, Date date) override;

private:
    std::shared_ptr<HostDatabase> database_;
    WidgetAccount account_;
    std::optional<HostDatabaseError> lastError_;
};

/// The file's active accounts in the user's order, for the reconciliation flow; onDidUpdate is
/// given to each.
BalanceUpdatingAccounts balanceUpdatingAccounts(const std::shared_ptr<HostDatabase>& database,
                                                const std::function<void()>& onDidUpdate = {});

} // namespace zt
