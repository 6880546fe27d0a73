#include "ExchangeRateEditView.h"

#include "platform/AmountInput.h"
#include "platform/Environment.h"
#include "platform/Feedback.h"
#include "platform/MainQueue.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

ExchangeRateEditView::ExchangeRateEditView(ui::Binding<std::optional<ExchangeRate>> exchangeRate,
                                           ui::Binding<bool> isPresented, NumberFormatter formatter)
    : state_(State{std::move(exchangeRate), std::move(isPresented), std::move(formatter)}) {
    if (const auto rate = state_->exchangeRate.get()) {
        state_->currentAccountCurrency = rate->fromCurrencyCode;
        state_->currentConvertedCurrency = rate->toCurrencyCode;
    }
}

void ExchangeRateEditView::onAppear() const {
    MainQueue::main().asyncAfter(0.5, state_.setter(&State::isNewRateFocused, true));
}

std::optional<double> ExchangeRateEditView::newRate(const State& state) {
    const auto value = parseAmount(state.newExchangeRateValue, state.formatter.localeIdentifier());
    // A rate of zero or below would wipe out or invert every converted amount.
    if (!value || *value <= 0)
        return std::nullopt;
    return value;
}

std::optional<double> ExchangeRateEditView::newRate() const {
    return newRate(*state_);
}

bool ExchangeRateEditView::isUpdateEnabled() const {
    return newRate().has_value() && !state_->isClosing;
}

void ExchangeRateEditView::update(const std::weak_ptr<State>& weak) {
    const auto strong = weak.lock();
    if (!strong)
        return;
    State& state = *strong;
    const auto value = newRate(state);
    if (!value || state.isClosing)
        return;
    if (auto rate = state.exchangeRate.get()) {
        rate->rate = *value;
        state.exchangeRate.set(std::move(rate));
    }
    Environment::current().feedback().impactOccurred(ImpactStyle::medium);
    state.isClosing = true;
    // Closes rather than toggles: a sheet the user closed meanwhile must not open again.
    MainQueue::main().asyncAfter(1.0, weakCallback(weak, [](State& s) {
                                     s.isClosing = false;
                                     s.isPresented.set(false);
                                 }));
}

void ExchangeRateEditView::update() const {
    update(state_.weak());
}

ui::View ExchangeRateEditView::body() const {
    const auto& state = *state_;
    const auto rate = state.exchangeRate.get();
    const std::string current = rate && rate->formattedString ? *rate->formattedString : "--";

    // Text that is no rate (a number above zero) is marked; an empty field is not a mistake yet.
    const bool invalid =
        !AmountField(state.newExchangeRateValue, state.formatter.localeIdentifier()).isEmpty() &&
        !newRate(state);
    std::vector<ui::View> newRateRows{
        ui::textField(L("Enter Rate", "Placeholder of the new exchange rate field"),
                      state.newExchangeRateValue, state_.action([](State& s, const std::string& text) {
                          s.newExchangeRateValue = text;
                          s.isNewRateFocused = true;
                      }))
            .invalid(invalid)
            .id("newRate")};
    if (!state.currentAccountCurrency.empty() && !state.currentConvertedCurrency.empty())
        newRateRows.push_back(
            ui::text(state.currentAccountCurrency + " \u2192 " + state.currentConvertedCurrency)
                .font(ui::Font::caption)
                .secondary()
                .id("currencies"));

    return ui::navigationTitle(
        L("Adjust Exchange Rate"),
        {
            ui::toolbarItem("close", ui::button({}, "xmark", state_.action([](State& s) {
                                         s.isPresented.set(!s.isPresented.get());
                                     })).accessibilityLabel(L("Close"))),
            ui::list({
                ui::section(L("Current Rate"), {ui::text(current).secondary().id("currentRate")}),
                ui::section(L("New Rate"), std::move(newRateRows)),
            }),
            ui::button(L("Update", "Button that applies a new exchange rate"),
                       [weak = state_.weak()] { update(weak); })
                .disabled(!isUpdateEnabled())
                .id("update"),
        });
}

} // namespace zt
