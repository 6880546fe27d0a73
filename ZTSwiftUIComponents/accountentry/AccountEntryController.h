#pragma once

#include "ZTSwiftUIComponents/accountentry/AccountEntryControlling.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// A controller of the account form over providers the host hands in, with the form's rules: it
/// may be saved once the account has a name and, for a credit card, the balance is within the
/// limit and the last statement's amounts agree; for a loan, once the loan amount is acceptable
/// and the instalments fall due on a day from 1 to 31. Card and loan details only count for an
/// account of that type. The host says how to save and which currency picker to show.
class AccountEntryController : public AccountEntryControlling {
public:
    struct Details {
        std::shared_ptr<AccountEntryProviding> account;
        std::shared_ptr<CreditCardEntryProviding> creditCardDetails;
        std::shared_ptr<LoanEntryProviding> loanDetails;
        std::vector<AccountGroupItem> groups;
        AccountGroupItem selectedGroup;
        bool isNew = false;
        bool canEditCurrency = true;
        /// Symbol names; none offers the whole icon catalogue.
        std::vector<std::string> iconNames{};
        /// The environment's when empty.
        std::string locale{};
    };

    explicit AccountEntryController(Details details);

    std::shared_ptr<AccountEntryProviding> account() const override { return details_.account; }
    std::shared_ptr<CreditCardEntryProviding> creditCardDetails() const override {
        return details_.creditCardDetails;
    }
    std::shared_ptr<LoanEntryProviding> loanDetails() const override { return details_.loanDetails; }
    std::string locale() const override { return details_.locale; }
    Published<bool>& isNameInFocus() override { return isNameInFocus_; }
    bool isNew() const override { return details_.isNew; }
    /// "Enter a loan amount above 0." while a loan's amount is entered and not above 0.
    std::optional<std::string> loanAmountValidationError() const override;
    std::vector<std::string> iconNames() const override { return details_.iconNames; }
    bool areIconsSFSymbols() const override { return true; }
    bool canEditCurrency() const override { return details_.canEditCurrency; }
    std::vector<AccountGroupItem> groups() const override { return details_.groups; }
    Published<AccountGroupItem>& selectedGroup() override { return selectedGroup_; }
    bool isValidationPassed() const override;

private:
    Details details_;
    Published<bool> isNameInFocus_{*this, false};
    Published<AccountGroupItem> selectedGroup_;
};

} // namespace zt
