#pragma once

#include "HostDatabase.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardDatabaseUbiquitousStore.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardDetailsProvider.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardEntryProvider.h"
#include "platform/NotificationCenter.h"

#include <memory>

namespace zt {

/// The credit cards of the reference host. A card account's record (limit, current billing cycle,
/// due day, amount owed) is an element of the "creditCards" array; the amounts the user entered
/// for the last statement and the chosen reminders are kept beside it in the host's settings. The
/// statement history comes from the account's transactions. Main thread.
class HostCreditCards {
public:
    HostCreditCards(std::shared_ptr<HostDatabase> database,
                    std::shared_ptr<NotificationCenter> notifications);

    /// What the account form edits for the card account: its stored limit, last statement and
    /// reminders; for an account without a card yet, no limit and the cycle that ended most
    /// recently before now, due 15 days after it closed, with no reminders.
    std::shared_ptr<CreditCardEntryProvider> entry(const WidgetAccount& account, Date now) const;

    /// Stores the form's card details for the account in one SQL transaction (a savepoint inside
    /// the caller's). Throws HostDatabaseError, changing nothing, for an amount that is not a
    /// finite number.
    void save(const WidgetAccount& account, const CreditCardEntryProviding& entry);
    /// The same from the values themselves.
    void save(const WidgetAccount& account, std::optional<double> limit,
              const CreditCardLastStatement& statement, const std::vector<ReminderToggleType>& reminders);

    /// The card's details screen data: the stored limit and the statements from the stored cycle
    /// back to the account's oldest transaction, newest first. Each older statement is due what
    /// was spent in its cycle (expenses less refunds) and has been paid what was transferred into
    /// the account from its closing to the next statement's closing; the newest keeps what the
    /// user entered.
    /// Nothing for an account without a card.
    std::shared_ptr<CreditCardDetailsProvider> details(const WidgetAccount& account) const;

    /// How many of the account's transactions fall in the interval, for the details screen.
    std::size_t transactionCount(const std::string& accountId, const DateInterval& interval) const;

    const std::shared_ptr<CreditCardDatabaseUbiquitousStore>& cards() const { return cards_; }

private:
    std::shared_ptr<HostDatabase> database_;
    std::shared_ptr<CreditCardDatabaseUbiquitousStore> cards_;
    std::shared_ptr<NotificationCenter> notifications_;
};

/// Gives every credit-card account of the database without a card the demo card's limit, last
/// statement and reminders (dated relative to the environment's now); part of seeding.
void seedDemoCreditCards(HostDatabase& database);

} // namespace zt
