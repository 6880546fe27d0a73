#include "MarkAsTransferScreen.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/DateFormatter.h"
#include "platform/StringTable.h"
#include "platform/ui/Menu.h"

#include <utility>

namespace zt {

MarkAsTransferScreen::MarkAsTransferScreen(
    std::shared_ptr<const ReportTransaction> transaction, ReportTransactionList items,
    std::function<void(const std::shared_ptr<ReportTransaction>&)> onDidSelectCounterpart)
    : appCurrencyCode_(appCurrencyCode()), transaction_(std::move(transaction)),
      formatter_(makeAppBasedCurrencyFormatter()), onDidSelectCounterpart_(std::move(onDidSelectCounterpart)),
      state_(State{std::move(items), std::nullopt}) {}

ui::View MarkAsTransferScreen::body() const {
    const auto& s = *state_;
    const auto dates = DateFormatter::withStyles(DateFormatter::Style::medium);
    std::vector<ui::View> rows;
    for (const auto& item : s.items) {
        const auto& payee = item->payee();
        const auto title = payee && !payee->empty() ? *payee : item->categoryName();
        rows.push_back(
            ui::button(
                state_.setter(&State::selectedId, std::optional(item->identifier())),
                {ui::selectionMark(s.selectedId == item->identifier()),
                 ui::vstack({ui::text(title), ui::text(dates.string(item->date()).value_or(std::string{}) +
                                                       " · " + item->accountName())
                                                  .font(ui::Font::caption)
                                                  .secondary()}),
                 ui::spacer(),
                 ui::text(formatter_.stringOrDash(item->isExpense() ? -item->amount() : item->amount()))
                     .foregroundColor(item->signColor())})
                .id("candidate-" + item->identifier()));
    }
    const auto confirm = state_.action([onSelect = onDidSelectCounterpart_, dismiss = dismiss](State& st) {
        for (const auto& item : st.items)
            if (st.selectedId == item->identifier()) {
                if (onSelect)
                    onSelect(item);
                if (dismiss)
                    dismiss();
                return;
            }
    });
    return ui::navigationTitle(
        L("Mark as Transfer"),
        {
            ui::text(L("Select a counterpart transaction to mark as a transfer.")).secondary(),
            ui::list({ui::section(std::move(rows)).id("candidates")}),
            ui::toolbarItem("markAsTransfer",
                            ui::button(L("Mark as Transfer"), confirm).disabled(!s.selectedId.has_value())),
        });
}

} // namespace zt
