#pragma once

#include "ZTSwiftUIComponents/accountentry/AccountEntryProviding.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"

#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The account the account entry form edits, as plain published fields: a host fills it from its
/// record and reads it back on saving.
class AccountEntryProvider final : public AccountEntryProviding {
public:
    /// A new checking account without a name or balance, in the application currency, with the
    /// default account icon.
    AccountEntryProvider();
    /// The fields of a stored account; its currency, or the application currency without one.
    explicit AccountEntryProvider(const WidgetAccount& account, std::optional<double> vat = std::nullopt);

    Published<std::string>& name() override { return name_; }
    Published<std::optional<double>>& balance() override { return balance_; }
    Published<bool>& isBusinessAccount() override { return isBusinessAccount_; }
    const Published<bool>& isOnlineBanking() const override { return isOnlineBanking_; }
    Published<AccountType>& type() override { return type_; }
    Published<std::string>& currencyCode() override { return currencyCode_; }
    Published<std::string>& iconName() override { return iconName_; }
    Published<std::optional<double>>& vat() override { return vat_; }

private:
    Published<std::string> name_{*this};
    Published<std::optional<double>> balance_{*this};
    Published<bool> isBusinessAccount_{*this, false};
    Published<bool> isOnlineBanking_{*this, false};
    Published<AccountType> type_{*this, AccountType::checking};
    Published<std::string> currencyCode_{*this};
    Published<std::string> iconName_{*this};
    Published<std::optional<double>> vat_{*this};
};

} // namespace zt
