#include "ExchangeRateButton.h"

#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

ExchangeRateButton::ExchangeRateButton(ui::Binding<std::optional<ExchangeRate>> exchangeRate, double amount,
                                       NumberFormatter currencyFormatter, ui::ScreenState<State> state)
    : exchangeRate_(std::move(exchangeRate)), amount_(amount),
      currencyFormatter_(std::move(currencyFormatter)), state_(std::move(state)) {}

std::string ExchangeRateButton::label() const {
    const auto rate = exchangeRate_.get();
    if (!rate)
        return "--";
    return currencyFormatter_.string(amount_ * rate->rate).value_or("000");
}

void ExchangeRateButton::open(const std::weak_ptr<State>& weak,
                              const ui::Binding<std::optional<ExchangeRate>>& exchangeRate) {
    const auto state = weak.lock();
    if (!state)
        return;
    // The sheet's presented flag is the button's, reached weakly like every action of the tree.
    state->editView.emplace(
        exchangeRate,
        ui::Binding<bool>{
            [weak] {
                const auto s = weak.lock();
                return s && s->editCurrencyRate;
            },
            weakCallback(weak, [](State& s, bool presented) { s.editCurrencyRate = presented; })},
        NumberFormatter::decimal(Environment::current().localeIdentifier()));
    state->editCurrencyRate = true;
    state->editView->onAppear();
}

void ExchangeRateButton::open() const {
    open(state_.weak(), exchangeRate_);
}

ui::View ExchangeRateButton::body() const {
    const auto& state = *state_;
    return ui::group({
        ui::button(label(), "arrow.left.arrow.right",
                   [weak = state_.weak(), rate = exchangeRate_] { open(weak, rate); })
            .accessibilityLabel(L("Exchange rate", "Button showing the converted amount"))
            .id("exchangeRateButton"),
        ui::sheet(L("Adjust Exchange Rate"), state.editCurrencyRate, state_.binding(&State::editCurrencyRate),
                  {state.editCurrencyRate && state.editView ? state.editView->body() : ui::group()}),
    });
}

} // namespace zt
