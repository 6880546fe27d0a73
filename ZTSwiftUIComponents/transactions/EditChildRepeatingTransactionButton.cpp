#include "EditChildRepeatingTransactionButton.h"

#include "platform/StringTable.h"

#include <utility>

namespace zt {

EditChildRepeatingTransactionButton::EditChildRepeatingTransactionButton(
    std::shared_ptr<ZTBaseRepeating> repeating)
    : repeating_(std::move(repeating)) {}

ui::View EditChildRepeatingTransactionButton::body() const {
    return ui::group({
        ui::button(L("Edit Repeating Transactions"), "repeat",
                   state_.action([repeating = repeating_](State& s) {
                       s.screen.emplace(repeating);
                       s.isPresented = true;
                   }))
            .id("editRepeatingTransactions"),
        ui::sheet(L("Repeating Transactions"), state_->isPresented, state_.binding(&State::isPresented),
                  {state_->isPresented && state_->screen ? state_->screen->body() : ui::group()}),
    });
}

} // namespace zt
