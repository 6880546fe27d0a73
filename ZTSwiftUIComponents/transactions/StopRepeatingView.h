#pragma once

#include "ZTSwiftUIComponents/host/ZTBaseRepeating.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <memory>

namespace zt {

/// "Stop Repeating" with its confirmation: switches the series off; what it booked so far stays.
/// Copies share the dialog's state.
class StopRepeatingView {
public:
    explicit StopRepeatingView(std::shared_ptr<ZTBaseRepeating> repeating);

    ui::View body() const;

private:
    struct State {
        bool isConfirming = false;
    };
    std::shared_ptr<ZTBaseRepeating> repeating_;
    ui::ScreenState<State> state_;
};

} // namespace zt
