#include "TransferSourceView.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/transactions/IncomeOrExpenseView.h"
#include "ZTSwiftUIComponents/transactions/TransferAccountListView.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

bool isMulticurrencyTransfer(const std::optional<WidgetAccount>& source,
                             const std::optional<WidgetAccount>& destination) {
    return source && destination && !sameCurrencyCode(source->currencyCode, destination->currencyCode);
}

TransferSourceView::TransferSourceView(std::shared_ptr<TransactionEntryContainerViewModel> viewModel,
                                       std::function<void(TransactionEntryField)> onFocus)
    : viewModel_(std::move(viewModel)), onFocus_(std::move(onFocus)) {}

std::vector<WidgetAccount> TransferSourceView::destinationAccounts() const {
    if (viewModel_->destinationTransferAccounts)
        return *viewModel_->destinationTransferAccounts;
    std::vector<WidgetAccount> out;
    const auto& source = viewModel_->selectedAccount();
    for (const auto& account : viewModel_->accounts())
        if (!source || account.id != source->id)
            out.push_back(account);
    return out;
}

ui::View TransferSourceView::body() const {
    const auto vm = viewModel_;
    const auto& locale = vm->formatter.localeIdentifier();
    const auto& listFormatter = sharedCurrencyFormatter();
    const bool isEditing = vm->isEditMode;

    // Built by moving: an initialiser list would copy both account lists.
    std::vector<ui::View> views;
    views.push_back(
        ui::section({amountField(ui::bind(vm, &TransactionEntryContainerViewModel::amountText),
                                 TransactionEntryField::transferSource, onFocus_, locale, "amount")}));
    views.push_back(TransferAccountListView(
                        L("Source Account", "Header of a transfer's source accounts"), vm->accounts(),
                        ui::Binding<std::optional<WidgetAccount>>{
                            [vm] { return vm->selectedAccount(); },
                            [vm](std::optional<WidgetAccount> a) { vm->setSelectedAccount(std::move(a)); }},
                        listFormatter, isEditing)
                        .body()
                        .id("sourceAccounts"));
    views.push_back(
        TransferAccountListView(L("Destination Account", "Header of a transfer's destination accounts"),
                                destinationAccounts(),
                                ui::bind(vm, &TransactionEntryContainerViewModel::selectedReceiverAccount),
                                listFormatter, isEditing)
            .body()
            .id("destinationAccounts"));
    if (isMulticurrencyTransfer(vm->selectedAccount(), vm->selectedReceiverAccount())) {
        std::vector<ui::View> received{
            amountField(ui::bind(vm, &TransactionEntryContainerViewModel::amountReceiverText),
                        TransactionEntryField::transferDestination, onFocus_, locale, "receivedAmount")};
        if (const auto& rate = vm->destinationExchangeRateFormatted())
            received.push_back(
                ui::text(*rate).font(ui::Font::caption).secondary().id("destinationExchangeRate"));
        views.push_back(ui::section(L("Received", "Header of the amount a transfer's destination receives"),
                                    std::move(received)));
    }
    return ui::group(std::move(views));
}

} // namespace zt
