#include "CreditCardDetailsView.h"

#include "ZTSwiftUIComponents/creditcards/CreditCardLastStatementView.h"
#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/LocaleNames.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace zt {

namespace {

using Statements = std::vector<std::shared_ptr<CreditCardLastStatement>>;

/// Latest due date first; a copy, the statements themselves stay shared.
Statements latestDueFirst(Statements statements) {
    std::stable_sort(statements.begin(), statements.end(),
                     [](const auto& a, const auto& b) { return a->paymentDueDate() > b->paymentDueDate(); });
    return statements;
}

} // namespace

CreditCardDetailsView::CreditCardDetailsView(std::shared_ptr<CreditCardDetailsProviding> details,
                                             std::string currencyCode, Date referenceDate,
                                             std::function<void()> onPaymentDidPress,
                                             ViewTransactionsAction onViewTransactionsDidPress,
                                             TransactionCounter numberOfTransactions)
    : details_(std::move(details)), currencyCode_(std::move(currencyCode)), referenceDate_(referenceDate),
      onPaymentDidPress_(std::move(onPaymentDidPress)),
      onViewTransactionsDidPress_(std::move(onViewTransactionsDidPress)),
      numberOfTransactions_(std::move(numberOfTransactions)) {}

DateInterval CreditCardDetailsView::currentCycle() const {
    const auto statements = latestDueFirst(details_->statements());
    if (!statements.empty())
        return statements.front()->billingCycle();
    const Calendar calendar = Calendar::current();
    return DateInterval{calendar.startOfMonth(referenceDate_), calendar.endOfMonth(referenceDate_)};
}

ui::View CreditCardDetailsView::body() const {
    const auto statements = latestDueFirst(details_->statements());
    const DateInterval cycle = currentCycle();
    const NumberFormatter currency = makeCurrencyFormatter(currencyCode_);
    const DateFormatter dates = DateFormatter::withStyles(DateFormatter::Style::medium);

    const auto viewTransactions = [action = onViewTransactionsDidPress_](std::optional<DateInterval> interval,
                                                                         bool purchases, bool payments) {
        return [action, interval, purchases, payments] {
            if (action)
                action(interval, purchases, payments);
        };
    };

    // The cycle before the current one and what was spent in it.
    std::vector<ui::View> current;
    if (statements.size() > 1) {
        const auto& previous = *statements[1];
        current.push_back(ui::row({
            ui::text(L("Last billing cycle")),
            ui::spacer(),
            ui::text(formattedString(previous.billingCycle())).secondary().id("lastBillingCycle"),
        }));
        current.push_back(
            ui::button(viewTransactions(previous.billingCycle(), true, false),
                       {ui::row({
                           ui::text(L("Expenses", "Spending of the previous billing cycle")),
                           ui::spacer(),
                           ui::text(currency.stringOrDash(previous.statementDueAmount().value_or(0)))
                               .id("lastCycleExpenses"),
                       })})
                .id("lastCycleTransactions"));
    }

    // Every statement opens its own cycle's purchases.
    std::vector<ui::View> statementViews;
    for (const auto& statement : statements)
        statementViews.push_back(
            CreditCardLastStatementView(statement, currency, dates, referenceDate_, onPaymentDidPress_,
                                        onViewTransactionsDidPress_
                                            ? viewTransactions(statement->billingCycle(), true, false)
                                            : std::function<void()>{})
                .body());

    // Without a counter the screen cannot know the cycle is empty, so it does not say so.
    std::vector<ui::View> transactions;
    if (numberOfTransactions_ && numberOfTransactions_(cycle) == 0)
        transactions.push_back(ui::text(L("No transactions for this billing cycle")).secondary());
    transactions.push_back(
        ui::button(L("View purchases"), "minus.square", viewTransactions(std::nullopt, true, false)));
    transactions.push_back(
        ui::button(L("View payments"), "plus.square", viewTransactions(std::nullopt, false, true)));
    transactions.push_back(
        ui::button(L("View all transactions"), "equal.square", viewTransactions(std::nullopt, true, true)));

    return ui::list({
                        ui::section(L("Current", "Label of the current billing cycle; a date range follows") +
                                        ": " + formattedString(cycle),
                                    std::move(current))
                            .id("currentCycle"),
                        ui::section(LocaleNames::capitalized(L("Billing Cycles")), std::move(statementViews))
                            .id("billingCycles"),
                        ui::section(std::move(transactions)).id("transactions"),
                    })
        .navigationTitle(L("Details", "Title of the credit card details screen"));
}

} // namespace zt
