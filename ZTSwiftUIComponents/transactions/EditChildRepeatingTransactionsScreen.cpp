#include "EditChildRepeatingTransactionsScreen.h"

#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/DateFormatter.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

namespace {

ReportTransactionList newestFirst(const std::optional<ReportTransactionList>& transactions) {
    return transactions ? sortedByDateDescending(*transactions) : ReportTransactionList{};
}

} // namespace

EditChildRepeatingTransactionsScreen::EditChildRepeatingTransactionsScreen(
    std::shared_ptr<ZTBaseRepeating> repeating)
    : repeating_(std::move(repeating)) {
    auto formatter = repeating_->currencyCode() ? makeCurrencyFormatter(*repeating_->currencyCode())
                                                : makeAppBasedCurrencyFormatter();
    state_ =
        std::make_shared<State>(State{newestFirst(repeating_->transactions()), std::move(formatter), {}});
    state_->subscription = repeating_->transactions.observe(
        [weak = std::weak_ptr<State>(state_)](const std::optional<ReportTransactionList>& transactions) {
            if (const auto state = weak.lock())
                state->transactions = newestFirst(transactions);
        });
}

ui::View EditChildRepeatingTransactionsScreen::body() const {
    const auto dates = DateFormatter::withStyles(DateFormatter::Style::medium);
    std::vector<ui::View> rows;
    for (const auto& t : state_->transactions)
        rows.push_back(
            ui::row({ui::label(t->categoryName(), t->categoryImageName()),
                     ui::text(dates.string(t->date()).value_or("--")).secondary(),
                     ui::text(state_->formatter.stringOrDash(t->amount())).foregroundColor(t->signColor())})
                .id(t->identifier()));
    if (rows.empty())
        return ui::navigationTitle(L("Repeating Transactions"),
                                   {ui::emptyState(L("No transactions"), {}, "repeat")});
    return ui::navigationTitle(L("Repeating Transactions"), {ui::list({ui::section(std::move(rows))})});
}

} // namespace zt
