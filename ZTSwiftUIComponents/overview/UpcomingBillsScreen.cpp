#include "UpcomingBillsScreen.h"

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/DateFormatter.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

UpcomingBillsScreen::UpcomingBillsScreen(std::vector<UpcomingBill> bills, NumberFormatter formatter,
                                         bool isIncognito)
    : UpcomingBillsScreen(std::move(bills), std::move(formatter), Environment::current().now(), isIncognito) {
}

UpcomingBillsScreen::UpcomingBillsScreen(std::vector<UpcomingBill> bills, NumberFormatter formatter, Date now,
                                         bool isIncognito)
    : bills_(upcomingBills(bills)), formatter_(std::move(formatter)), isIncognito_(isIncognito) {
    for (const auto& bill : bills_)
        (bill.date > now ? upcoming_ : paid_).push_back(bill);
}

double UpcomingBillsScreen::upcomingTotal() const {
    return total(upcoming_);
}

double UpcomingBillsScreen::paidTotal() const {
    return total(paid_);
}

double UpcomingBillsScreen::grandTotal() const {
    return total(bills_);
}

std::vector<UpcomingBillChartInfo> UpcomingBillsScreen::chartInfo() const {
    return {
        {L("Upcoming", "Bills still to pay"), upcomingTotal(), Theme::shared().accentColor},
        {L("Paid", "Bills already paid"), paidTotal(), positiveAmountColor},
    };
}

ui::View UpcomingBillsScreen::billRows(const std::vector<UpcomingBill>& bills) const {
    const auto dates = DateFormatter::withStyles(DateFormatter::Style::medium);
    std::vector<ui::View> rows;
    for (const auto& bill : bills)
        rows.push_back(
            ui::button(
                callIfSet(onSelectBill, bill),
                {ui::row({
                    ui::label(bill.name, bill.imageName),
                    ui::text(dates.string(bill.date).value_or("--")).font(ui::Font::caption).secondary(),
                    ui::spacer(),
                    ui::text(amountText(bill.amount, formatter_, isIncognito_)).bold(),
                })})
                .id(bill.id));
    return ui::group(std::move(rows));
}

ui::View UpcomingBillsScreen::body() const {
    std::vector<ui::View> content;
    if (bills_.empty()) {
        content.push_back(ui::emptyState(L("No upcoming bills"), {}, "calendar.badge.exclamationmark"));
    } else {
        std::vector<ui::ChartMark> marks;
        for (const auto& info : chartInfo())
            marks.push_back(ui::ChartMark{ui::MarkKind::bar, info.name, info.amount, {}, info.color});
        const auto figure = [&](std::string title, double value, std::string id) {
            return ui::vstack(
                {ui::text(std::move(title)).font(ui::Font::caption).secondary(),
                 ui::text(amountText(value, formatter_, isIncognito_)).bold().id(std::move(id))});
        };
        // In incognito mode the chart would give the amounts away by its proportions.
        std::vector<ui::View> summary{ui::hstack({
            figure(L("Upcoming", "Bills still to pay"), upcomingTotal(), "upcomingTotal"),
            figure(L("Paid", "Bills already paid"), paidTotal(), "paidTotal"),
            figure(L("Total"), grandTotal(), "grandTotal"),
        })};
        if (!isIncognito_)
            summary.push_back(ui::chart(std::move(marks)).id("billsChart"));
        content.push_back(ui::list({
            ui::section(std::move(summary)),
            ui::section(L("Upcoming", "Bills still to pay"), {billRows(upcoming_)}),
            ui::section(L("Paid", "Bills already paid"), {billRows(paid_)},
                        L("Showing upcoming bills for all accounts")),
        }));
    }
    content.push_back(ui::toolbarItem("help", ui::button(L("Learn More"), "questionmark.circle",
                                                         state_.setter(&State::isHelpPresented, true))));
    content.push_back(ui::sheet(
        L("How To Add Upcoming Bills?"), state_->isHelpPresented, state_.binding(&State::isHelpPresented),
        {
            ui::text(L(
                "Upcoming bills are just ongoing repeating transactions. Tap the button to learn how to add "
                "one.")),
            ui::button(L("Learn More"), "safari",
                       callIfSet(onOpenGuide, std::string(repeatingTransactionGuidePath)))
                .id("openGuide"),
        }));
    return ui::navigationTitle(L("Upcoming Bills"), std::move(content));
}

} // namespace zt
