#pragma once

#include "ZTSwiftUIComponents/host/AccountType.h"
#include "platform/Published.h"

#include <optional>
#include <string>

namespace zt {

/// The account being created or edited, as the host hands it to the account form. Observable:
/// every field is published, and writes by the form announce objectWillChange of the
/// implementation. Main thread.
class AccountEntryProviding : public ObservableObject {
public:
    /// The account's name, as the name field edits it.
    virtual Published<std::string>& name() = 0;
    /// In the account's currency; empty until entered.
    virtual Published<std::optional<double>>& balance() = 0;
    /// Used for business; only then does the form show vat().
    virtual Published<bool>& isBusinessAccount() = 0;
    /// Connected to a bank: the bank, not the user, decides the type.
    virtual const Published<bool>& isOnlineBanking() const = 0;
    /// Decides the variable part of the form: card sections, loan section or the balance field.
    virtual Published<AccountType>& type() = 0;
    /// ISO 4217.
    virtual Published<std::string>& currencyCode() = 0;
    /// The name of the account's icon; the icon picker writes the one the user chose.
    virtual Published<std::string>& iconName() = 0;
    /// The VAT rate of a business account in percent (19 means 19 %).
    virtual Published<std::optional<double>>& vat() = 0;

protected:
    AccountEntryProviding() = default;
};

} // namespace zt
