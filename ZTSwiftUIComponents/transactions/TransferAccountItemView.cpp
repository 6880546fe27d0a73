#include "TransferAccountItemView.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/Environment.h"

#include <cctype>
#include <map>
#include <utility>

namespace zt {

OwnCurrencyBalances::OwnCurrencyBalances(std::string listCurrencyCode)
    : listCurrencyCode_(std::move(listCurrencyCode)) {}

std::optional<std::string> OwnCurrencyBalances::operator()(const WidgetAccount& account) const {
    if (!account.currencyCode || account.currencyCode->empty() ||
        sameCurrencyCode(account.currencyCode, listCurrencyCode_))
        return std::nullopt;
    // One formatter per locale and currency for the thread: lists are drawn on every keystroke,
    // and making a formatter costs far more than formatting with it.
    thread_local std::map<std::string, NumberFormatter, std::less<>> formatters;
    std::string key = Environment::current().localeIdentifier() + '|';
    for (const char c : *account.currencyCode)
        key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    auto it = formatters.find(key);
    if (it == formatters.end())
        it = formatters.emplace(key, makeCurrencyFormatter(*account.currencyCode)).first;
    return it->second.string(account.accountCurrencyBalance());
}

TransferAccountItemView::TransferAccountItemView(const WidgetAccount& account,
                                                 const NumberFormatter& formatter, bool isSelected,
                                                 std::optional<std::string> balanceInAccountCurrency)
    : account_(account), formatter_(formatter), isSelected_(isSelected),
      balanceInAccountCurrency_(std::move(balanceInAccountCurrency)) {}

ui::View TransferAccountItemView::body() const {
    std::vector<ui::View> cells{ui::label(account_.name, account_.iconName),
                                ui::text(formatter_.stringOrDash(account_.balance)).id("balance")};
    if (balanceInAccountCurrency_)
        cells.push_back(ui::text(*balanceInAccountCurrency_)
                            .font(ui::Font::caption)
                            .secondary()
                            .id("accountCurrencyBalance"));
    if (isSelected_)
        cells.push_back(ui::image("checkmark").id("selected"));
    return ui::row(std::move(cells));
}

} // namespace zt
