#include "CreditCardLastStatementView.h"

#include "ZTSwiftUIComponents/creditcards/CreditCardStatementPayButtonView.h"
#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/StringTable.h"

#include <utility>

namespace zt {

CreditCardLastStatementView::CreditCardLastStatementView(std::shared_ptr<CreditCardLastStatement> statement,
                                                         NumberFormatter currencyFormatter,
                                                         DateFormatter dateFormatter, Date referenceDate,
                                                         std::function<void()> onPaymentDidPress,
                                                         std::function<void()> onViewTransactionsDidPress)
    : statement_(std::move(statement)), currencyFormatter_(std::move(currencyFormatter)),
      dateFormatter_(std::move(dateFormatter)), referenceDate_(referenceDate),
      onPaymentDidPress_(std::move(onPaymentDidPress)),
      onViewTransactionsDidPress_(std::move(onViewTransactionsDidPress)) {}

ui::View CreditCardLastStatementView::body() const {
    const CreditCardLastStatement& statement = *statement_;
    const double remainingDue = statement.remainingDue();

    // Exactly 0: an overpayment leaves a negative remainder and still shows the prompt.
    ui::View outcome =
        remainingDue == 0
            ? ui::vstack({
                             ui::text(L("Congrats", "Title shown when the last statement is fully paid"))
                                 .font(ui::Font::headline)
                                 .foregroundColor(Theme::shared().accentColor),
                             ui::text(L("You have fully paid your last statement balance")),
                         })
                  .id("paidInFull")
            : CreditCardStatementPayButtonView(referenceDate_, statement.paymentDueDate(), dateFormatter_,
                                               onPaymentDidPress_)
                  .body();

    ui::View cycle = ui::label(formattedString(statement.billingCycle()), "calendar").id("statementCycle");
    if (onViewTransactionsDidPress_)
        cycle = ui::button(onViewTransactionsDidPress_, {std::move(cycle)}).id("statementTransactions");

    return ui::vstack({
        std::move(cycle),
        ui::figure(L("Remaining Due"), currencyFormatter_.stringOrDash(remainingDue), "remainingDue"),
        ui::progressBar(statement.progress()).foregroundColor(Theme::shared().accentColor).id("paidProgress"),
        ui::hstack({
            ui::figure(L("Paid", "Amount paid of a credit card statement"),
                       currencyFormatter_.stringOrDash(statement.paidAmount()), "paidAmount"),
            ui::spacer(),
            ui::figure(L("Total", "Amount due of a credit card statement"),
                       currencyFormatter_.stringOrDash(statement.statementDueAmount().value_or(0)),
                       "totalAmount"),
        }),
        ui::divider(),
        std::move(outcome),
    });
}

} // namespace zt
