#include "CreditCardLastStatementSection.h"

#include "ZTSwiftUIComponents/host/DateHelpers.h"
#include "ZTSwiftUIComponents/host/Theme.h"
#include "platform/DateFormatter.h"
#include "platform/StringTable.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zt {

namespace {

constexpr int dueDateMonthsAfterClosing = 2;

/// An amount field bound to an optional amount through the formatter: the empty text clears
/// it; a text that neither the formatter nor a plain decimal number of its locale reads leaves
/// it as it was.
ui::View amountField(const std::string& title, Published<std::optional<double>>& amount,
                     const NumberFormatter& formatter, std::shared_ptr<CreditCardLastStatement> owner,
                     std::string id) {
    const std::string text = amount() ? formatter.string(*amount()).value_or("") : "";
    return ui::row({
        ui::text(title),
        ui::spacer(),
        ui::textField(title, text,
                      [&amount, formatter, owner](const std::string& typed) {
                          if (typed.empty()) {
                              amount.set(std::nullopt);
                              return;
                          }
                          auto value = formatter.number(typed);
                          if (!value)
                              value = NumberFormatter::decimal(formatter.localeIdentifier()).number(typed);
                          if (value)
                              amount.set(*value);
                      })
            .id(std::move(id)),
    });
}

} // namespace

CreditCardLastStatementSection::CreditCardLastStatementSection(
    std::shared_ptr<CreditCardLastStatement> statement, Date referenceDate, NumberFormatter numberFormatter)
    : statement_(std::move(statement)), referenceDate_(referenceDate),
      numberFormatter_(std::move(numberFormatter)), state_(std::make_shared<State>()) {}

ui::View CreditCardLastStatementSection::body() const {
    const auto statement = statement_;
    const auto state = state_;
    const Calendar& calendar = statement->calendar();
    const DateFormatter dates = DateFormatter::withStyles(DateFormatter::Style::medium);
    const Date closing = statement->closingDate();

    std::vector<ui::View> rows{
        ui::datePicker(
            L("Opening Date"), statement->openingDate(),
            [statement](Date date) { statement->setOpeningDate(date); }, std::nullopt,
            endOfDay(referenceDate_, calendar))
            .id("openingDate"),
        ui::row({
            ui::text(L("Closing Date")),
            ui::spacer(),
            ui::text(dates.string(closing).value_or("")).secondary().id("closingDate"),
        }),
        ui::datePicker(
            L("Payment Due Date"), statement->paymentDueDate(),
            [statement](Date date) { statement->paymentDueDate.set(date); }, closing,
            calendar.adding(CalendarComponent::month, dueDateMonthsAfterClosing, closing).value_or(closing))
            .id("paymentDueDate"),
        amountField(L("Payment due", "Statement amount to pay"), statement->statementDueAmount,
                    numberFormatter_, statement, "statementDueAmount"),
        amountField(L("Minimum due", "Minimum amount to pay of a statement"), statement->minimumDueAmount,
                    numberFormatter_, statement, "minimumDueAmount"),
    };
    if (!statement->isValidationPassed())
        rows.push_back(ui::text(L("Payment Due must be greater than Minimum Due."))
                           .font(ui::Font::footnote)
                           .foregroundColor(negativeAmountColor)
                           .id("statementValidation"));

    std::vector<ui::View> dueDates;
    for (const Date date : statement->upcomingDueDates(referenceDate_))
        dueDates.push_back(ui::text(dates.string(date).value_or("")));
    rows.push_back(
        ui::button(L("View upcoming due dates"), [state] { state->isUpcomingDueDateVisible = true; }));
    rows.push_back(ui::sheet(L("Upcoming Due Dates"), state->isUpcomingDueDateVisible,
                             [state](bool presented) { state->isUpcomingDueDateVisible = presented; },
                             {ui::list({ui::section(std::move(dueDates))})}));

    return ui::section(L("Last Statement"), std::move(rows),
                       L("You can get these data from your latest card statement from your bank."))
        .id("lastStatementSection");
}

} // namespace zt
