#pragma once

#include "ZTSwiftUIComponents/host/ExchangeRate.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/Binding.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <memory>
#include <optional>
#include <string>

namespace zt {

/// The sheet in which the user overrides the rate number of the entry's exchange rate. It never
/// creates a rate: without one, "Update" changes nothing and the sheet still closes. Half a second
/// after it is shown the new-rate field takes the focus; one second after "Update" it closes.
/// Copies share the sheet's state.
class ExchangeRateEditView {
public:
    /// formatter is a decimal formatter; its locale reads the typed rate.
    ExchangeRateEditView(ui::Binding<std::optional<ExchangeRate>> exchangeRate, ui::Binding<bool> isPresented,
                         NumberFormatter formatter);

    /// The sheet became visible: schedules the focus.
    void onAppear() const;
    /// The typed rate, when it is wholly a positive number in the formatter's locale.
    std::optional<double> newRate() const;
    bool isUpdateEnabled() const;
    bool isNewRateFocused() const { return state_->isNewRateFocused; }
    /// Writes the typed rate into the existing rate, plays a haptic and closes one second later.
    void update() const;

    ui::View body() const;

private:
    struct State {
        ui::Binding<std::optional<ExchangeRate>> exchangeRate;
        ui::Binding<bool> isPresented;
        NumberFormatter formatter;
        std::string newExchangeRateValue{};
        std::string currentAccountCurrency{};
        std::string currentConvertedCurrency{};
        bool isNewRateFocused = false;
        // Set by "Update" until the sheet closes, so a second press cannot schedule a second close.
        bool isClosing = false;
    };
    static std::optional<double> newRate(const State& state);
    static void update(const std::weak_ptr<State>& weak);

    ui::ScreenState<State> state_;
};

} // namespace zt
