#include "TransactionRepeatingSectionView.h"

#include "ZTSwiftUIComponents/transactions/ParentRepeatingSectionView.h"
#include "platform/DateFormatter.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

TransactionRepeatingSectionView::TransactionRepeatingSectionView(
    std::shared_ptr<ZTBaseRepeating> repeating, NumberFormatter formatter, std::string repeatingHeader,
    std::string allRepeatingLabel, std::function<void()> onViewTransactionsDidTap)
    : repeating_(std::move(repeating)), formatter_(std::move(formatter)),
      repeatingHeader_(std::move(repeatingHeader)), allRepeatingLabel_(std::move(allRepeatingLabel)),
      onViewTransactionsDidTap_(std::move(onViewTransactionsDidTap)) {}

ui::View TransactionRepeatingSectionView::body() const {
    auto rows = repeatingScheduleRows(*repeating_);
    const auto dates = DateFormatter::withStyles(DateFormatter::Style::medium);
    if (const auto& transactions = repeating_->transactions())
        for (const auto& t : sortedByDateDescending(*transactions))
            rows.push_back(
                ui::row({ui::text(dates.string(t->date()).value_or("--")),
                         ui::text(formatter_.stringOrDash(t->amount())).foregroundColor(t->signColor())})
                    .id(t->identifier()));
    rows.push_back(
        ui::row({ui::text(L("Total")).bold(),
                 ui::text(formatter_.stringOrDash(repeating_->totalAmount())).bold().id("total")}));
    const auto onTap = onViewTransactionsDidTap_;
    rows.push_back(ui::button(allRepeatingLabel_, "chevron.right", [onTap] {
                       if (onTap)
                           onTap();
                   }).id("allRepeating"));
    return ui::section(repeatingHeader_, std::move(rows));
}

} // namespace zt
