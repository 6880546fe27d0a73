#include "CreditCardLastStatementSection.h"

#include "ZTSwiftUIComponents/creditcards/CreditCardBalanceSection.h"
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

} // namespace

CreditCardLastStatementSection::CreditCardLastStatementSection(
    std::shared_ptr<CreditCardLastStatement> statement, Date referenceDate, NumberFormatter numberFormatter)
    : statement_(std::move(statement)), referenceDate_(referenceDate),
      numberFormatter_(std::move(numberFormatter)) {}

bool CreditCardLastStatementSection::hasInvalidAmount() const {
    return state_->statementDueAmount.isInvalid() || state_->minimumDueAmount.isInvalid();
}

ui::View CreditCardLastStatementSection::body() const {
    const auto statement = statement_;
    State& state = *state_;
    state.statementDueAmount.follow(statement->statementDueAmount());
    state.minimumDueAmount.follow(statement->minimumDueAmount());
    const auto amountRow = [&](std::string title, std::string id, AmountField State::*field,
                               Published<std::optional<double>>& amount) {
        const AmountBinding binding = AmountBinding::to(statement, amount);
        return boundAmountRow(title, std::move(id), state.*field, numberFormatter_,
                              state_.action([binding, field](State& s, const std::string& text) {
                                  (s.*field).setText(text);
                                  binding.take(s.*field);
                              }));
    };
    const Calendar& calendar = statement->calendar();
    const DateFormatter dates = DateFormatter::withStyles(DateFormatter::Style::medium);
    const Date closing = statement->closingDate();

    std::vector<ui::View> rows{
        ui::datePicker(
            L("Opening Date"), statement->openingDate(),
            [statement](Date date) { statement->setOpeningDate(date); }, std::nullopt,
            calendar.endOfDay(referenceDate_))
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
        amountRow(L("Payment due", "Statement amount to pay"), "statementDueAmount",
                  &State::statementDueAmount, statement->statementDueAmount),
        amountRow(L("Minimum due", "Minimum amount to pay of a statement"), "minimumDueAmount",
                  &State::minimumDueAmount, statement->minimumDueAmount),
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
        ui::button(L("View upcoming due dates"), state_.setter(&State::isUpcomingDueDateVisible, true)));
    rows.push_back(ui::sheet(L("Upcoming Due Dates"), state.isUpcomingDueDateVisible,
                             state_.binding(&State::isUpcomingDueDateVisible),
                             {ui::list({ui::section(std::move(dueDates))})}));

    return ui::section(L("Last Statement"), std::move(rows),
                       L("You can get these data from your latest card statement from your bank."))
        .id("lastStatementSection");
}

} // namespace zt
