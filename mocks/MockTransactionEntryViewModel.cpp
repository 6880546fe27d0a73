#include "MockTransactionEntryViewModel.h"

#include "DemoTransactionRecord.h"
#include "MockDatabase.h"
#include "MockTagDatabase.h"
#include "ZTSwiftUIComponents/host/UUID.h"
#include "ZTSwiftUIComponents/host/WidgetCategory.h"
#include "platform/Console.h"

#include <utility>

namespace zt {

MockTransactionEntryViewModel::MockTransactionEntryViewModel(std::shared_ptr<MockOverviewDatabase> database,
                                                             TransactionType type)
    : MockTransactionEntryViewModel(std::move(database), excludedArchived(WidgetAccount::demo()), type) {}

MockTransactionEntryViewModel::MockTransactionEntryViewModel(std::shared_ptr<MockOverviewDatabase> database,
                                                             std::vector<WidgetAccount> accounts,
                                                             TransactionType type)
    : TransactionEntryContainerViewModel(
          type, {}, nullptr, std::make_shared<TransactionDescriptionViewModel>(std::string{}),
          newEntryRepetition(), std::move(accounts), std::nullopt, std::make_shared<MockDatabase>(),
          std::make_shared<MockTagDatabase>(), std::nullopt, false, false,
          {TransactionType::expense, TransactionType::income, TransactionType::transferSource}),
      database_(std::move(database)) {}

bool MockTransactionEntryViewModel::save() {
    const auto amounts = validatedEntryAmounts(*this);
    if (!amounts)
        return false;
    if (isTransfer(type()))
        return saveTransfer(*amounts);

    console("Saving transaction....");
    const auto& account = *selectedAccount();
    const auto& text = descriptionViewModel() ? descriptionViewModel()->descriptionText() : std::string{};
    database_->add(demoTransactionRecord(account, amounts->amount, exchangeRate(),
                                         type() == TransactionType::expense, false,
                                         selectedCategoryName().value_or(std::string{}), date(),
                                         text.empty() ? std::nullopt : std::optional(text)));
    return true;
}

bool MockTransactionEntryViewModel::saveTransfer(const EntryAmounts& amounts) {
    const auto& source = *selectedAccount();
    const auto& destination = selectedReceiverAccount();
    console("Saving transfer....");
    const auto transferName = localized(TransactionType::transferSource);
    database_->add(demoTransactionRecord(source, amounts.amount, demoAccountRate(source), true, true,
                                         transferName, date(), std::nullopt));
    database_->add(demoTransactionRecord(*destination, amounts.received, demoAccountRate(*destination), false,
                                         true, transferName, date(), std::nullopt));
    return true;
}

void MockTransactionEntryViewModel::cancel() {
    console("Cancel. Dimissing transaction...");
}

void MockTransactionEntryViewModel::setupTransferAmountManager(double amount) {
    fillTransferReceiverAmount(*this, amount, [](const WidgetAccount& account) {
        const auto rate = demoAccountRate(account);
        return rate ? rate->rate : 1.0;
    });
}

std::optional<ExchangeRate> MockTransactionEntryViewModel::updatedExchangeRate() {
    const auto& account = selectedAccount();
    return account ? demoAccountRate(*account) : std::nullopt;
}

} // namespace zt
