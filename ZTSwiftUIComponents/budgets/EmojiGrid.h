#pragma once

#include "ZTSwiftUIComponents/budgets/EmojiFetcher.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace zt {

/// The emoji picker: a search field and the emojis the search keeps, grouped under their
/// category titles in the catalogue's category order (groups without a match left out), file
/// order inside a group. The selected emoji is highlighted; tapping one selects it and closes the
/// picker through onDismiss. Copies share their screen state.
class EmojiGrid {
public:
    /// Adaptive columns: as many of at least this width as fit.
    static constexpr double minimumColumnWidth = 66;
    static constexpr double columnSpacing = 8;

    EmojiGrid(std::shared_ptr<const EmojiFetcher> fetcher, std::string selection,
              std::function<void(const std::string&)> setSelection, std::function<void()> onDismiss = {},
              double availableWidth = 390);

    ui::View body() const;

    /// The number of columns that fit a width; at least one.
    static std::size_t columns(double availableWidth);

private:
    struct State {
        std::string searchText;
        // Follows the grid's own taps, as the binding it writes to does.
        std::string selection;
    };
    std::shared_ptr<const EmojiFetcher> fetcher_;
    std::function<void(const std::string&)> setSelection_;
    std::function<void()> onDismiss_;
    double availableWidth_;
    ui::ScreenState<State> state_;
};

} // namespace zt
