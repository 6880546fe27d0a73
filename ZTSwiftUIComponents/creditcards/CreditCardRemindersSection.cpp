#include "CreditCardRemindersSection.h"

#include "ZTSwiftUIComponents/creditcards/RemindersList.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

CreditCardRemindersSection::CreditCardRemindersSection(std::shared_ptr<AccountRemindersData> reminderData)
    : data_(std::move(reminderData)) {}

ui::View CreditCardRemindersSection::body() const {
    const auto data = data_;
    const std::function<void()> toggleList =
        state_.action([](State& s) { s.isReminderListVisible = !s.isReminderListVisible; });
    return ui::section(
               {
                   ui::button([data, toggleList] { data->reminderRowDidPress(toggleList); },
                              {ui::row({
                                  ui::text(L("Reminders")),
                                  ui::spacer(),
                                  ui::text(data->remindersSummary()).secondary().id("remindersSummary"),
                              })})
                       .id("remindersRow"),
                   ui::sheet(
                       L("Remind Me"), state_->isReminderListVisible,
                       state_.binding(&State::isReminderListVisible),
                       {RemindersList(data, state_.setter(&State::isReminderListVisible, false)).body()}),
               })
        .id("remindersSection");
}

} // namespace zt
