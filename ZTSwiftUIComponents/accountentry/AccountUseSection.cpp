#include "AccountUseSection.h"

#include "platform/StringTable.h"

#include <utility>
#include <vector>

namespace zt {

AccountUseSection::AccountUseSection(ui::Binding<bool> isBusinessAccount, FormAmountField vat)
    : isBusinessAccount_(std::move(isBusinessAccount)), vat_(std::move(vat)) {}

AmountRule AccountUseSection::vatRule() {
    return AmountRule{0, 100, false, [] { return L("The VAT rate must be between 0 and 100 %."); }};
}

ui::View AccountUseSection::body() const {
    const bool isBusiness = isBusinessAccount_();
    std::vector<ui::View> rows{
        ui::toggle(L("Business Account", "Switch: the account is used for business"), isBusiness,
                   [binding = isBusinessAccount_](bool isOn) { binding(isOn); })
            .id("isBusinessAccount"),
    };
    // The rate stays stored while the switch is off, so turning it back on loses nothing.
    if (isBusiness)
        rows.push_back(vat_.row(L("VAT", "Value added tax rate of a business account"), "vat", "%"));
    return ui::section(L("Account Use", "Section of the account form: personal or business"), std::move(rows))
        .id("useSection");
}

} // namespace zt
