#pragma once

#include "ZTSwiftUIComponents/accountentry/AccountEntryController.h"
#include "ZTSwiftUIComponents/accountentry/AccountEntryProvider.h"
#include "ZTSwiftUIComponents/accountentry/LoanProviders.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardEntryProvider.h"

#include <memory>

namespace zt {

/// The demo controller of the account entry form, with the form's rules of AccountEntryController.
/// Saving writes the account to the console.
class MockAccountEntryController final : public AccountEntryController {
public:
    using AccountEntryController::AccountEntryController;

    /// An account of the demo data opened for editing, with the demo card and loan details and
    /// the demo account groups (its own group selected).
    static std::shared_ptr<MockAccountEntryController> editing(const WidgetAccount& account);
    /// A new account: no name, no balance, the catch-all group.
    static std::shared_ptr<MockAccountEntryController> creating();

    /// Writes "Save did Press", then "Account: <name>, balance: <balance>".
    void save(const std::shared_ptr<AccountEntryProviding>& account) override;
    /// The text "I am a currency Picker".
    ui::View currencyPicker() const override;
};

} // namespace zt
