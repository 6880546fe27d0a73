#include "TransferAccountListView.h"

#include "ZTSwiftUIComponents/transactions/TransactionEntryErrorManager.h"
#include "ZTSwiftUIComponents/transactions/TransferAccountItemView.h"
#include "platform/StringTable.h"

#include <memory>
#include <utility>

namespace zt {

TransferAccountListView::TransferAccountListView(std::string title, std::vector<WidgetAccount> accounts,
                                                 ui::Binding<std::optional<WidgetAccount>> selection,
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

void choose(const ui::Binding<std::optional<WidgetAccount>>& selection, bool isEditingExistingTransfer,
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
    // The rows' taps share one copy of what they need instead of each holding its own.
    struct Taps {
        ui::Binding<std::optional<WidgetAccount>> selection;
        bool isEditingExistingTransfer;
        std::vector<WidgetAccount> accounts;
    };
    const auto taps = std::make_shared<const Taps>(Taps{selection_, isEditingExistingTransfer_, accounts_});
    const auto selected = selection_.get();
    const OwnCurrencyBalances ownBalances(formatter_.currencyCode());
    std::vector<ui::View> rows;
    rows.reserve(accounts_.size());
    for (std::size_t i = 0; i < accounts_.size(); ++i) {
        const auto& account = accounts_[i];
        const bool isSelected = selected && selected->id == account.id;
        // Moved in: an initialiser list would copy the row.
        std::vector<ui::View> content;
        content.push_back(
            TransferAccountItemView(account, formatter_, isSelected, ownBalances(account)).body());
        rows.push_back(
            ui::button(
                [taps, i] { choose(taps->selection, taps->isEditingExistingTransfer, taps->accounts[i]); },
                std::move(content))
                .id(account.id));
    }
    if (rows.empty())
        rows.push_back(ui::text(L("No accounts")).secondary());
    return ui::section(title_, std::move(rows));
}

} // namespace zt
