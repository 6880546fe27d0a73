#pragma once

#include "ZTSwiftUIComponents/creditcards/CreditCardLastStatement.h"
#include "platform/AmountInput.h"
#include "platform/Date.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/ScreenState.h"
#include "platform/ui/View.h"

#include <memory>

namespace zt {

/// The last-statement section of the account entry form: opening, closing and due dates, the
/// due amounts, their check, and the sheet of upcoming due dates. Every edit goes straight into
/// the statement; amounts are typed in the environment's locale, and text that is no number stays
/// in its field, shown invalid, while the statement keeps its amount. Copies of a section share
/// its sheet flag and fields.
class CreditCardLastStatementSection {
public:
    /// The latest opening date that can be picked is referenceDate's day; the due date can be
    /// picked from the closing date up to two months after it.
    CreditCardLastStatementSection(std::shared_ptr<CreditCardLastStatement> statement, Date referenceDate,
                                   NumberFormatter numberFormatter);

    ui::View body() const;

    bool isUpcomingDueDateVisible() const { return state_->isUpcomingDueDateVisible; }
    /// A field holds text that is no number: the form must not save.
    bool hasInvalidAmount() const;

private:
    struct State {
        bool isUpcomingDueDateVisible = false;
        AmountField statementDueAmount;
        AmountField minimumDueAmount;
    };
    std::shared_ptr<CreditCardLastStatement> statement_;
    Date referenceDate_;
    NumberFormatter numberFormatter_;
    ui::ScreenState<State> state_;
};

} // namespace zt
