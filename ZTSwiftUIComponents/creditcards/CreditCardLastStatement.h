#pragma once

#include "platform/Calendar.h"
#include "platform/Date.h"
#include "platform/DateInterval.h"
#include "platform/Published.h"

#include <memory>
#include <optional>
#include <vector>

namespace zt {

/// The statement of one billing cycle: its dates, the amounts due and what has been paid.
/// Observable; every write to a published field notifies its observers synchronously. Used on
/// the main thread. The opening date changes only through setOpeningDate(), which moves the
/// closing and due dates with it.
class CreditCardLastStatement : public ObservableObject {
public:
    /// Days from the closing date to the due date when no due date is given.
    static constexpr int defaultBillingGracePeriod = 15;
    /// The most statements generateBillingCycles() returns: 100 years of monthly statements.
    static constexpr int maximumHistoryLength = 1200;

    /// A statement in the environment's calendar. Without a due date, the due date is the
    /// closing date plus defaultBillingGracePeriod days.
    CreditCardLastStatement(Date openingDate, Date closingDate,
                            std::optional<Date> paymentDueDate = std::nullopt);
    CreditCardLastStatement(Date openingDate, Date closingDate, std::optional<Date> paymentDueDate,
                            Calendar calendar);
    /// Statements of one history share one calendar instead of each copying it.
    CreditCardLastStatement(Date openingDate, Date closingDate, std::optional<Date> paymentDueDate,
                            std::shared_ptr<const Calendar> calendar);

    Published<Date, CreditCardLastStatement> openingDate;
    Published<Date> closingDate;
    Published<Date> paymentDueDate;
    /// The statement balance to pay; empty until entered.
    Published<std::optional<double>> statementDueAmount{*this};
    /// Empty until entered.
    Published<std::optional<double>> minimumDueAmount{*this};
    Published<double> paidAmount{*this, 0.0};

    const Calendar& calendar() const { return *calendar_; }
    /// Days from the closing date to the due date, fixed at construction: the whole calendar
    /// days between the two days when a due date was given, else defaultBillingGracePeriod.
    int billingGracePeriod() const { return billingGracePeriod_; }

    /// Moves the statement to the cycle opening on newOpeningDate: the closing date becomes that
    /// cycle's closingDate() and the due date billingGracePeriod() days later. Observers hear
    /// openingDate, then closingDate, then paymentDueDate.
    void setOpeningDate(Date newOpeningDate);

    /// The statement due amount (0 when empty) minus what was paid.
    double remainingDue() const;
    /// Paid amount over statement due amount; 0 without a due amount or with a due amount of 0.
    /// Not clamped: an overpayment gives more than 1.
    double progress() const;
    /// From the opening date to the closing date.
    DateInterval billingCycle() const;
    /// False only when both amounts are entered and the minimum exceeds the statement amount.
    bool isValidationPassed() const;
    /// The due date if it is not before now, then the due date plus 1 … 12 months: 12 or 13
    /// dates. Now is the environment's.
    std::vector<Date> upcomingDueDates() const;
    std::vector<Date> upcomingDueDates(Date now) const;

    /// The statement history back from a known cycle, newest first, until a statement covers
    /// `including` (it lies in the statement's cycle or on its opening or closing day). The first
    /// statement is the known cycle's (anchored to the next opening) with currentPaymentDueDate,
    /// which must not be before the cycle's end; each earlier one opens k months before it on the
    /// same day (clamped to short months) and is due k months before it. Every statement's due
    /// amount is set to 0. When `including` is after the first statement, only that one is
    /// returned; a date that is never reached (far in the past, not finite) stops the history
    /// at maximumHistoryLength statements. Statements share the calendar.
    static std::vector<std::shared_ptr<CreditCardLastStatement>>
    generateBillingCycles(const DateInterval& from, Date currentPaymentDueDate, Date including);
    static std::vector<std::shared_ptr<CreditCardLastStatement>>
    generateBillingCycles(const DateInterval& from, Date currentPaymentDueDate, Date including,
                          std::shared_ptr<const Calendar> calendar);

private:
    std::shared_ptr<const Calendar> calendar_;
    int billingGracePeriod_ = defaultBillingGracePeriod;
};

} // namespace zt
