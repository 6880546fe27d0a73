#include "HostTransactionEntryViewModel.h"

#include "HostPayeeTagStores.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
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

} // namespace

HostTransactionEntryViewModel::HostTransactionEntryViewModel(std::shared_ptr<HostOverviewDatabase> overview,
                                                             TransactionType type)
    : TransactionEntryContainerViewModel(
          type, {}, nullptr, std::make_shared<TransactionDescriptionViewModel>(std::string{}),
          newEntryRepetition(), excludedArchived(overview->database()->accounts()), std::nullopt,
          std::make_shared<HostPayeeDatabase>(overview->database()),
          std::make_shared<HostTagDatabase>(overview->database()), std::nullopt, false, false,
          {TransactionType::expense, TransactionType::income, TransactionType::transferSource}),
      overview_(std::move(overview)) {}

bool HostTransactionEntryViewModel::refuseStoring(const HostDatabaseError& error) {
    console(std::string("Not saved: ") + error.what()); // the developer's detail; the user's text below
    return refuseEntry(L("Not saved", "Entry banner: storing the transaction failed"),
                       L("The database did not take the transaction; nothing was changed.",
                         "Entry banner: storing the transaction failed"));
}

bool HostTransactionEntryViewModel::save() {
    const auto amounts = validatedEntryAmounts(*this);
    if (!amounts)
        return false;
    if (isTransfer(type()))
        return saveTransfer(*amounts);

    console("Saving transaction....");
    auto t = hostEntrySide(*selectedAccount(), amounts->amount, exchangeRate(), date());
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

bool HostTransactionEntryViewModel::saveTransfer(const EntryAmounts& amounts) {
    const auto& source = *selectedAccount();
    const auto& destination = selectedReceiverAccount();
    console("Saving transfer....");
    auto out = hostEntrySide(source, amounts.amount, hostAccountRate(source), date());
    auto in = hostEntrySide(*destination, amounts.received, hostAccountRate(*destination), date());
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
    fillTransferReceiverAmount(*this, amount,
                               [](const WidgetAccount& account) { return account.exchangeRate; });
}

std::optional<ExchangeRate> HostTransactionEntryViewModel::updatedExchangeRate() {
    const auto& account = selectedAccount();
    return account ? hostAccountRate(*account) : std::nullopt;
}

} // namespace zt
