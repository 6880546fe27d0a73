#include "DaysUntilCardView.h"

#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/Calendar.h"
#include "platform/DateFormatter.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

#include <algorithm>
#include <utility>

namespace zt {

namespace {

int daysBetween(Date now, Date payDate) {
    const auto calendar = Calendar::current();
    const auto days =
        calendar.difference(CalendarComponent::day, calendar.startOfDay(now), calendar.startOfDay(payDate));
    return std::max(0, days.value_or(0));
}

} // namespace

DaysUntilCardView::DaysUntilCardView(Date payDate, std::function<void()> onSettings, bool isIncognito)
    : DaysUntilCardView(payDate, Environment::current().now(), std::move(onSettings), isIncognito) {}

DaysUntilCardView::DaysUntilCardView(Date payDate, Date now, std::function<void()> onSettings,
                                     bool isIncognito)
    : payDate_(payDate), days_(daysBetween(now, payDate)), onSettings_(std::move(onSettings)),
      isIncognito_(isIncognito) {}

std::string DaysUntilCardView::unit() const {
    if (days_ == 0)
        return uppercased(L("today", "Payday card: unit shown under 0 days"));
    if (days_ == 1)
        return uppercased(L("day", "Payday card: unit shown under 1 day"));
    return uppercased(LHost("days"));
}

std::string DaysUntilCardView::message() const {
    return message(days_);
}

double DaysUntilCardView::ringValue() const {
    return ringValue(days_);
}

double DaysUntilCardView::ringValue(int days) {
    if (days <= 0)
        return 1.0;
    if (days == 1)
        return 0.9;
    return std::clamp(1.0 - days / 30.0, ringFloor, ringCap);
}

std::string DaysUntilCardView::message(int days) {
    if (days <= 0)
        return L("Payday is today! Time to update your budget.");
    if (days == 1)
        return L("Payday is tomorrow! Your next paycheck is just around the corner.");
    if (days <= 3)
        return L("Almost there! Your next paycheck is just around the corner.");
    if (days <= 7)
        return L("Less than a week until your next paycheck arrives.");
    return L("Keep tracking your expenses to stay on budget until payday.");
}

ui::View DaysUntilCardView::body() const {
    // The formatter follows the environment's locale and zone at each call and keeps what it built.
    static const DateFormatter payDateFormatter = DateFormatter::withFormat("dd MMMM");
    const auto formattedDate = payDateFormatter.string(payDate_).value_or("--");
    const Color blue = Theme::shared().accentColor;
    return ui::vstack({
        ui::hstack({
            cardHeader(L("Payday", "Title of the days-until-payday card"),
                       L("Days Until Next Salary", "Caption of the days-until-payday card")),
            ui::spacer(),
            ui::button(L("Payday Settings"), "gearshape", callIfSet(onSettings_)).id("paydaySettings"),
        }),
        ui::hstack({
            ui::vstack({
                ui::text(isIncognito_ ? std::string(hiddenAmountText) : std::to_string(days_))
                    .font(ui::Font::largeTitle)
                    .bold()
                    .id("days"),
                ui::text(unit()).font(ui::Font::caption).bold().id("unit"),
            }),
            ui::spacer(),
            ui::progressRing(ringValue()).foregroundColor(blue).id("ring"),
        }),
        ui::text(formattedDate).font(ui::Font::subheadline).id("payDate"),
        ui::text(message()).font(ui::Font::caption).secondary().id("message"),
    });
}

} // namespace zt
