#include "TransferAccountListView.h"

#include "ZTSwiftUIComponents/transactions/TransactionEntryErrorManager.h"
#include "ZTSwiftUIComponents/transactions/TransferAccountItemView.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

TransferAccountListView::TransferAccountListView(std::string title, std::vector<WidgetAccount> accounts,
                                                 Binding<std::optional<WidgetAccount>> selection,
                                                 NumberFormatter formatter, bool isEditingExistingTransfer)
    : title_(std::move(title)), accounts_(std::move(accounts)), selection_(std::move(selection)),
      formatter_(std::move(formatter)), isEditingExistingTransfer_(isEditingExistingTransfer) {}

AlertItem TransferAccountListView::notAllowedAlert() {
    AlertItem alert;
    alert.title = L("Not allowed");
    alert.message = L("Cannot change accounts while editing a transfer");
    alert.systemImageName = "xmark.circle.fill";
    alert.color = negativeAmountColor;
    alert.duration = 3;
    return alert;
}

namespace {

void choose(const Binding<std::optional<WidgetAccount>>& selection, bool isEditingExistingTransfer,
            const WidgetAccount& account) {
    if (isEditingExistingTransfer) {
        TransactionEntryErrorManager::shared().alert.set(TransferAccountListView::notAllowedAlert());
        return;
    }
    selection.set(account);
}

} // namespace

void TransferAccountListView::tap(const WidgetAccount& account) const {
    choose(selection_, isEditingExistingTransfer_, account);
}

ui::View TransferAccountListView::body() const {
    const auto selected = selection_.get();
    std::vector<ui::View> rows;
    rows.reserve(accounts_.size());
    for (const auto& account : accounts_) {
        const bool isSelected = selected && selected->id == account.id;
        rows.push_back(ui::button([selection = selection_, editing = isEditingExistingTransfer_,
                                   account] { choose(selection, editing, account); },
                                  {TransferAccountItemView(account, formatter_, isSelected).body()})
                           .id(account.id));
    }
    if (rows.empty())
        rows.push_back(ui::text(L("No accounts")).secondary());
    return ui::section(title_, std::move(rows));
}

} // namespace zt
