#pragma once

#include "ZTSwiftUIComponents/creditcards/CreditCardLastStatement.h"
#include "platform/Date.h"
#include "platform/DateFormatter.h"
#include "platform/NumberFormatter.h"
#include "platform/ui/View.h"

#include <functional>
#include <memory>

namespace zt {

/// One statement on the details screen: its cycle, what remains due with the share paid, paid
/// and total amounts, then either congratulations (nothing remains) or the payment prompt. Given a
/// transactions action, the cycle opens the statement's transactions.
class CreditCardLastStatementView {
public:
    CreditCardLastStatementView(std::shared_ptr<CreditCardLastStatement> statement,
                                NumberFormatter currencyFormatter, DateFormatter dateFormatter,
                                Date referenceDate, std::function<void()> onPaymentDidPress,
                                std::function<void()> onViewTransactionsDidPress = {});

    ui::View body() const;

private:
    std::shared_ptr<CreditCardLastStatement> statement_;
    NumberFormatter currencyFormatter_;
    DateFormatter dateFormatter_;
    Date referenceDate_;
    std::function<void()> onPaymentDidPress_;
    std::function<void()> onViewTransactionsDidPress_;
};

} // namespace zt
