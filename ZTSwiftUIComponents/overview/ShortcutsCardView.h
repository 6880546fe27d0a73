#pragma once

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/Shortcut.h"
#include "ZTSwiftUIComponents/overview/ShortcutListAction.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <functional>
#include <vector>

namespace zt {

/// How the shortcut views reach their owner.
struct ShortcutHandlers {
    std::function<void(const ShortcutListAction&)> onAction;
    /// A shortcut was tapped.
    std::function<void(const Shortcut&)> onSelect;
};

/// One shortcut as the card and the list show it, with its "Make Dynamic" and "Delete" entries.
ui::View shortcutItem(const Shortcut& shortcut, const NumberFormatter& formatter, bool isIncognito,
                      const ShortcutHandlers& handlers);

/// The shortcuts card: a grid of the first visibleCount shortcuts, or an invitation to create
/// one; "View All" and the visible-count chooser are reported through the callbacks.
struct ShortcutsCardView {
    std::vector<Shortcut> shortcuts;
    int visibleCount = 4;
    NumberFormatter formatter = makeAppBasedCurrencyFormatter();
    bool isIncognito = false;
    ShortcutHandlers handlers;
    std::function<void()> onViewAll;
    std::function<void()> onChooseVisibleCount;

    /// The shortcuts the grid shows.
    std::vector<Shortcut> visibleShortcuts() const;
    ui::View body() const;
};

/// The full list of shortcuts opened by "View All", with the card's actions.
struct ShortcutListView {
    std::vector<Shortcut> shortcuts;
    NumberFormatter formatter = makeAppBasedCurrencyFormatter();
    bool isIncognito = false;
    ShortcutHandlers handlers;

    ui::View body() const;
};

/// The chooser of how many shortcuts the card shows, from 1 to maximumCount.
struct ShortcutsCardVisibilityPickerView {
    static constexpr int maximumCount = 8;

    int selectedCount = 4;
    std::function<void(int)> onChange;

    ui::View body() const;
};

} // namespace zt
