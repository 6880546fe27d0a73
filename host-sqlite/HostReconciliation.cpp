#include "HostReconciliation.h"

#include "ZTSwiftUIComponents/accounts/ReconciliationAdjustment.h"
#include "platform/Console.h"

#include <cmath>

namespace zt {

std::optional<std::string> reconcileAccountBalance(HostDatabase& database, const std::string& accountId,
                                                   double newBalance, Date date) {
    using Reason = HostDatabaseError::Reason;
    requireFiniteAmount(newBalance, "the balance");
    auto& sql = database.connection();
    try {
        SqliteTransaction transaction(sql);
        // Read inside the transaction: the balance the difference is taken from is the stored one.
        const auto account = database.account(accountId);
        if (!account)
            throw HostDatabaseError(Reason::storeFailed, "no account " + accountId);
        // The library's adjustment gives the texts and the signed difference in the account's
        // currency; the application-currency amount follows the account's rate, as its balance does.
        const auto adjustment = makeAdjustmentTransaction(*account, newBalance, date);
        if (!adjustment)
            throw HostDatabaseError(Reason::invalidRecord, "no adjustment can be recorded for this balance");
        const double difference = adjustment->amount();
        if (difference == 0)
            return std::nullopt;
        auto t = hostTransactionOn(*account, std::abs(difference), difference < 0, date);
        t.id = adjustment->identifier();
        t.categoryId = database.categoryIdNamed(adjustment->categoryName());
        t.description = adjustment->descriptionText();
        database.insertTransaction(t);
        // Set, not moved by the difference: the stated balance is exact.
        sql.prepare("UPDATE accounts SET balance = ?2, balance_date = ?3 WHERE id = ?1")
            .bind(1, accountId)
            .bind(2, newBalance)
            .bind(3, date.secondsSinceReferenceDate)
            .run();
        transaction.commit();
        return t.id;
    } catch (const SqliteError& e) {
        throw HostDatabaseError(Reason::storeFailed,
                                std::string("cannot store the reconciliation: ") + e.what());
    }
}

HostBalanceUpdatingAccount::HostBalanceUpdatingAccount(std::shared_ptr<HostDatabase> database,
                                                       WidgetAccount account)
    : database_(std::move(database)), account_(std::move(account)) {}

void HostBalanceUpdatingAccount::updateBalance(double newBalance, Date date) {
    try {
        const auto stored = reconcileAccountBalance(*database_, account_.id, newBalance, date);
        lastError_.reset();
        if (const auto fresh = database_->account(account_.id))
            account_ = *fresh;
        if (stored && onDidUpdate)
            onDidUpdate();
    } catch (const HostDatabaseError& e) {
        console(std::string("Balance not updated: ") + e.what());
        lastError_ = e;
    }
}

BalanceUpdatingAccounts balanceUpdatingAccounts(const std::shared_ptr<HostDatabase>& database,
                                                const std::function<void()>& onDidUpdate) {
    BalanceUpdatingAccounts out;
    for (auto& account : excludedArchived(database->accounts())) {
        auto updating = std::make_shared<HostBalanceUpdatingAccount>(database, std::move(account));
        updating->onDidUpdate = onDidUpdate;
        out.push_back(std::move(updating));
    }
    return out;
}

} // namespace zt
