#include "NetWorthCardView.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

namespace zt {

ui::View NetWorthCardView::body() const {
    return ui::vstack({
        ui::hstack({
            cardHeader(L("Net Worth"), L("All time", "Caption of the net worth card")),
            ui::spacer(),
            ui::button(L("Filter Accounts", "Net worth card: choose the accounts that count"),
                       "line.3.horizontal.decrease.circle", callIfSet(onFilter))
                .id("netWorthFilter"),
            ui::button(L("Add Account"), "plus.square.on.square", callIfSet(onAddAccount))
                .id("netWorthAddAccount"),
        }),
        ui::text(amountText(netWorth, formatter, isIncognito)).font(ui::Font::title).bold().id("netWorth"),
    });
}

} // namespace zt
