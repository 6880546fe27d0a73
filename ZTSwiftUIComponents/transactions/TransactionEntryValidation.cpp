#include "TransactionEntryValidation.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryErrorManager.h"
#include "ZTSwiftUIComponents/transactions/TransferSourceView.h"
#include "platform/AmountInput.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

bool refuseEntry(std::string title, std::string message) {
    AlertItem alert;
    alert.title = std::move(title);
    alert.message = std::move(message);
    alert.systemImageName = "exclamationmark.triangle.fill";
    alert.color = negativeAmountColor;
    alert.duration = 3;
    TransactionEntryErrorManager::shared().alert.set(std::move(alert));
    return false;
}

namespace {

std::optional<EntryAmounts> refused(std::string title, std::string message) {
    refuseEntry(std::move(title), std::move(message));
    return std::nullopt;
}

} // namespace

std::optional<EntryAmounts> validatedEntryAmounts(const TransactionEntryContainerViewModel& entry) {
    const auto& locale = entry.formatter.localeIdentifier();
    const AmountField amount(entry.amountText(), locale);
    if (amount.isEmpty())
        return refused(L("Amount missing"), L("Please enter an amount."));
    if (!amount.value() || *amount.value() <= 0)
        return refused(L("Invalid amount"),
                       format(L("“%@” is not an amount greater than zero.", "%@ is the text the user typed"),
                              entry.amountText()));
    const auto& source = entry.selectedAccount();
    if (!source)
        return refused(L("Account missing"), L("Please choose an account."));
    EntryAmounts result{*amount.value(), *amount.value()};
    if (!isTransfer(entry.type()))
        return result;
    const auto& destination = entry.selectedReceiverAccount();
    if (!destination)
        return refused(L("Account missing"), L("Please choose the account the money goes to."));
    if (destination->id == source->id)
        return refused(L("Same account"), L("Please choose two different accounts."));
    if (isMulticurrencyTransfer(source, destination)) {
        const auto received = parseAmount(entry.amountReceiverText(), locale);
        if (!received || *received <= 0)
            return refused(L("Invalid amount"),
                           L("Please enter the amount the destination account receives."));
        result.received = *received;
    }
    return result;
}

void fillTransferReceiverAmount(TransactionEntryContainerViewModel& entry, double amount,
                                const std::function<double(const WidgetAccount&)>& appCurrencyUnits) {
    const auto& source = entry.selectedAccount();
    const auto& destination = entry.selectedReceiverAccount();
    if (!isTransfer(entry.type()) || !isMulticurrencyTransfer(source, destination))
        return;
    const double rate = appCurrencyUnits(*source) / appCurrencyUnits(*destination);
    auto decimal = NumberFormatter::decimal(entry.formatter.localeIdentifier());
    decimal.setUsesGroupingSeparator(false).setMaximumFractionDigits(2);
    entry.amountReceiverText.set(decimal.string(amount * rate).value_or(std::string{}));
    entry.destinationExchangeRateFormatted.set(
        ExchangeRate::make(source->currencyCode.value_or(appCurrencyCode()),
                           destination->currencyCode.value_or(appCurrencyCode()), rate)
            .formattedString);
}

std::shared_ptr<RepeatTransactionsModalViewModel> newEntryRepetition() {
    return std::make_shared<RepeatTransactionsModalViewModel>(
        false, RepeatingInterval::monthly, Environment::current().now(),
        RepeatTransactionsModalViewModel::foreverDate, false, false);
}

} // namespace zt
