#pragma once

#include "ZTSwiftUIComponents/host/ReminderTime.h"
#include "ZTSwiftUIComponents/host/RepeatingInterval.h"
#include "ZTSwiftUIComponents/host/ReportTransaction.h"
#include "platform/Date.h"
#include "platform/Published.h"

#include <optional>
#include <set>
#include <vector>

namespace zt {

/// The repetition settings of a transaction being entered: interval, first occurrence, end (or
/// none) and reminders. The entry screen's sheets edit them; the host reads them when it saves.
/// Main thread.
class RepeatTransactionsModalViewModel : public ObservableObject {
public:
    /// The end date that means "repeats for ever": 2222-01-04 16:49:12 UTC. Stored records carry
    /// this exact instant, so it must never be rounded or recomputed.
    static constexpr Date foreverDate = Date::fromUnixSeconds(7952662152.0);

    RepeatTransactionsModalViewModel(bool isRepeating, RepeatingInterval selectedInterval,
                                     Date repeatingFromDate, Date repeatingUntilDate, bool hasReminders,
                                     bool isStartDateDisabled);

    Published<bool> isRepeating;
    Published<RepeatingInterval> selectedInterval;
    Published<Date> repeatingFromDate;
    /// foreverDate for a series without end.
    Published<Date> repeatingUntilDate;
    Published<bool> hasReminders;
    Published<std::set<ReminderTime>> selectedReminders{*this};
    /// The interval the host detected for a bank-connected series.
    Published<std::optional<RepeatingInterval>> suggestedInterval{*this};
    /// Past occurrences the host matched to this series.
    Published<ReportTransactionList> suggestedOccurrences{*this};

    /// The start date cannot be changed.
    const bool isStartDateDisabled;
    /// What the interval picker offers, shortest first.
    const std::vector<RepeatingInterval> repeatingIntervals = repeatIntervalArraySorted();
    const std::vector<ReminderTime> reminders;

    bool isForever() const { return repeatingUntilDate() == foreverDate; }
    /// Moves the start to the first suggested occurrence's date; nothing without suggestions.
    void applyFirstSuggestion();
    /// Adds the reminder when it is not chosen, removes it when it is.
    void toggle(ReminderTime reminder);
};

} // namespace zt
