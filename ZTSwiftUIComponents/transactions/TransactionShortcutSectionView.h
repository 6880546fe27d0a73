#pragma once

#include "platform/ui/View.h"

#include <functional>
#include <string>

namespace zt {

/// "Smart Shortcuts": whether the transaction is a shortcut and whether that shortcut is dynamic.
struct TransactionShortcutSectionView {
    std::string shortcutsHeader;
    bool hasShortcut = false;
    bool isDynamicShortcut = false;
    std::function<void(bool)> setHasShortcut;
    std::function<void(bool)> setIsDynamicShortcut;

    ui::View body() const;
};

} // namespace zt
