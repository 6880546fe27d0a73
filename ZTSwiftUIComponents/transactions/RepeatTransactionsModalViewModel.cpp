#include "RepeatTransactionsModalViewModel.h"

namespace zt {

namespace {

std::vector<ReminderTime> allReminders() {
    const auto cases = allCases<ReminderTime>();
    return {cases.begin(), cases.end()};
}

} // namespace

RepeatTransactionsModalViewModel::RepeatTransactionsModalViewModel(bool isRepeating,
                                                                   RepeatingInterval selectedInterval,
                                                                   Date repeatingFromDate,
                                                                   Date repeatingUntilDate, bool hasReminders,
                                                                   bool isStartDateDisabled)
    : isRepeating(*this, isRepeating), selectedInterval(*this, selectedInterval),
      repeatingFromDate(*this, repeatingFromDate), repeatingUntilDate(*this, repeatingUntilDate),
      hasReminders(*this, hasReminders), isStartDateDisabled(isStartDateDisabled), reminders(allReminders()) {
}

void RepeatTransactionsModalViewModel::applyFirstSuggestion() {
    const auto& occurrences = suggestedOccurrences();
    if (occurrences.empty() || !occurrences.front())
        return;
    repeatingFromDate.set(occurrences.front()->date());
}

void RepeatTransactionsModalViewModel::toggle(ReminderTime reminder) {
    auto chosen = selectedReminders();
    if (!chosen.erase(reminder))
        chosen.insert(reminder);
    selectedReminders.set(std::move(chosen));
}

} // namespace zt
