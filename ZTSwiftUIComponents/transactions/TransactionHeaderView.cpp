#include "TransactionHeaderView.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/StringTable.h"

namespace zt {

std::optional<std::string> TransactionHeaderView::originalCurrencyAmount() const {
    if (!amountOriginalCurrency || !originalCurrencyCode)
        return std::nullopt;
    return makeCurrencyFormatter(*originalCurrencyCode).string(*amountOriginalCurrency);
}

ui::View TransactionHeaderView::body() const {
    const auto tap = [](const std::function<void()>& action) { return action ? action : [] {}; };
    std::vector<ui::View> amountViews{ui::text(formatter.stringOrDash(amount))
                                          .font(ui::Font::largeTitle)
                                          .bold()
                                          .foregroundColor(color)
                                          .id("amount")};
    if (const auto original = originalCurrencyAmount())
        amountViews.push_back(ui::text(*original).secondary().id("originalAmount"));
    return ui::vstack(
               {
                   ui::button(tap(onCategoryTapped), {ui::label(title, imageName).font(ui::Font::headline)})
                       .id("headerCategory")
                       .accessibilityLabel(L("Category")),
                   ui::button(tap(onAmountTapped), std::move(amountViews))
                       .id("headerAmount")
                       .accessibilityLabel(L("Amount")),
               })
        .id("transactionHeader");
}

} // namespace zt
