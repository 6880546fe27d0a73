#include "Gallery.h"
#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "ZTSwiftUIComponents/host/WidgetAccount.h"
#include "mocks/DemoClock.h"
#include "platform/Calendar.h"
#include "platform/DateFormatter.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

namespace zt::preview {

namespace {

ui::View demoAccountsPage() {
    std::vector<ui::View> rows;
    for (const auto& account : WidgetAccount::demo()) {
        rows.push_back(ui::row({
            ui::label(account.name, account.iconName),
            ui::text(localized(account.type)).secondary(),
            ui::text(account.balanceInAccountCurrencyString().value_or("--")),
        }));
    }
    return ui::navigationTitle(L("Accounts"), {ui::list({ui::section(L("Accounts"), std::move(rows))})});
}

ui::View transactionsPage() {
    const auto formatter = makeAppBasedCurrencyFormatter();
    const auto dates = DateFormatter::withStyles(DateFormatter::Style::medium);
    std::vector<ui::View> rows;
    const auto transactions = ReportTransaction::demo(mocks::demoNow());
    // The newest dozen is enough to see the shape of the data.
    for (std::size_t i = 0; i < transactions.size() && i < 12; ++i) {
        const auto& t = *transactions[i];
        rows.push_back(ui::row({
            ui::label(t.categoryName(), t.categoryImageName()),
            ui::text(dates.string(t.date()).value_or("--")).secondary(),
            ui::text(formatter.stringOrDash(t.isExpense() ? -t.amount() : t.amount()))
                .foregroundColor(t.signColor()),
        }));
    }
    return ui::navigationTitle(L("Transactions"), {ui::list({ui::section({}, std::move(rows))})});
}

ui::View paymentDuePage() {
    const auto calendar = Calendar::current();
    const Date reference = calendar.startOfDay(mocks::demoNow());
    const Date due = *calendar.adding(CalendarComponent::day, 3, reference);
    const auto message =
        paymentDueMessageAttributedString(due, DateFormatter::withTemplate("d MMMM"), reference);
    std::vector<ui::View> runs;
    for (const auto& run : message.runs()) {
        auto t = ui::text(run.text);
        runs.push_back(run.bold ? std::move(t).bold() : std::move(t));
    }
    return ui::section({}, {ui::hstack(std::move(runs))});
}

} // namespace

std::vector<Page> hostPages() {
    return {
        {"accounts", "Demo accounts", [](PageContext&) -> Screen { return demoAccountsPage; }},
        {"transactions", "Demo transactions", [](PageContext&) -> Screen { return transactionsPage; }},
        {"payment-due", "Payment-due message", [](PageContext&) -> Screen { return paymentDuePage; }},
    };
}

} // namespace zt::preview
