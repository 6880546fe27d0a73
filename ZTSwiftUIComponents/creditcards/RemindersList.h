#pragma once

#include "ZTSwiftUIComponents/creditcards/AccountRemindersData.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>

namespace zt {

/// The sheet on which the user picks a card's payment-due reminders: every reminder with its
/// trigger date, a check mark on the active ones; tapping a row switches it.
class RemindersList {
public:
    /// onDone closes the sheet.
    RemindersList(std::shared_ptr<AccountRemindersData> data, std::function<void()> onDone);

    ui::View body() const;

private:
    std::shared_ptr<AccountRemindersData> data_;
    std::function<void()> onDone_;
};

} // namespace zt
