#pragma once

#include "ZTSwiftUIComponents/creditcards/CreditCardBalanceSection.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardDetailCardView.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardDetailsProvider.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardDetailsView.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardEntryProvider.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardLastStatementSection.h"
#include "ZTSwiftUIComponents/creditcards/CreditCardRemindersSection.h"
#include "mocks/DemoClock.h"
#include "platform/NotificationCenter.h"
#include "platform/ui/View.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

/// The credit-card screens on demo data, for the preview and the demo mode: a card's summary
/// and details screen with four statements, and the card sections of the account entry form.
/// The screens keep their sheet flags between calls of body(), so a preview can press, then
/// draw again. The reminder status arrives through the main queue, like the platform's.
class CreditCardDemo {
public:
    /// The demo as of referenceDate; the card bills from the 28th and is due on the 20th.
    explicit CreditCardDemo(
        Date referenceDate = mocks::demoNow(),
        std::shared_ptr<NotificationCenter> notificationCenter = NotificationCenter::current());

    static constexpr const char* currencyCode = "USD";
    static constexpr double limit = 5000;
    /// The last statement as of referenceDate: the cycle opening on the 28th of the month before
    /// last, due on the 20th, 842.17 to pay, at least 25.
    static std::shared_ptr<CreditCardLastStatement> lastStatement(Date referenceDate);
    /// The reminders the demo user chose: on the day and three days before.
    static std::vector<ReminderToggleType> reminderTypes();

    std::shared_ptr<CreditCardDetailsProvider> details() const { return details_; }
    std::shared_ptr<CreditCardEntryProvider> entry() const { return entry_; }
    /// The balance of the account being edited (the entry form's own field).
    std::shared_ptr<Published<std::optional<double>>> accountBalance() const { return accountBalance_; }

    /// The summary card above the details screen.
    ui::View detailsScreen() const;
    /// Balance and limit, last statement and reminders, with a save action that stays disabled
    /// while an amount field holds text that is no number.
    ui::View entrySections() const;
    bool canSave() const;
    /// Both, one after the other.
    ui::View body() const;

private:
    Date referenceDate_;
    std::shared_ptr<CreditCardDetailsProvider> details_;
    std::shared_ptr<CreditCardEntryProvider> entry_;
    std::shared_ptr<Published<std::optional<double>>> accountBalance_;
    CreditCardDetailsView detailsView_;
    CreditCardDetailCardView cardView_;
    CreditCardBalanceSection balanceSection_;
    CreditCardLastStatementSection statementSection_;
    CreditCardRemindersSection remindersSection_;
};

} // namespace zt
