#pragma once

#include "ZTSwiftUIComponents/Location/InsetLocationView.h"
#include "ZTSwiftUIComponents/Location/LocationManager.h"
#include "ZTSwiftUIComponents/Location/SearchLocationView.h"
#include "platform/Published.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>

namespace zt {

/// The place row of the entry screen with its sheet.
///
/// Tapping the row: with a place chosen, the sheet opens on the place card; otherwise, while the
/// user was never asked, access is requested and nothing else happens; when access is denied the
/// application's settings open and nothing else happens; in every other case the sheet opens on
/// the place search. Opening the sheet then calls onDidTap.
///
/// Automatic place: while isAutomaticLocationEnabled says so and no place is chosen, the user's
/// current place, once known, becomes the chosen one. A place the user chose is never replaced.
/// Copies share their state. Main thread.
class InlineLocationView {
public:
    InlineLocationView(std::shared_ptr<LocationManager> manager,
                       std::function<bool()> isAutomaticLocationEnabled);

    std::function<void()> onDidTap;

    /// The row's action.
    void tap() const;
    bool isSheetPresented() const;
    ui::View body() const;

private:
    struct State {
        bool isSheetPresented = false;
        // The search shown in the sheet, made when it opens so it keeps what is typed.
        std::optional<SearchLocationView> search;
        // The card of the chosen place, made once so it keeps its map and its dialog.
        std::optional<InsetLocationView> card;
        Subscription placeChanges;
    };

    std::function<void()> tapAction() const;
    ui::View sheetContent() const;

    std::shared_ptr<LocationManager> manager_;
    ui::ScreenState<State> state_;
};

} // namespace zt
