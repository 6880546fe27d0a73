#include "TransferAccountItemView.h"

namespace zt {

TransferAccountItemView::TransferAccountItemView(const WidgetAccount& account,
                                                 const NumberFormatter& formatter, bool isSelected)
    : account_(account), formatter_(formatter), isSelected_(isSelected) {}

ui::View TransferAccountItemView::body() const {
    std::vector<ui::View> cells{ui::label(account_.name, account_.iconName),
                                ui::text(formatter_.stringOrDash(account_.balance)).id("balance")};
    // The balance in the account's own currency says something only when that is not the list's.
    if (!sameCurrencyCode(account_.currencyCode, formatter_.currencyCode()))
        if (const auto own = account_.balanceInAccountCurrencyString())
            cells.push_back(ui::text(*own).font(ui::Font::caption).secondary().id("accountCurrencyBalance"));
    if (isSelected_)
        cells.push_back(ui::image("checkmark").id("selected"));
    return ui::row(std::move(cells));
}

} // namespace zt
