#pragma once

#include "ZTSwiftUIComponents/overview/SummaryCardItem.h"
#include "platform/ui/View.h"

namespace zt {

/// A period summary card (custom period, week, month, year): the database's preformatted
/// figures with a progress bar.
struct ReusableSummaryCardView {
    SummaryCardItem item;
    bool isIncognito = false;

    ui::View body() const;
};

} // namespace zt
