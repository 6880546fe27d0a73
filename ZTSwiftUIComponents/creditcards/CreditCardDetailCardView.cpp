#include "CreditCardDetailCardView.h"

#include "ZTSwiftUIComponents/host/IconImages.h"
#include "platform/StringTable.h"

#include <utility>
#include <vector>

namespace zt {

CreditCardDetailCardView::CreditCardDetailCardView(std::string name, double currentBalance,
                                                   std::optional<double> limit,
                                                   NumberFormatter currencyFormatter, std::string iconName,
                                                   Color accountColor, TransferContent transferContent)
    : name_(std::move(name)), currentBalance_(currentBalance), limit_(limit),
      currencyFormatter_(std::move(currencyFormatter)), iconName_(std::move(iconName)),
      accountColor_(accountColor), transferContent_(std::move(transferContent)) {}

ui::View CreditCardDetailCardView::body() const {
    std::vector<ui::View> header{
        ui::image(accountImage(iconName_)).foregroundColor(accountColor_).id("cardIcon"),
        ui::text(name_).font(ui::Font::headline).id("cardName"),
        ui::spacer(),
    };
    if (transferContent_)
        header.push_back(
            ui::button({}, "arrow.left.arrow.right", state_.setter(&State::isTransferVisible, true))
                .accessibilityLabel(L("Transfer"))
                .id("transfer"));

    std::vector<ui::View> figures{
        ui::text(currencyFormatter_.stringOrDash(currentBalance_))
            .font(ui::Font::title)
            .bold()
            .id("currentBalance"),
    };
    if (limit_)
        figures.push_back(ui::hstack({
            ui::figure(L("Limit", "Credit limit of a card"), currencyFormatter_.stringOrDash(*limit_),
                       "cardLimit"),
            ui::spacer(),
            ui::figure(L("Available", "Amount still available on a credit card"),
                       currencyFormatter_.stringOrDash(*limit_ + currentBalance_), "availableAmount"),
        }));

    std::vector<ui::View> content{ui::hstack(std::move(header)), ui::vstack(std::move(figures))};
    if (transferContent_)
        content.push_back(ui::sheet(L("Transfer"), state_->isTransferVisible,
                                    state_.binding(&State::isTransferVisible),
                                    {transferContent_(state_.setter(&State::isTransferVisible, false))}));
    return ui::card(std::move(content)).id("creditCardSummary");
}

} // namespace zt
