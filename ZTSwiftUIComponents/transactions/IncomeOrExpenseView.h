#pragma once

#include "ZTSwiftUIComponents/transactions/ExchangeRateButton.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryContainerViewModel.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryField.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>

namespace zt {

/// The amount section of an expense or income: the amount (marked when it stands for no amount),
/// the converted amount when the entry has an exchange rate, the account and category buttons and
/// the description line.
class IncomeOrExpenseView {
public:
    /// onFocus hears the field the user types into; onEditDescription opens the description
    /// editor; exchangeRateButton keeps the rate sheet's state across redraws.
    IncomeOrExpenseView(std::shared_ptr<TransactionEntryContainerViewModel> viewModel,
                        std::function<void(TransactionEntryField)> onFocus,
                        std::function<void()> onEditDescription,
                        ui::ScreenState<ExchangeRateButton::State> exchangeRateButton);

    ui::View body() const;

private:
    std::shared_ptr<TransactionEntryContainerViewModel> viewModel_;
    std::function<void(TransactionEntryField)> onFocus_;
    std::function<void()> onEditDescription_;
    ui::ScreenState<ExchangeRateButton::State> exchangeRateButton_;
};

/// The amount text field of the entry screen bound to field, with its invalid mark: typing moves
/// the focus to it.
ui::View amountField(const ui::Binding<std::string>& text, TransactionEntryField field,
                     const std::function<void(TransactionEntryField)>& onFocus,
                     const std::string& localeIdentifier, const std::string& id);

} // namespace zt
