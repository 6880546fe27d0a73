#include "TransactionShortcutSectionView.h"

#include "platform/StringTable.h"

namespace zt {

ui::View TransactionShortcutSectionView::body() const {
    return ui::section(shortcutsHeader,
                       {
                           ui::toggle(L("Shortcut"), hasShortcut, setHasShortcut).id("hasShortcut"),
                           ui::toggle(L("Dynamic shortcut"), isDynamicShortcut, setIsDynamicShortcut)
                               .disabled(!hasShortcut)
                               .id("isDynamicShortcut"),
                       })
        .id("shortcuts");
}

} // namespace zt
