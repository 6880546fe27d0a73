#pragma once

#include "platform/ui/View.h"

namespace zt {

/// The quick-entry card: a look-alike of the quick-entry field with an example of what it takes.
/// Tapping the card (the overview's frame) opens quick entry.
struct QuickEntryCardView {
    ui::View body() const;
};

} // namespace zt
