#include "DailyLimitCardView.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

namespace {

// A figure in its colour; without one, in the secondary text colour.
ui::View amount(std::string text, const std::optional<Color>& color) {
    auto view = ui::text(std::move(text)).font(ui::Font::headline).bold();
    if (color)
        view.foregroundColor(*color);
    else
        view.secondary();
    return view;
}

ui::View caption(std::string text) {
    return ui::text(std::move(text)).font(ui::Font::caption).secondary();
}

} // namespace

DailyLimitCardView::DailyLimitCardView(std::shared_ptr<DailyLimitViewModel> viewModel, bool isIncognito)
    : viewModel_(std::move(viewModel)), isIncognito_(isIncognito) {}

ui::View DailyLimitCardView::figures(const DailyLimitViewModel& vm, bool isIncognito) {
    const bool overspent = vm.isOverspent();
    ui::View balance =
        overspent
            ? ui::vstack(
                  {caption(L("Overspent", "Daily limit: the amount spent beyond today's limit follows")),
                   amount(amountText(vm.overspentString(), isIncognito), vm.overspentColor())
                       .id("overspentAmount")})
            : ui::vstack({caption(L("Remaining", "Daily limit: the amount still available today follows")),
                          amount(amountText(vm.remainingString(), isIncognito), vm.remainingColor())
                              .id("remainingAmount")});
    ui::View indicator = overspent
                             ? ui::image("exclamationmark.triangle.fill").foregroundColor(negativeAmountColor)
                             : ui::progressRing(vm.progressValue()).foregroundColor(positiveAmountColor);
    return ui::hstack({
        ui::vstack({
            ui::text(L("Limit: ", "Daily limit card: followed by the limit amount") +
                     amountText(vm.dailyLimitString(), isIncognito))
                .font(ui::Font::subheadline)
                .secondary()
                .id("limit"),
            caption(vm.periodText()).id("periodText"),
            std::move(balance),
            ui::vstack(
                {caption(L("Spent", "Daily limit: the amount spent today follows")),
                 amount(amountText(vm.spentTodayString(), isIncognito), std::nullopt).id("spentAmount")}),
        }),
        ui::spacer(),
        std::move(indicator).id("indicator"),
    });
}

ui::View DailyLimitCardView::body() const {
    return ui::vstack({
                          ui::text(L("Daily Limit", "Title of the daily spending limit card and screen"))
                              .font(ui::Font::headline)
                              .bold(),
                          figures(*viewModel_, isIncognito_),
                      })
        .id("dailyLimitCard");
}

} // namespace zt
