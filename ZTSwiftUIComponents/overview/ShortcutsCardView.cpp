#include "ShortcutsCardView.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/overview/OverviewCardFrame.h"
#include "platform/StringTable.h"
#include "platform/WeakCallback.h"

#include <algorithm>
#include <string>
#include <utility>

namespace zt {

namespace {

void report(const ShortcutHandlers& handlers, ShortcutListAction action) {
    if (handlers.onAction)
        handlers.onAction(action);
}

ui::View emptyShortcuts(const ShortcutHandlers& handlers) {
    return ui::emptyState(L("You don't have any shortcuts yet."), L("Why don't you add some?"), "bolt.slash",
                          {ui::button(L("Create Shortcut"), "plus", [handlers] {
                               report(handlers, ShortcutListAction::newShortcut());
                           }).id("createShortcut")});
}

} // namespace

ui::View shortcutItem(const Shortcut& shortcut, const NumberFormatter& formatter, bool isIncognito,
                      const ShortcutHandlers& handlers) {
    // A shortcut in a currency of its own is written in that currency.
    const std::string amount =
        shortcut.currencyCode
            ? amountText(shortcut.amount, makeCurrencyFormatter(*shortcut.currencyCode), isIncognito)
            : amountText(shortcut.amount, formatter, isIncognito);
    std::vector<ui::View> content{ui::label(shortcut.name, shortcut.categoryImageName),
                                  ui::text(amount).font(ui::Font::caption).bold()};
    if (shortcut.isDynamic)
        content.push_back(
            ui::text(L("Dynamic", "Marks a shortcut kept up to date from frequent transactions"))
                .font(ui::Font::caption)
                .secondary());
    return ui::vstack({
                          ui::button(
                              [handlers, shortcut] {
                                  if (handlers.onSelect)
                                      handlers.onSelect(shortcut);
                              },
                              {ui::vstack(std::move(content))}),
                          ui::button(L("Make Dynamic"), "bolt.fill",
                                     [handlers, shortcut] {
                                         report(handlers, ShortcutListAction::makeDynamic(shortcut));
                                     }),
                          ui::button(L("Delete"), "trash",
                                     [handlers, shortcut] {
                                         report(handlers, ShortcutListAction::deleteShortcut(shortcut));
                                     })
                              .role(ui::ButtonRole::destructive),
                      })
        .id(shortcut.id);
}

std::vector<Shortcut> ShortcutsCardView::visibleShortcuts() const {
    const auto n = static_cast<std::size_t>(std::clamp(visibleCount, 0, static_cast<int>(shortcuts.size())));
    return {shortcuts.begin(), shortcuts.begin() + static_cast<std::ptrdiff_t>(n)};
}

ui::View ShortcutsCardView::body() const {
    std::vector<ui::View> items;
    for (const auto& s : visibleShortcuts())
        items.push_back(shortcutItem(s, formatter, isIncognito, handlers));
    return ui::vstack({
        ui::hstack({
            cardHeader(L("Shortcuts")),
            ui::spacer(),
            ui::button(L("Visible shortcuts"), "slider.horizontal.3", callIfSet(onChooseVisibleCount))
                .id("chooseVisibleShortcuts"),
            ui::button(L("View All"), callIfSet(onViewAll)).id("viewAllShortcuts"),
        }),
        shortcuts.empty() ? emptyShortcuts(handlers) : ui::grid(2, std::move(items)),
    });
}

ui::View ShortcutListView::body() const {
    std::vector<ui::View> rows;
    for (const auto& s : shortcuts)
        rows.push_back(ui::row({shortcutItem(s, formatter, isIncognito, handlers)}));
    std::vector<ui::View> content;
    if (shortcuts.empty())
        content.push_back(emptyShortcuts(handlers));
    else
        content.push_back(ui::list({ui::section(std::move(rows))}));
    content.push_back(ui::toolbarItem("newShortcut", ui::button(L("New Shortcut"), "plus", [h = handlers] {
                                          report(h, ShortcutListAction::newShortcut());
                                      })));
    // The title keeps the spelling the translations were made for.
    return ui::navigationTitle(L("Shorcuts", "Title of the list of all shortcuts"), std::move(content));
}

ui::View ShortcutsCardVisibilityPickerView::body() const {
    std::vector<ui::PickerOption> options;
    for (int n = 1; n <= maximumCount; ++n)
        options.emplace_back(std::to_string(n));
    const int selected = std::clamp(selectedCount, 1, maximumCount);
    return ui::vstack({
        ui::text(L("Visible shortcuts")).font(ui::Font::headline).bold(),
        ui::text(L("Select how many shortcuts you want to display on the card. You can display up to 8 "
                   "shortcuts."))
            .secondary(),
        ui::picker(L("Visible shortcuts"), std::move(options), static_cast<std::size_t>(selected - 1),
                   [f = onChange](std::size_t index) {
                       if (f)
                           f(static_cast<int>(index) + 1);
                   })
            .id("visibleShortcutsPicker"),
    });
}

} // namespace zt
