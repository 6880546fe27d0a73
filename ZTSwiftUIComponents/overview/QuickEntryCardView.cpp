#include "QuickEntryCardView.h"

#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"

namespace zt {

ui::View QuickEntryCardView::body() const {
    return ui::vstack({
        cardHeader(L("Quick Entry")),
        ui::label(L("Add transaction", "Placeholder of the quick entry field look-alike"), "bolt.circle.fill")
            .secondary()
            .id("quickEntryField"),
        ui::text(L("Ex: 3,24 Coffee | 5 Transport Wallet | 12 Food",
                   "Example input of quick entry: amount, then description, category or account"))
            .font(ui::Font::caption)
            .secondary(),
    });
}

} // namespace zt
