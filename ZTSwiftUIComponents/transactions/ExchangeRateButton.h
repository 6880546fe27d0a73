#pragma once

#include "ZTSwiftUIComponents/host/ExchangeRate.h"
#include "ZTSwiftUIComponents/transactions/ExchangeRateEditView.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/Binding.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <optional>
#include <string>

namespace zt {

/// Shows the amount converted by the entry's exchange rate; a tap opens the sheet that overrides
/// the rate.
class ExchangeRateButton {
public:
    /// Kept by whoever shows the button, so an open sheet and what is typed in it survive redraws.
    struct State {
        bool editCurrencyRate = false;
        // Made when the sheet opens.
        std::optional<ExchangeRateEditView> editView;
    };

    ExchangeRateButton(ui::Binding<std::optional<ExchangeRate>> exchangeRate, double amount,
                       NumberFormatter currencyFormatter, ui::ScreenState<State> state = {});

    /// amount × rate in the currency formatter; "--" without a rate, "000" when it cannot be
    /// formatted.
    std::string label() const;
    /// Opens the edit sheet.
    void open() const;
    bool isEditing() const { return state_->editCurrencyRate; }

    ui::View body() const;

private:
    static void open(const std::weak_ptr<State>& weak,
                     const ui::Binding<std::optional<ExchangeRate>>& exchangeRate);

    ui::Binding<std::optional<ExchangeRate>> exchangeRate_;
    double amount_;
    NumberFormatter currencyFormatter_;
    ui::ScreenState<State> state_;
};

} // namespace zt
