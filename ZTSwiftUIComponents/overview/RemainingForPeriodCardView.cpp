#include "RemainingForPeriodCardView.h"

#include "ZTSwiftUIComponents/host/OverviewItemType.h"
#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

RemainingForPeriodCardView::RemainingForPeriodCardView(std::optional<SummaryCardItem> item,
                                                       std::string formattedPeriodDate, bool isIncognito)
    : item_(std::move(item)), formattedPeriodDate_(std::move(formattedPeriodDate)),
      isIncognito_(isIncognito) {}

std::string RemainingForPeriodCardView::formattedAmount() const {
    return item_ ? item_->difference : std::string{};
}

double RemainingForPeriodCardView::progress() const {
    return item_ ? item_->progress : 0;
}

Color RemainingForPeriodCardView::periodColor() const {
    return item_ ? item_->progressColor : Color{};
}

ui::View RemainingForPeriodCardView::body() const {
    if (!item_)
        return ui::text(
                   L("no data for ", "Followed by the kind of an overview card that has nothing to show") +
                   std::string(rawValue(OverviewItemType::remainingForPeriod)))
            .secondary()
            .id("noData");
    return ui::vstack({
        cardHeader(L("Remaining For Period"), formattedPeriodDate_),
        ui::text(amountText(formattedAmount(), isIncognito_))
            .font(ui::Font::title)
            .bold()
            .id("remainingAmount"),
        ui::progressBar(progress()).foregroundColor(periodColor()).id("progress"),
    });
}

} // namespace zt
