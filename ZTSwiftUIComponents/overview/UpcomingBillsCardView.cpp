#include "UpcomingBillsCardView.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/LocaleNames.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

#include <utility>

namespace zt {

UpcomingBillsCardView::UpcomingBillsCardView(const std::vector<UpcomingBill>& bills,
                                             std::string formattedCurrentMonth, NumberFormatter formatter,
                                             bool isIncognito)
    : bills_(upcomingBills(bills)), formattedCurrentMonth_(std::move(formattedCurrentMonth)),
      formatter_(std::move(formatter)), isIncognito_(isIncognito) {
    const auto shown = std::min(bills_.size(), maxNumberOfBillsToShow);
    visibleBills_.assign(bills_.begin(), bills_.begin() + static_cast<std::ptrdiff_t>(shown));
    const auto calendar = Calendar::current();
    const auto& ordinal = environmentFormatter(NumberFormatter::Style::ordinal);
    for (const auto& bill : visibleBills_) {
        const int day = calendar.component(CalendarComponent::day, bill.date);
        ordinalDays_[bill.id] = ordinal.string(day).value_or(std::to_string(day));
    }
}

ui::View UpcomingBillsCardView::body() const {
    std::vector<ui::View> content;
    content.push_back(ui::hstack({
        cardHeader(L("Upcoming Bills"), formattedCurrentMonth_),
        ui::spacer(),
        ui::button(L("View All"), callIfSet(onViewAll)).id("viewAllBills"),
    }));
    if (bills_.empty()) {
        content.push_back(
            ui::emptyState(L("You don't have any upcoming bills."), {}, "calendar.badge.exclamationmark"));
        return ui::vstack(std::move(content));
    }
    for (const auto& bill : visibleBills_) {
        const auto day = ordinalDays_.find(bill.id);
        content.push_back(ui::button(callIfSet(onSelectBill, bill),
                                     {ui::row({
                                         ui::text(day != ordinalDays_.end() ? day->second : std::string{})
                                             .font(ui::Font::caption)
                                             .bold(),
                                         ui::label(bill.name, bill.imageName),
                                         ui::spacer(),
                                         ui::text(amountText(bill.amount, formatter_, isIncognito_)).bold(),
                                     })})
                              .id(bill.id));
    }
    if (otherBillsCount() > 0) {
        content.push_back(ui::divider());
        content.push_back(ui::text(LocaleNames::capitalized(
                                       format(L("Other Bills: %lld", "Number of bills not shown on the card"),
                                              static_cast<long long>(otherBillsCount()))))
                              .font(ui::Font::caption)
                              .secondary()
                              .id("otherBills"));
    }
    return ui::vstack(std::move(content));
}

} // namespace zt
