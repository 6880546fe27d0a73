#include "ParentRepeatingSectionView.h"

#include "ZTSwiftUIComponents/transactions/RepeatTransactionsModalViewModel.h"
#include "platform/DateFormatter.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

std::vector<ui::View> repeatingScheduleRows(const ZTBaseRepeating& repeating) {
    const auto dates = DateFormatter::withStyles(DateFormatter::Style::medium);
    const auto& end = repeating.endDate();
    const bool forever = !end || *end == RepeatTransactionsModalViewModel::foreverDate;
    return {
        ui::row({ui::text(L("Interval", "Picker of how often a transaction repeats")),
                 ui::text(localizedString(repeating.interval())).secondary().id("interval")}),
        ui::row({ui::text(L("From")),
                 ui::text(dates.string(repeating.startDate()).value_or("--")).secondary().id("from")}),
        ui::row({ui::text(L("Until")), ui::text(forever ? L("Forever", "End of a repetition: it never ends")
                                                        : dates.string(*end).value_or("--"))
                                           .secondary()
                                           .id("until")}),
    };
}

ParentRepeatingSectionView::ParentRepeatingSectionView(
    std::shared_ptr<const TransactionConformable> transaction, std::shared_ptr<ZTBaseRepeating> repeating,
    NumberFormatter formatter, std::function<void(const std::string&)> onTransactionDidTap)
    : transaction_(std::move(transaction)), repeating_(std::move(repeating)),
      formatter_(std::move(formatter)), onTransactionDidTap_(std::move(onTransactionDidTap)) {}

ui::View ParentRepeatingSectionView::body() const {
    std::vector<ui::View> sections{ui::section(L("Repeating Details"), repeatingScheduleRows(*repeating_))};
    if (transaction_) {
        const auto dates = DateFormatter::withStyles(DateFormatter::Style::medium);
        const std::string id = transaction_->identifier();
        const auto onTap = onTransactionDidTap_;
        sections.push_back(
            ui::section(L("Main Transaction"),
                        {ui::button(
                             [onTap, id] {
                                 if (onTap)
                                     onTap(id);
                             },
                             {ui::label(transaction_->categoryName(), transaction_->categoryImageName()),
                              ui::text(dates.string(transaction_->date()).value_or("--")).secondary(),
                              ui::text(formatter_.stringOrDash(transaction_->amount()))
                                  .foregroundColor(transaction_->signColor())})
                             .id(id)}));
    }
    return ui::group(std::move(sections));
}

} // namespace zt
