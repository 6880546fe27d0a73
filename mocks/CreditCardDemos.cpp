#include "CreditCardDemos.h"

#include "ZTSwiftUIComponents/creditcards/DateUtilities.h"
#include "ZTSwiftUIComponents/host/CurrencyFormatting.h"
#include "platform/Calendar.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/StringTable.h"

#include <array>
#include <utility>
#include <vector>

namespace zt {

namespace {

constexpr double demoBalance = -842.17;

/// The opening day of the last statement before referenceDate's month on the 28th.
Date lastOpening(Date referenceDate, const Calendar& calendar) {
    const Date monthStart = calendar.startOfMonth(referenceDate);
    const Date twoMonthsBack = calendar.adding(CalendarComponent::month, -2, monthStart).value_or(monthStart);
    const auto parts = calendar.components(twoMonthsBack);
    return calendar.date(parts.year.value_or(2025), parts.month.value_or(1), 28).value_or(twoMonthsBack);
}

std::vector<std::shared_ptr<CreditCardLastStatement>> demoStatements(Date referenceDate) {
    const auto calendar = std::make_shared<const Calendar>(Calendar::current());
    const Date opening = lastOpening(referenceDate, *calendar);
    const DateInterval known{opening, closingDate(opening, *calendar)};
    const Date due = paymentDueDate(known, 20, *calendar).value_or(known.end);
    const Date reach = calendar->adding(CalendarComponent::month, -3, opening).value_or(opening);
    auto statements = CreditCardLastStatement::generateBillingCycles(known, due, reach, calendar);
    // Newest first: partly paid, then three paid in full.
    const std::array<std::pair<double, double>, 4> amounts{{
        {842.17, 200.0},
        {615.40, 615.40},
        {390.00, 390.00},
        {1210.55, 1210.55},
    }};
    for (std::size_t i = 0; i < statements.size() && i < amounts.size(); ++i) {
        statements[i]->statementDueAmount.set(amounts[i].first);
        statements[i]->minimumDueAmount.set(25.0);
        statements[i]->paidAmount.set(amounts[i].second);
    }
    return statements;
}

std::shared_ptr<CreditCardEntryProvider> demoEntry(Date referenceDate,
                                                   std::shared_ptr<NotificationCenter> center) {
    auto statement = CreditCardDemo::lastStatement(referenceDate);
    auto reminders = AccountRemindersData::create(
        ReminderToggle::reminders(statement->paymentDueDate(), CreditCardDemo::reminderTypes()), std::nullopt,
        std::move(center));
    return std::make_shared<CreditCardEntryProvider>(CreditCardDemo::limit, std::move(statement),
                                                     std::move(reminders));
}

} // namespace

std::shared_ptr<CreditCardLastStatement> CreditCardDemo::lastStatement(Date referenceDate) {
    const Calendar calendar = Calendar::current();
    const Date opening = lastOpening(referenceDate, calendar);
    const DateInterval known{opening, closingDate(opening, calendar)};
    const Date due = paymentDueDate(known, 20, calendar).value_or(known.end);
    auto statement = std::make_shared<CreditCardLastStatement>(known.start, known.end, due, calendar);
    statement->statementDueAmount.set(842.17);
    statement->minimumDueAmount.set(25.0);
    return statement;
}

std::vector<ReminderToggleType> CreditCardDemo::reminderTypes() {
    return {ReminderToggleType::sameDay, ReminderToggleType::threeDaysBefore};
}

CreditCardDemo::CreditCardDemo(Date referenceDate, std::shared_ptr<NotificationCenter> notificationCenter)
    : referenceDate_(referenceDate),
      details_(std::make_shared<CreditCardDetailsProvider>("Travel Rewards Card", "creditcard.fill",
                                                           Color{0.35, 0.34, 0.84}, limit,
                                                           demoStatements(referenceDate))),
      entry_(demoEntry(referenceDate, std::move(notificationCenter))),
      accountBalance_(std::make_shared<Published<std::optional<double>>>(-demoBalance)),
      detailsView_(
          details_, currencyCode, referenceDate, [] { console("Make a payment"); },
          [](std::optional<DateInterval> interval, bool purchases, bool payments) {
              console(std::string("View transactions") + (interval ? " of a statement" : "") +
                      (purchases ? ", purchases" : "") + (payments ? ", payments" : ""));
          }),
      cardView_(details_->name(), demoBalance, details_->limit()(), makeCurrencyFormatter(currencyCode),
                details_->iconName(), details_->accountColor()),
      balanceSection_(
          AmountBinding::to(accountBalance_, *accountBalance_), AmountBinding::to(entry_, entry_->limit()),
          makeCurrencyFormatter(currencyCode), Environment::current().localeIdentifier(),
          [entry = entry_, balance = accountBalance_] { return entry->isValidationPassed((*balance)()); }),
      statementSection_(entry_->lastStatement()(), referenceDate, makeCurrencyFormatter(currencyCode)),
      remindersSection_(entry_->reminderData()()) {}

ui::View CreditCardDemo::detailsScreen() const {
    return ui::group({cardView_.body(), detailsView_.body()});
}

bool CreditCardDemo::canSave() const {
    return !balanceSection_.hasInvalidAmount() && !statementSection_.hasInvalidAmount();
}

ui::View CreditCardDemo::entrySections() const {
    return ui::group({
        ui::list({balanceSection_.body(), statementSection_.body(), remindersSection_.body()}),
        ui::toolbarItem("save", ui::button(L("Save"), [] { console("Saved"); }).disabled(!canSave())),
    });
}

ui::View CreditCardDemo::body() const {
    return ui::group({detailsScreen(), entrySections()});
}

} // namespace zt
