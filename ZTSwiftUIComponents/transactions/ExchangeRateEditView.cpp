#include "ExchangeRateEditView.h"

#include "platform/AmountInput.h"
#include "platform/Environment.h"
#include "platform/Feedback.h"
#include "platform/MainQueue.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

struct ExchangeRateEditView::State {
    Binding<std::optional<ExchangeRate>> exchangeRate;
    Binding<bool> isPresented;
    NumberFormatter formatter;
    std::string newExchangeRateValue{};
    std::string currentAccountCurrency{};
    std::string currentConvertedCurrency{};
    bool isNewRateFocused = false;
    // Set by "Update" until the sheet closes, so a second press cannot schedule a second close.
    bool isClosing = false;
};

ExchangeRateEditView::ExchangeRateEditView(Binding<std::optional<ExchangeRate>> exchangeRate,
                                           Binding<bool> isPresented, NumberFormatter formatter) {
    const auto rate = exchangeRate.get();
    state_ =
        std::make_shared<State>(State{std::move(exchangeRate), std::move(isPresented), std::move(formatter)});
    if (rate) {
        state_->currentAccountCurrency = rate->fromCurrencyCode;
        state_->currentConvertedCurrency = rate->toCurrencyCode;
    }
}

void ExchangeRateEditView::onAppear() const {
    MainQueue::main().asyncAfter(0.5, [weak = std::weak_ptr<State>(state_)] {
        if (const auto state = weak.lock())
            state->isNewRateFocused = true;
    });
}

std::optional<double> ExchangeRateEditView::newRate() const {
    const auto value = parseAmount(state_->newExchangeRateValue, state_->formatter.localeIdentifier());
    // A rate of zero or below would wipe out or invert every converted amount.
    if (!value || *value <= 0)
        return std::nullopt;
    return value;
}

bool ExchangeRateEditView::isUpdateEnabled() const {
    return newRate().has_value() && !state_->isClosing;
}

bool ExchangeRateEditView::isNewRateFocused() const {
    return state_->isNewRateFocused;
}

void ExchangeRateEditView::update() const {
    if (!isUpdateEnabled())
        return;
    if (auto rate = state_->exchangeRate.get()) {
        rate->rate = *newRate();
        state_->exchangeRate.set(std::move(rate));
    }
    Environment::current().feedback().impactOccurred(ImpactStyle::medium);
    state_->isClosing = true;
    // Closes rather than toggles: a sheet the user closed meanwhile must not open again.
    MainQueue::main().asyncAfter(1.0, [state = state_] {
        state->isClosing = false;
        state->isPresented.set(false);
    });
}

ui::View ExchangeRateEditView::body() const {
    const auto state = state_;
    const auto self = *this;
    const auto rate = state->exchangeRate.get();
    const std::string current = rate && rate->formattedString ? *rate->formattedString : "--";

    std::vector<ui::View> newRateRows{
        ui::textField(L("Enter Rate", "Placeholder of the new exchange rate field"),
                      state->newExchangeRateValue,
                      [state](const std::string& text) {
                          state->newExchangeRateValue = text;
                          state->isNewRateFocused = true;
                      })
            .id("newRate")};
    if (!state->currentAccountCurrency.empty() && !state->currentConvertedCurrency.empty())
        newRateRows.push_back(
            ui::text(state->currentAccountCurrency + " \u2192 " + state->currentConvertedCurrency)
                .font(ui::Font::caption)
                .secondary()
                .id("currencies"));

    return ui::navigationTitle(
        L("Adjust Exchange Rate"),
        {
            ui::toolbarItem(
                "close",
                ui::button({}, "xmark", [state] { state->isPresented.set(!state->isPresented.get()); })
                    .accessibilityLabel(L("Close"))),
            ui::list({
                ui::section(L("Current Rate"), {ui::text(current).secondary().id("currentRate")}),
                ui::section(L("New Rate"), std::move(newRateRows)),
            }),
            ui::button(L("Update", "Button that applies a new exchange rate"), [self] { self.update(); })
                .disabled(!isUpdateEnabled())
                .id("update"),
        });
}

} // namespace zt
