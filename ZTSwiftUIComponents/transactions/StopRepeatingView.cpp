#include "StopRepeatingView.h"

#include "platform/StringTable.h"

#include <utility>

namespace zt {

StopRepeatingView::StopRepeatingView(std::shared_ptr<ZTBaseRepeating> repeating)
    : repeating_(std::move(repeating)) {}

ui::View StopRepeatingView::body() const {
    const auto repeating = repeating_;
    return ui::group({
        ui::button(L("Stop Repeating"), state_.setter(&State::isConfirming, true))
            .role(ui::ButtonRole::destructive)
            .id("stopRepeating"),
        ui::confirmationDialog(L("Are you sure?"),
                               L("This will stop this transaction repeating in the future. All created "
                                 "transactions until now will "
                                 "still be visible and you can edit them separately"),
                               state_->isConfirming, state_.binding(&State::isConfirming),
                               {ui::button(L("Stop Repeating"), [repeating] { repeating->stopRepeating(); })
                                    .role(ui::ButtonRole::destructive),
                                ui::button(L("Cancel"), [] {}).role(ui::ButtonRole::cancel)})
            .id("stopRepeatingConfirmation"),
    });
}

} // namespace zt
