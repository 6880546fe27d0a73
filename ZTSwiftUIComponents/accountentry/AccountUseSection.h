#pragma once

#include "ZTSwiftUIComponents/accountentry/FormAmountField.h"
#include "platform/ui/Binding.h"
#include "platform/ui/View.h"

namespace zt {

/// Whether the account is used for business, and for a business account its VAT rate.
class AccountUseSection {
public:
    AccountUseSection(ui::Binding<bool> isBusinessAccount, FormAmountField vat);

    ui::View body() const;

    /// What the VAT field accepts: a percentage from 0 to 100.
    static AmountRule vatRule();

private:
    ui::Binding<bool> isBusinessAccount_;
    FormAmountField vat_;
};

} // namespace zt
