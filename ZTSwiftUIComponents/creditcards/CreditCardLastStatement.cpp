#include "CreditCardLastStatement.h"

#include "CurrentBillingCycleFinder.h"
#include "DateUtilities.h"
#include "platform/Environment.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

namespace zt {

namespace {

std::shared_ptr<const Calendar> calendarOrCurrent(std::shared_ptr<const Calendar> calendar) {
    return calendar ? std::move(calendar) : std::make_shared<const Calendar>(Calendar::current());
}

/// Whole calendar days from from's day to to's day, from the two dates' fields: the same count
/// as the calendar's day difference between the two day starts, at a fraction of its cost.
std::optional<int> daysBetween(Date from, Date to, const Calendar& calendar) {
    const auto dayNumber = [&](Date date) -> std::optional<std::chrono::sys_days> {
        const DateComponents c = calendar.components(date);
        if (!c.era || !c.year || !c.month || !c.day)
            return std::nullopt;
        const int year = *c.era == 0 ? 1 - *c.year : *c.year; // era 0 counts years before 1 AD
        return std::chrono::sys_days{std::chrono::year{year} /
                                     std::chrono::month(static_cast<unsigned>(*c.month)) /
                                     std::chrono::day(static_cast<unsigned>(*c.day))};
    };
    const auto a = dayNumber(from);
    const auto b = dayNumber(to);
    if (!a || !b)
        return std::nullopt;
    return static_cast<int>((*b - *a).count());
}

} // namespace

CreditCardLastStatement::CreditCardLastStatement(Date openingDate, Date closingDate,
                                                 std::optional<Date> paymentDueDate)
    : CreditCardLastStatement(openingDate, closingDate, paymentDueDate, std::shared_ptr<const Calendar>{}) {}

CreditCardLastStatement::CreditCardLastStatement(Date openingDate, Date closingDate,
                                                 std::optional<Date> paymentDueDate, Calendar calendar)
    : CreditCardLastStatement(openingDate, closingDate, paymentDueDate,
                              std::make_shared<const Calendar>(std::move(calendar))) {}

CreditCardLastStatement::CreditCardLastStatement(Date openingDate, Date closingDate,
                                                 std::optional<Date> paymentDueDate,
                                                 std::shared_ptr<const Calendar> calendar)
    : openingDate(*this, openingDate), closingDate(*this, closingDate),
      paymentDueDate(*this, paymentDueDate.value_or(closingDate)),
      calendar_(calendarOrCurrent(std::move(calendar))) {
    if (paymentDueDate) {
        // A day count, not the due date's day of the month: setOpeningDate() adds it to the new
        // closing date, where a day-of-month would misplace every later due date. Counted
        // between the days, so the closing day's 23:59:59 does not lose one.
        billingGracePeriod_ =
            daysBetween(closingDate, *paymentDueDate, *calendar_).value_or(defaultBillingGracePeriod);
    } else {
        this->paymentDueDate.set(
            calendar_->adding(CalendarComponent::day, defaultBillingGracePeriod, closingDate)
                .value_or(closingDate));
    }
}

void CreditCardLastStatement::setOpeningDate(Date newOpeningDate) {
    openingDate.set(newOpeningDate);
    const Date closing = zt::closingDate(newOpeningDate, *calendar_);
    closingDate.set(closing);
    paymentDueDate.set(
        calendar_->adding(CalendarComponent::day, billingGracePeriod_, closing).value_or(closing));
}

double CreditCardLastStatement::remainingDue() const {
    return statementDueAmount().value_or(0) - paidAmount();
}

double CreditCardLastStatement::progress() const {
    const double ratio = paidAmount() / statementDueAmount().value_or(0);
    return std::isfinite(ratio) ? ratio : 0;
}

DateInterval CreditCardLastStatement::billingCycle() const {
    return DateInterval{openingDate(), closingDate()};
}

bool CreditCardLastStatement::isValidationPassed() const {
    const auto& statement = statementDueAmount();
    const auto& minimum = minimumDueAmount();
    return !statement || !minimum || *minimum <= *statement;
}

std::vector<Date> CreditCardLastStatement::upcomingDueDates() const {
    return upcomingDueDates(Environment::current().now());
}

std::vector<Date> CreditCardLastStatement::upcomingDueDates(Date now) const {
    const Date due = paymentDueDate();
    std::vector<Date> dates;
    dates.reserve(13);
    if (due >= now)
        dates.push_back(due);
    for (int months = 1; months <= 12; ++months)
        if (const auto later = calendar_->adding(CalendarComponent::month, months, due))
            dates.push_back(*later);
    return dates;
}

std::vector<std::shared_ptr<CreditCardLastStatement>>
CreditCardLastStatement::generateBillingCycles(const DateInterval& from, Date currentPaymentDueDate,
                                               Date including) {
    return generateBillingCycles(from, currentPaymentDueDate, including, nullptr);
}

std::vector<std::shared_ptr<CreditCardLastStatement>>
CreditCardLastStatement::generateBillingCycles(const DateInterval& from, Date currentPaymentDueDate,
                                               Date including,
                                               std::shared_ptr<const Calendar> sharedCalendar) {
    const auto calendar = calendarOrCurrent(std::move(sharedCalendar));
    const Calendar& cal = *calendar;
    const int startDay = cal.component(CalendarComponent::day, from.start);
    const Date opening0 = cal.startOfDay(from.start);
    const auto closing0 = anchoredClosing(opening0, startDay, cal);

    std::vector<std::shared_ptr<CreditCardLastStatement>> history;
    const auto append = [&](Date opening, Date closing, Date due) {
        history.push_back(std::make_shared<CreditCardLastStatement>(opening, closing, due, calendar));
        history.back()->statementDueAmount.set(0.0);
    };
    // Only a known cycle that is not finite leaves the calendar without a closing.
    append(opening0, closing0.value_or(from.end), currentPaymentDueDate);
    if (!closing0 || including > *closing0)
        return history;

    const auto covers = [&](const CreditCardLastStatement& statement) {
        const DateInterval cycle = statement.billingCycle();
        if (cycle.contains(including))
            return true;
        // The calendar is asked only near the cycle: no day is anywhere near three days long.
        constexpr double nearby = 3 * 86400.0;
        if (including < cycle.start - nearby || including > cycle.end + nearby)
            return false;
        return cal.isDate(including, cycle.start) || cal.isDate(including, cycle.end);
    };
    // Each opening and due date is derived from the first statement's, never from the one
    // before, so clamping to a short month does not accumulate. A statement's anchored closing is
    // the last second before the next newer opening, which is already known. Only the newest
    // statement can newly cover `including`.
    Date newerOpening = opening0;
    for (int k = 1;
         !covers(*history.back()) && history.size() < static_cast<std::size_t>(maximumHistoryLength); ++k) {
        const auto monthsBack = cal.adding(CalendarComponent::month, -k, opening0);
        const auto openingDay = monthsBack ? cal.dayInMonth(*monthsBack, startDay) : std::nullopt;
        const auto due = cal.adding(CalendarComponent::month, -k, currentPaymentDueDate);
        if (!openingDay || !due)
            break;
        const Date opening = cal.startOfDay(*openingDay);
        append(opening, newerOpening - 1, *due);
        newerOpening = opening;
    }
    return history;
}

} // namespace zt
