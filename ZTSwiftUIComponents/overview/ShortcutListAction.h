#pragma once

#include "ZTSwiftUIComponents/host/Shortcut.h"

#include <optional>

namespace zt {

/// What the shortcuts card and the full shortcut list ask the overview screen to do.
struct ShortcutListAction {
    enum class Kind {
        deleteShortcut, // `delete` is a keyword here
        makeDynamic,
        newShortcut,
    };

    Kind kind = Kind::newShortcut;
    /// The shortcut acted on; none for newShortcut.
    std::optional<Shortcut> shortcut;

    static ShortcutListAction deleteShortcut(Shortcut s) { return {Kind::deleteShortcut, std::move(s)}; }
    static ShortcutListAction makeDynamic(Shortcut s) { return {Kind::makeDynamic, std::move(s)}; }
    static ShortcutListAction newShortcut() { return {Kind::newShortcut, std::nullopt}; }

    bool operator==(const ShortcutListAction&) const = default;
};

} // namespace zt
