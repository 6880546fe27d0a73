#pragma once

#include "ZTSwiftUIComponents/accountentry/AccountEntryProviding.h"
#include "ZTSwiftUIComponents/accountentry/LoanEntryProviding.h"
#include "ZTSwiftUIComponents/accounts/AccountGroupItem.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardEntryProviding.h"
#include "platform/Published.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// What the host puts behind the account form: the account with its card and loan details, the
/// choices the form offers, the check that allows saving, the save itself and the currency
/// picker. Observable; main thread.
class AccountEntryControlling : public ObservableObject {
public:
    /// Never empty.
    virtual std::shared_ptr<AccountEntryProviding> account() const = 0;
    /// Never empty; edited while the account is a credit card.
    virtual std::shared_ptr<CreditCardEntryProviding> creditCardDetails() const = 0;
    /// Never empty; edited while the account is a loan.
    virtual std::shared_ptr<LoanEntryProviding> loanDetails() const = 0;
    /// The locale amounts are written and typed in.
    virtual std::string locale() const = 0;
    /// The name field has the focus.
    virtual Published<bool>& isNameInFocus() = 0;
    /// A new account rather than a stored one.
    virtual bool isNew() const = 0;
    /// Shown under the loan amount; none while it is acceptable.
    virtual std::optional<std::string> loanAmountValidationError() const = 0;
    /// The icons offered; with areIconsSFSymbols() they are symbol names, else image names.
    virtual std::vector<std::string> iconNames() const = 0;
    /// True when iconNames() are system symbol names, false when they are image names.
    virtual bool areIconsSFSymbols() const = 0;
    /// False disables the currency row.
    virtual bool canEditCurrency() const = 0;
    /// The account groups the group picker offers.
    virtual std::vector<AccountGroupItem> groups() const = 0;
    /// The group of the account; the group picker writes it.
    virtual Published<AccountGroupItem>& selectedGroup() = 0;

    /// Whether the form may be saved as it stands; asked on every draw of the toolbar.
    virtual bool isValidationPassed() const = 0;
    /// Stores the account. Closing the form afterwards is the host's affair.
    virtual void save(const std::shared_ptr<AccountEntryProviding>& account) = 0;
    /// The content of the currency sheet.
    virtual ui::View currencyPicker() const = 0;

    /// The currency row was tapped; when set, the host shows its own currency choice instead of
    /// the form's currency sheet.
    std::function<void()> onCurrencyDidPress;

protected:
    AccountEntryControlling() = default;
};

} // namespace zt
