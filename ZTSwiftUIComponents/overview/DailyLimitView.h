#pragma once

#include "ZTSwiftUIComponents/overview/DailyLimitViewModel.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <memory>

namespace zt {

/// The daily-limit screen opened from the overview card: the figures, today's counted expenses,
/// the outgoing transfers that do not count, the settings screen and the help sheet. Editing and
/// deleting a transaction go to the view model's callbacks; a deletion is confirmed first.
/// Copies of a view share its screen state.
class DailyLimitView {
public:
    explicit DailyLimitView(std::shared_ptr<DailyLimitViewModel> viewModel);

    ui::View body() const;

private:
    struct State;
    std::shared_ptr<DailyLimitViewModel> viewModel_;
    ui::ScreenState<State> state_;
};

} // namespace zt
