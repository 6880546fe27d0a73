#include "ExchangeRateButton.h"

#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

ExchangeRateButton::ExchangeRateButton(Binding<std::optional<ExchangeRate>> exchangeRate, double amount,
                                       NumberFormatter currencyFormatter, std::shared_ptr<State> state)
    : exchangeRate_(std::move(exchangeRate)), amount_(amount),
      currencyFormatter_(std::move(currencyFormatter)), state_(std::move(state)) {}

std::string ExchangeRateButton::label() const {
    const auto rate = exchangeRate_.get();
    if (!rate)
        return "--";
    return currencyFormatter_.string(amount_ * rate->rate).value_or("000");
}

void ExchangeRateButton::open() const {
    const std::weak_ptr<State> weak = state_;
    state_->editView.emplace(exchangeRate_,
                             Binding<bool>(
                                 [weak] {
                                     const auto s = weak.lock();
                                     return s && s->editCurrencyRate;
                                 },
                                 [weak](bool presented) {
                                     if (const auto s = weak.lock())
                                         s->editCurrencyRate = presented;
                                 }),
                             NumberFormatter::decimal(Environment::current().localeIdentifier()));
    state_->editCurrencyRate = true;
    state_->editView->onAppear();
}

ui::View ExchangeRateButton::body() const {
    const auto self = *this;
    const auto state = state_;
    return ui::group({
        ui::button(label(), "arrow.left.arrow.right", [self] { self.open(); })
            .accessibilityLabel(L("Exchange rate", "Button showing the converted amount"))
            .id("exchangeRateButton"),
        ui::sheet(L("Adjust Exchange Rate"), state->editCurrencyRate,
                  [state](bool presented) { state->editCurrencyRate = presented; },
                  {state->editView ? state->editView->body() : ui::group()}),
    });
}

} // namespace zt
