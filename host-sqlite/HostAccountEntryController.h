#pragma once

#include "HostCreditCards.h"
#include "HostDatabase.h"
#include "ZTSwiftUIComponents/accountentry/AccountEntryController.h"
#include "platform/NotificationCenter.h"

#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The account form of the reference host: it opens a stored account (or a new one) with its
/// group, card or loan details and the currencies in use, and saves the account row, its group
/// and, by type, the card or the loan terms in one SQL transaction. Main thread.
class HostAccountEntryController final : public AccountEntryController {
public:
    /// The stored account with that identifier; nothing when there is none.
    static std::shared_ptr<HostAccountEntryController>
    editing(std::shared_ptr<HostDatabase> database, const std::string& accountId,
            std::shared_ptr<NotificationCenter> notifications);
    /// A new checking account in the application currency, in the catch-all group.
    static std::shared_ptr<HostAccountEntryController>
    creating(std::shared_ptr<HostDatabase> database, std::shared_ptr<NotificationCenter> notifications);

    /// Stores the form. A refused save changes nothing, keeps the form as it is and says why in
    /// saveError (logged as well); a save that succeeds clears it.
    void save(const std::shared_ptr<AccountEntryProviding>& account) override;
    /// The application currency and the currencies of the stored accounts, by code.
    ui::View currencyPicker() const override;

    /// Why the last save was refused; none before any save and after one that succeeded.
    Published<std::optional<std::string>, HostAccountEntryController> saveError{*this};
    /// The stored account's identifier; none until a new account is saved.
    const std::optional<std::string>& accountId() const { return accountId_; }

private:
    /// The form over stored (none for a new account).
    static std::shared_ptr<HostAccountEntryController> open(std::shared_ptr<HostDatabase> database,
                                                            std::shared_ptr<NotificationCenter> notifications,
                                                            std::optional<WidgetAccount> stored);
    HostAccountEntryController(Details details, std::shared_ptr<HostDatabase> database,
                               std::shared_ptr<HostCreditCards> cards, std::optional<WidgetAccount> stored);

    std::shared_ptr<HostDatabase> database_;
    std::shared_ptr<HostCreditCards> cards_;
    std::optional<WidgetAccount> stored_;
    std::optional<std::string> accountId_;
    std::vector<std::string> currencies_;
};

} // namespace zt
