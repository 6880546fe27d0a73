#pragma once

#include "ZTSwiftUIComponents/creditcards/AccountRemindersData.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <memory>

namespace zt {

/// The reminders row of the account entry form with the summary of the chosen reminders, and
/// the reminder list sheet it opens once notifications are allowed. Copies share the sheet flag.
class CreditCardRemindersSection {
public:
    explicit CreditCardRemindersSection(std::shared_ptr<AccountRemindersData> reminderData);

    ui::View body() const;

    bool isReminderListVisible() const { return state_->isReminderListVisible; }

private:
    struct State {
        bool isReminderListVisible = false;
    };
    std::shared_ptr<AccountRemindersData> data_;
    ui::ScreenState<State> state_;
};

} // namespace zt
