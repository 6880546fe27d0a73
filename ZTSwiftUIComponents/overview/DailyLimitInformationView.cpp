#include "DailyLimitInformationView.h"

#include "platform/StringTable.h"

#include <utility>

namespace zt {

namespace {

ui::View point(std::string title, std::string symbol, std::string explanation) {
    return ui::row({ui::vstack({ui::label(std::move(title), std::move(symbol)).font(ui::Font::headline),
                                ui::text(std::move(explanation)).secondary()})});
}

} // namespace

ui::View DailyLimitInformationView::body() const {
    return ui::list(
               {ui::section({
                   ui::text(L("How We Calculate Your Daily Limit")).font(ui::Font::title).bold(),
                   point(L("Uses Accounts In Overview"), "checklist",
                         L("Only the accounts you keep selected in the Overview card contribute to the "
                           "remaining budget we split for the day.")),
                   point(L("Zero Balance = No Automatic Limit"), "0.circle",
                         L("If the selected accounts have no money left, the automatic daily limit drops to "
                           "zero. Add funds or pick different accounts to unlock a limit.")),
                   point(L("Custom Limit Overrides"), "slider.horizontal.3",
                         L("Tap “Change Daily Limit” to enter your own amount whenever you want a manual "
                           "target.")),
               })})
        .navigationTitle(L("Daily Limit Help", "Title of the help sheet of the daily limit"));
}

} // namespace zt
