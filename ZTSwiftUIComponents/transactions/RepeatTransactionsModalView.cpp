#include "RepeatTransactionsModalView.h"

#include "platform/Calendar.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

RepeatTransactionsModalView::RepeatTransactionsModalView(
    std::shared_ptr<RepeatTransactionsModalViewModel> viewModel, std::function<void()> onDismiss)
    : viewModel_(std::move(viewModel)), onDismiss_(std::move(onDismiss)) {}

ui::View RepeatTransactionsModalView::body() const {
    const auto vm = viewModel_;

    std::vector<ui::PickerOption> intervals;
    for (const auto interval : vm->repeatingIntervals)
        intervals.emplace_back(std::string(rawValue(interval)), localizedString(interval));

    std::vector<ui::View> until;
    if (vm->isForever()) {
        until.push_back(ui::text(L("Forever", "End of a repetition: it never ends")).id("forever"));
        until.push_back(ui::button(L("Until", "Button that gives a repetition an end date"), [vm] {
                            const auto inOneMonth = Calendar::current().adding(CalendarComponent::month, 1,
                                                                               Environment::current().now());
                            if (inOneMonth)
                                vm->repeatingUntilDate.set(*inOneMonth);
                        }).id("setUntil"));
    } else {
        until.push_back(ui::datePicker(
                            L("Until"), vm->repeatingUntilDate(),
                            [vm](Date date) { vm->repeatingUntilDate.set(date); }, std::nullopt, std::nullopt,
                            ui::DatePickerComponents::dateAndTime)
                            .id("until"));
        until.push_back(ui::button(L("Remove date", "Button that makes a repetition endless"), [vm] {
                            vm->repeatingUntilDate.set(RepeatTransactionsModalViewModel::foreverDate);
                        }).id("removeUntil"));
    }

    std::vector<ui::View> reminders{ui::toggle(L("Reminders"), vm->hasReminders(), [vm](bool on) {
                                        vm->hasReminders.set(on);
                                    }).id("hasReminders")};
    if (vm->hasReminders())
        for (const auto reminder : vm->reminders) {
            const bool chosen = vm->selectedReminders().contains(reminder);
            reminders.push_back(
                ui::button(title(reminder), chosen ? "checkmark.circle.fill" : "circle", [vm, reminder] {
                    vm->toggle(reminder);
                }).id(std::string("reminder-") + std::string(rawValue(reminder))));
        }

    const auto onDismiss = onDismiss_;
    return ui::navigationTitle(
        L("Repeating Details"),
        {
            ui::toolbarItem("done", ui::button(L("Done"),
                                               [onDismiss] {
                                                   if (onDismiss)
                                                       onDismiss();
                                               })),
            ui::list({
                ui::section({
                    ui::toggle(L("Repeat", "Switch that makes a transaction repeating"), vm->isRepeating(),
                               [vm](bool on) { vm->isRepeating.set(on); })
                        .id("isRepeating"),
                    ui::picker(L("Interval", "Picker of how often a transaction repeats"),
                               std::move(intervals), std::string(rawValue(vm->selectedInterval())),
                               [vm](const std::string& id) {
                                   if (const auto interval = fromRawValue<RepeatingInterval>(id))
                                       vm->selectedInterval.set(*interval);
                               })
                        .id("interval"),
                }),
                ui::section(L("From"), {ui::datePicker(
                                            L("From"), vm->repeatingFromDate(),
                                            [vm](Date date) { vm->repeatingFromDate.set(date); },
                                            std::nullopt, std::nullopt, ui::DatePickerComponents::dateAndTime)
                                            .disabled(vm->isStartDateDisabled)
                                            .id("from")}),
                ui::section(L("Until"), std::move(until)),
                ui::section(L("Reminders"), std::move(reminders)),
            }),
        });
}

} // namespace zt
