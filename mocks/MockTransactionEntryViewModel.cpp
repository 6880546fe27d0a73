#include "MockTransactionEntryViewModel.h"

#include "DemoTransactionRecord.h"
#include "MockDatabase.h"
#include "MockTagDatabase.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/UUID.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryErrorManager.h"
#include "ZTSwiftUIComponents/transactions/TransferSourceView.h"
#include "platform/AmountInput.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

namespace {

std::shared_ptr<RepeatTransactionsModalViewModel> newRepetition() {
    return std::make_shared<RepeatTransactionsModalViewModel>(
        false, RepeatingInterval::monthly, Environment::current().now(),
        RepeatTransactionsModalViewModel::foreverDate, false, false);
}

} // namespace

MockTransactionEntryViewModel::MockTransactionEntryViewModel(std::shared_ptr<MockOverviewDatabase> database,
                                                             TransactionType type)
    : MockTransactionEntryViewModel(std::move(database), excludedArchived(WidgetAccount::demo()), type) {}

MockTransactionEntryViewModel::MockTransactionEntryViewModel(std::shared_ptr<MockOverviewDatabase> database,
                                                             std::vector<WidgetAccount> accounts,
                                                             TransactionType type)
    : TransactionEntryContainerViewModel(
          type, {}, nullptr, std::make_shared<TransactionDescriptionViewModel>(std::string{}),
          newRepetition(), std::move(accounts), std::nullopt, std::make_shared<MockDatabase>(),
          std::make_shared<MockTagDatabase>(), std::nullopt, false, false,
          {TransactionType::expense, TransactionType::income, TransactionType::transferSource}),
      database_(std::move(database)) {}

bool MockTransactionEntryViewModel::refuse(std::string title, std::string message) {
    AlertItem alert;
    alert.title = std::move(title);
    alert.message = std::move(message);
    alert.systemImageName = "exclamationmark.triangle.fill";
    alert.color = negativeAmountColor;
    alert.duration = 3;
    TransactionEntryErrorManager::shared().alert.set(std::move(alert));
    return false;
}

bool MockTransactionEntryViewModel::save() {
    const auto& locale = formatter.localeIdentifier();
    const AmountField amount(amountText(), locale);
    if (amount.isEmpty())
        return refuse(L("Amount missing"), L("Please enter an amount."));
    if (!amount.value() || *amount.value() <= 0)
        return refuse(L("Invalid amount"),
                      format(L("“%@” is not an amount greater than zero.", "%@ is the text the user typed"),
                             amountText()));
    if (!selectedAccount())
        return refuse(L("Account missing"), L("Please choose an account."));
    if (isTransfer(type()))
        return saveTransfer(*amount.value());

    console("Saving transaction....");
    const auto& account = *selectedAccount();
    const auto& text = descriptionViewModel() ? descriptionViewModel()->descriptionText() : std::string{};
    database_->add(demoTransactionRecord(account, *amount.value(), exchangeRate(),
                                         type() == TransactionType::expense, false,
                                         selectedCategoryName().value_or(std::string{}), date(),
                                         text.empty() ? std::nullopt : std::optional(text)));
    return true;
}

bool MockTransactionEntryViewModel::saveTransfer(double amount) {
    const auto& source = *selectedAccount();
    const auto& destination = selectedReceiverAccount();
    if (!destination)
        return refuse(L("Account missing"), L("Please choose the account the money goes to."));
    if (destination->id == source.id)
        return refuse(L("Same account"), L("Please choose two different accounts."));
    double received = amount;
    if (isMulticurrencyTransfer(source, destination)) {
        const auto value = parseAmount(amountReceiverText(), formatter.localeIdentifier());
        if (!value || *value <= 0)
            return refuse(L("Invalid amount"),
                          L("Please enter the amount the destination account receives."));
        received = *value;
    }
    console("Saving transfer....");
    const auto transferName = localized(TransactionType::transferSource);
    database_->add(demoTransactionRecord(source, amount, demoAccountRate(source), true, true, transferName,
                                         date(), std::nullopt));
    database_->add(demoTransactionRecord(*destination, received, demoAccountRate(*destination), false, true,
                                         transferName, date(), std::nullopt));
    return true;
}

void MockTransactionEntryViewModel::cancel() {
    console("Cancel. Dimissing transaction...");
}

void MockTransactionEntryViewModel::setupTransferAmountManager(double amount) {
    const auto& source = selectedAccount();
    const auto& destination = selectedReceiverAccount();
    if (!isTransfer(type()) || !isMulticurrencyTransfer(source, destination))
        return;
    const auto appUnits = [](const WidgetAccount& account) {
        const auto rate = demoAccountRate(account);
        return rate ? rate->rate : 1.0;
    };
    const double rate = appUnits(*source) / appUnits(*destination);
    auto decimal = NumberFormatter::decimal(formatter.localeIdentifier());
    decimal.setUsesGroupingSeparator(false).setMaximumFractionDigits(2);
    amountReceiverText.set(decimal.string(amount * rate).value_or(std::string{}));
    destinationExchangeRateFormatted.set(
        ExchangeRate::make(source->currencyCode.value_or(appCurrencyCode()),
                           destination->currencyCode.value_or(appCurrencyCode()), rate)
            .formattedString);
}

std::optional<ExchangeRate> MockTransactionEntryViewModel::updatedExchangeRate() {
    const auto& account = selectedAccount();
    return account ? demoAccountRate(*account) : std::nullopt;
}

} // namespace zt
