#pragma once

#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zt {

/// The invitation to connect a bank, shown on the overview while no account is linked to online
/// banking, in the regions where online banking is offered, until the user closes it. Closing it
/// is remembered in the environment's user defaults. Copies share the expanded state.
class BankingAvailabilityCard {
public:
    static constexpr std::string_view dismissedKey = "bankingAvailabilityCardDismissed";

    BankingAvailabilityCard(std::function<void()> onConnect, std::function<void()> onDismiss = {});

    /// Whether the user closed the card (stored under dismissedKey).
    static bool isDismissed();
    /// Whether online banking is offered where the locale's region is.
    static bool isAvailable(std::string_view localeIdentifier);

    bool isExpanded() const;
    ui::View body() const;

private:
    std::function<void()> onConnect_;
    std::function<void()> onDismiss_;
    struct State {
        bool isExpanded = false;
    };
    ui::ScreenState<State> state_;
};

} // namespace zt
