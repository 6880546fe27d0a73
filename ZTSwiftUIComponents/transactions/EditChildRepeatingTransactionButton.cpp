#include "EditChildRepeatingTransactionButton.h"

#include "platform/StringTable.h"

#include <utility>

namespace zt {

EditChildRepeatingTransactionButton::EditChildRepeatingTransactionButton(
    std::shared_ptr<ZTBaseRepeating> repeating)
    : repeating_(std::move(repeating)) {}

ui::View EditChildRepeatingTransactionButton::body() const {
    const auto state = state_;
    const auto repeating = repeating_;
    return ui::group({
        ui::button(L("Edit Repeating Transactions"), "repeat",
                   [state, repeating] {
                       state->screen.emplace(repeating);
                       state->isPresented = true;
                   })
            .id("editRepeatingTransactions"),
        ui::sheet(L("Repeating Transactions"), state->isPresented,
                  [state](bool presented) { state->isPresented = presented; },
                  {state->screen ? state->screen->body() : ui::group()}),
    });
}

} // namespace zt
