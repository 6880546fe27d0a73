#include "TransactionEntryContainerViewModel.h"

#include "platform/Environment.h"

#include <utility>

namespace zt {

TransactionEntryContainerViewModel::TransactionEntryContainerViewModel(
    TransactionType type, std::string amountText, const std::shared_ptr<void>&,
    std::shared_ptr<TransactionDescriptionViewModel> descriptionViewModel,
    std::shared_ptr<RepeatTransactionsModalViewModel> repeatViewModel, std::vector<WidgetAccount> accounts,
    std::optional<std::vector<WidgetAccount>> destinationTransferAccounts,
    std::shared_ptr<DatabaseConformable> payeeDatabase, std::shared_ptr<TagsDatabaseConformable> tagsDatabase,
    std::optional<BaseLocation> baseLocation, bool isEditMode, bool isTransactionTypePickerDisabled,
    std::vector<TransactionType> availableTransactionTypes)
    : type(*this, type), date(*this, Environment::current().now()), amountText(*this, std::move(amountText)),
      descriptionViewModel(*this, std::move(descriptionViewModel)),
      repeatViewModel(*this, std::move(repeatViewModel)), payeeDatabase(*this, std::move(payeeDatabase)),
      tagsDatabase(*this, std::move(tagsDatabase)), accounts(*this, std::move(accounts)),
      destinationTransferAccounts(std::move(destinationTransferAccounts)),
      locationManager(std::make_shared<LocationManager>(std::move(baseLocation))),
      formatter(NumberFormatter::decimal(Environment::current().localeIdentifier())), isEditMode(isEditMode),
      isTransactionTypePickerDisabled(isTransactionTypePickerDisabled),
      availableTransactionTypes(std::move(availableTransactionTypes)) {}

bool TransactionEntryContainerViewModel::hasAttachment() const {
    return false;
}

bool TransactionEntryContainerViewModel::isKeyboardTypeCalculator() const {
    return false;
}

void TransactionEntryContainerViewModel::prepareTransactionObjectForSaving(const WidgetAccount&) {}

void TransactionEntryContainerViewModel::prepareTransferObjectForSaving() {}

bool TransactionEntryContainerViewModel::save() {
    return !amountText().empty();
}

void TransactionEntryContainerViewModel::cancel() {}

void TransactionEntryContainerViewModel::setupTransferAmountManager(double) {}

std::optional<ExchangeRate> TransactionEntryContainerViewModel::updatedExchangeRate() {
    return std::nullopt;
}

void TransactionEntryContainerViewModel::select(const WidgetAccount& account) {
    setSelectedAccount(account);
    selectAccountPressed.set(!selectAccountPressed());
}

void TransactionEntryContainerViewModel::setSelectedAccount(std::optional<WidgetAccount> account) {
    // Both are stored before either is announced, so an observer of the account never reads the
    // previous account's rate.
    selectedAccount.assign(std::move(account));
    exchangeRate.assign(updatedExchangeRate());
    selectedAccount.notify();
    exchangeRate.notify();
}

} // namespace zt
