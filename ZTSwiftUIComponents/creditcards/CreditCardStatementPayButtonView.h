#pragma once

#include "platform/Date.h"
#include "platform/DateFormatter.h"
#include "platform/ui/View.h"

#include <functional>

namespace zt {

/// The payment prompt of a statement and its "Make a Payment" button. The prompt says that the
/// due date has passed, that payment is due today, or how many days remain until it.
class CreditCardStatementPayButtonView {
public:
    CreditCardStatementPayButtonView(Date referenceDate, Date paymentDueDate, DateFormatter dateFormatter,
                                     std::function<void()> onPaymentDidPress);

    ui::View body() const;

    /// The prompt alone, decided in the environment's calendar. A due instant earlier than
    /// referenceDate counts as past even on the same day.
    ui::View prompt() const;

private:
    Date referenceDate_;
    Date paymentDueDate_;
    DateFormatter dateFormatter_;
    std::function<void()> onPaymentDidPress_;
};

} // namespace zt
