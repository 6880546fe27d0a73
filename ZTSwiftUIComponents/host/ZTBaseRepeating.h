#pragma once

#include "ZTSwiftUIComponents/host/ReminderTime.h"
#include "ZTSwiftUIComponents/host/RepeatingInterval.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "platform/Date.h"
#include "platform/Published.h"

#include <memory>
#include <optional>
#include <set>
#include <string>

namespace zt {

/// The repeating series a transaction belongs to: its schedule, its current amount and the
/// occurrences booked so far. An observable shared object: screens observe the published members
/// and switch the series off through stopRepeating(). Main thread only.
class ZTBaseRepeating : public ObservableObject {
public:
    ZTBaseRepeating(std::string identifier, RepeatingInterval interval, Date startDate,
                    std::optional<Date> endDate, double amount,
                    std::optional<std::string> currencyCode = std::nullopt,
                    std::optional<ReportTransactionList> transactions = std::nullopt);

    const std::string& identifier() const { return identifier_; }
    const std::optional<std::string>& currencyCode() const { return currencyCode_; }

    /// Whether the series still books new occurrences; none while the host has not said.
    Published<std::optional<bool>> isRepeating{*this, true};
    Published<RepeatingInterval> interval;
    Published<Date> startDate;
    /// The last possible occurrence; none for a series without end.
    Published<std::optional<Date>> endDate;
    /// The amount of the next occurrences, in the series' currency.
    Published<double> amount;
    /// The occurrences booked so far (the child transactions); none when not loaded.
    Published<std::optional<ReportTransactionList>> transactions;
    Published<std::set<ReminderTime>> reminders{*this};

    /// Switches the series off; occurrences booked so far stay.
    void stopRepeating() { isRepeating.set(false); }
    /// The sum of the booked occurrences' amounts (0 when none are loaded).
    double totalAmount() const;
    /// The first occurrence strictly after `after` (the start itself when `after` is earlier), by
    /// the series' schedule in the calendar; none when the series is off or has ended by then.
    std::optional<Date> nextOccurrence(Date after, const Calendar& calendar) const;

private:
    std::string identifier_;
    std::optional<std::string> currencyCode_;
};

} // namespace zt
