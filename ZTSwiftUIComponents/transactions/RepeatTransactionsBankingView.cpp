#include "RepeatTransactionsBankingView.h"

#include "platform/DateFormatter.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

RepeatTransactionsBankingView::RepeatTransactionsBankingView(
    std::shared_ptr<RepeatTransactionsModalViewModel> viewModel, NumberFormatter formatter,
    std::function<void()> onDismiss)
    : viewModel_(std::move(viewModel)), formatter_(std::move(formatter)), onDismiss_(std::move(onDismiss)) {}

ui::View RepeatTransactionsBankingView::body() const {
    const auto vm = viewModel_;
    const auto onDismiss = onDismiss_;
    const auto& occurrences = vm->suggestedOccurrences();

    std::vector<ui::PickerOption> intervals;
    for (const auto interval : vm->repeatingIntervals)
        intervals.emplace_back(std::string(rawValue(interval)), localizedString(interval));

    const auto dates = DateFormatter::withTemplate("d MMM yyyy");
    std::vector<ui::View> mainRows;
    for (const auto& t : occurrences)
        mainRows.push_back(ui::row({ui::label(t->categoryName(), t->categoryImageName()),
                                    ui::text(dates.string(t->date()).value_or("--")).secondary(),
                                    ui::text(formatter_.stringOrDash(t->amount()))})
                               .id(t->identifier()));

    std::vector<ui::View> sections{
        ui::section(
            std::string{},
            {ui::toggle(L("Recurring"), vm->isRepeating(), [vm](bool on) { vm->isRepeating.set(on); })
                 .id("isRepeating"),
             ui::picker(L("Frequency"), std::move(intervals), std::string(rawValue(vm->selectedInterval())),
                        [vm](const std::string& id) {
                            if (const auto interval = fromRawValue<RepeatingInterval>(id))
                                vm->selectedInterval.set(*interval);
                        })
                 .id("interval")},
            L("New matching transactions from your connected accounts will automatically link to this main "
              "transaction.")),
        ui::section(L("Main Transaction"), std::move(mainRows)),
    };
    if (!occurrences.empty())
        sections.push_back(ui::section(
            L("Summary"), {ui::row({ui::text(L("Transactions")),
                                    ui::text(format(L("%lld", "Number of matched transactions"),
                                                    static_cast<long long>(occurrences.size())))
                                        .id("count")}),
                           ui::row({ui::text(L("Total")),
                                    ui::text(formatter_.stringOrDash(total(occurrences))).id("total")})}));

    return ui::navigationTitle(L("Repeating", "Title of the repetition sheet of a bank-connected account"),
                               {
                                   ui::toolbarItem("cancel", ui::button(L("Cancel"),
                                                                        [onDismiss] {
                                                                            if (onDismiss)
                                                                                onDismiss();
                                                                        })
                                                                 .role(ui::ButtonRole::cancel)),
                                   ui::toolbarItem("confirm", ui::button(L("Done"),
                                                                         [vm, onDismiss] {
                                                                             vm->applyFirstSuggestion();
                                                                             if (onDismiss)
                                                                                 onDismiss();
                                                                         })),
                                   ui::list(std::move(sections)),
                               });
}

} // namespace zt
