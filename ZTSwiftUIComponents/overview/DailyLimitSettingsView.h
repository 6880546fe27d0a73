#pragma once

#include "ZTSwiftUIComponents/host/DailyLimitCalculationType.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zt {

/// Where the user chooses between the automatic daily limit and an amount of their own, typed in
/// the user's locale. Saving remembers under "hasSetDailyLimitAmount" that the user has chosen,
/// hands the choice to onSave (the amount for a custom limit, nothing for the automatic one) and
/// closes the screen; a custom amount that is empty or no number cannot be saved.
class DailyLimitSettingsView {
public:
    using SaveAction = std::function<void(std::optional<double>)>;

    static constexpr const char* hasSetDailyLimitAmountKey = "hasSetDailyLimitAmount";

    /// recommendedLimit is the automatic figure; amount the limit in force, offered for editing.
    DailyLimitSettingsView(NumberFormatter formatter, double recommendedLimit, double amount,
                           DailyLimitCalculationType calculationType, SaveAction onSave,
                           std::function<void()> onClose = {});

    ui::View body() const;

private:
    struct State;
    ui::ScreenState<State> state_;
};

} // namespace zt
