#include "CreditCardRemindersSection.h"

#include "ZTSwiftUIComponents/creditcards/RemindersList.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

CreditCardRemindersSection::CreditCardRemindersSection(std::shared_ptr<AccountRemindersData> reminderData)
    : data_(std::move(reminderData)), state_(std::make_shared<State>()) {}

ui::View CreditCardRemindersSection::body() const {
    const auto data = data_;
    const auto state = state_;
    const auto toggleList = [state] { state->isReminderListVisible = !state->isReminderListVisible; };
    return ui::section(
               {
                   ui::button([data, toggleList] { data->reminderRowDidPress(toggleList); },
                              {ui::row({
                                  ui::text(L("Reminders")),
                                  ui::spacer(),
                                  ui::text(data->remindersSummary()).secondary().id("remindersSummary"),
                              })})
                       .id("remindersRow"),
                   ui::sheet(L("Remind Me"), state->isReminderListVisible,
                             [state](bool presented) { state->isReminderListVisible = presented; },
                             {RemindersList(data, [state] { state->isReminderListVisible = false; }).body()}),
               })
        .id("remindersSection");
}

} // namespace zt
