#include "HostTransactionEntryViewModel.h"

#include "HostPayeeTagStores.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "ZTSwiftUIComponents/transactions/TransactionEntryErrorManager.h"
#include "ZTSwiftUIComponents/transactions/TransferSourceView.h"
#include "platform/AmountInput.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"
#include "platform/UUID.h"

#include <utility>

namespace zt {

namespace {

std::optional<ExchangeRate> hostAccountRate(const WidgetAccount& account) {
    if (!account.currencyCode || sameCurrencyCode(account.currencyCode, appCurrencyCode()))
        return std::nullopt;
    return ExchangeRate::make(*account.currencyCode, appCurrencyCode(), account.exchangeRate,
                              Environment::current().now());
}

// One side of an entry: amount in the account's currency, converted by rate when there is one.
HostTransaction hostEntrySide(const WidgetAccount& account, double amount,
                              const std::optional<ExchangeRate>& rate, Date date) {
    HostTransaction t;
    t.id = makeUUIDString();
    t.accountId = account.id;
    t.amount = amount;
    t.amountInAppCurrency = rate ? rate->converted(amount) : amount;
    if (rate) {
        t.currencyCode = rate->fromCurrencyCode;
        t.exchangeRate = rate->rate;
    }
    t.date = date;
    return t;
}

std::shared_ptr<RepeatTransactionsModalViewModel> hostNewRepetition() {
    return std::make_shared<RepeatTransactionsModalViewModel>(
        false, RepeatingInterval::monthly, Environment::current().now(),
        RepeatTransactionsModalViewModel::foreverDate, false, false);
}

} // namespace

HostTransactionEntryViewModel::HostTransactionEntryViewModel(std::shared_ptr<HostOverviewDatabase> overview,
                                                             TransactionType type)
    : TransactionEntryContainerViewModel(
          type, {}, nullptr, std::make_shared<TransactionDescriptionViewModel>(std::string{}),
          hostNewRepetition(), excludedArchived(overview->database()->accounts()), std::nullopt,
          std::make_shared<HostPayeeDatabase>(overview->database()),
          std::make_shared<HostTagDatabase>(overview->database()), std::nullopt, false, false,
          {TransactionType::expense, TransactionType::income, TransactionType::transferSource}),
      overview_(std::move(overview)) {}

bool HostTransactionEntryViewModel::refuse(std::string title, std::string message) {
    AlertItem alert;
    alert.title = std::move(title);
    alert.message = std::move(message);
    alert.systemImageName = "exclamationmark.triangle.fill";
    alert.color = negativeAmountColor;
    alert.duration = 3;
    TransactionEntryErrorManager::shared().alert.set(std::move(alert));
    return false;
}

bool HostTransactionEntryViewModel::refuseStoring(const HostDatabaseError& error) {
    console(std::string("Not saved: ") + error.what()); // the developer's detail; the user's text below
    return refuse(L("Not saved", "Entry banner: storing the transaction failed"),
                  L("The database did not take the transaction; nothing was changed.",
                    "Entry banner: storing the transaction failed"));
}

bool HostTransactionEntryViewModel::save() {
    const AmountField amount(amountText(), formatter.localeIdentifier());
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
    auto t = hostEntrySide(*selectedAccount(), *amount.value(), exchangeRate(), date());
    t.isExpense = type() == TransactionType::expense;
    if (const auto& name = selectedCategoryName())
        t.categoryId = overview_->database()->categoryIdNamed(*name);
    if (const auto& text = descriptionViewModel() ? descriptionViewModel()->descriptionText() : std::string{};
        !text.empty())
        t.description = text;
    if (const auto& repetition = repeatViewModel(); repetition && repetition->isRepeating()) {
        t.repeatInterval = repetition->selectedInterval();
        if (!repetition->isForever())
            t.repeatUntil = repetition->repeatingUntilDate();
    }
    try {
        overview_->database()->insertTransaction(t);
    } catch (const HostDatabaseError& e) {
        return refuseStoring(e);
    }
    lastSaved_ = t.id;
    overview_->dataDidChange();
    return true;
}

bool HostTransactionEntryViewModel::saveTransfer(double amount) {
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
    auto out = hostEntrySide(source, amount, hostAccountRate(source), date());
    auto in = hostEntrySide(*destination, received, hostAccountRate(*destination), date());
    out.categoryId = in.categoryId = overview_->database()->transferCategoryId();
    try {
        overview_->database()->insertTransfer(out, in);
    } catch (const HostDatabaseError& e) {
        return refuseStoring(e);
    }
    lastSaved_ = out.id;
    overview_->dataDidChange();
    return true;
}

void HostTransactionEntryViewModel::setupTransferAmountManager(double amount) {
    const auto& source = selectedAccount();
    const auto& destination = selectedReceiverAccount();
    if (!isTransfer(type()) || !isMulticurrencyTransfer(source, destination))
        return;
    const double rate = source->exchangeRate / destination->exchangeRate;
    auto decimal = NumberFormatter::decimal(formatter.localeIdentifier());
    decimal.setUsesGroupingSeparator(false).setMaximumFractionDigits(2);
    amountReceiverText.set(decimal.string(amount * rate).value_or(std::string{}));
    destinationExchangeRateFormatted.set(
        ExchangeRate::make(source->currencyCode.value_or(appCurrencyCode()),
                           destination->currencyCode.value_or(appCurrencyCode()), rate)
            .formattedString);
}

std::optional<ExchangeRate> HostTransactionEntryViewModel::updatedExchangeRate() {
    const auto& account = selectedAccount();
    return account ? hostAccountRate(*account) : std::nullopt;
}

} // namespace zt
